#pragma once

#include "platform/PictureLoader.h"

namespace brevmark {

class QtPictureLoader : public PictureLoader {
public:
    // Pictures above this many pixels are refused as damaged rather than allocated.
    static constexpr qint64 maxPixels = 64LL * 1024 * 1024;
    Picture load(const QString& path, QString* error = nullptr) const override;
};

} // namespace brevmark
