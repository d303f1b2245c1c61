#pragma once

#include "platform/Picture.h"

#include <QString>

namespace brevmark {

// Loads JPEG, GIF, BMP and WMF files. A file that cannot be read, is damaged, or claims a size
// too large to hold gives a null picture with the reason in *error.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    virtual Picture load(const QString& path, QString* error = nullptr) const = 0;
};

} // namespace brevmark
