#pragma once

#include "platform/PictureLoader.h"

#include <QByteArray>

namespace brevmark {

// Reads pictures by their content, not their name: JPEG, GIF and BMP through Qt's image readers,
// Windows metafiles through WmfPlayer. Everything is bounded before it is allocated: the file
// size, the pixel count a raster header claims, and every metafile record.
class QtPictureLoader : public PictureLoader {
public:
    // Pictures above this many pixels (a 6000 x 4000 photo) are refused rather than decoded:
    // the slowest decoder (GIF) takes about half a second for this many.
    static constexpr qint64 maxPixels = 24'000'000;
    // Larger files are refused unread.
    static constexpr qint64 maxFileBytes = 64LL * 1024 * 1024;

    Picture load(const QString& path, QString* error = nullptr) const override;
    // The same from bytes already read.
    Picture loadBytes(const QByteArray& bytes, QString* error = nullptr) const;
};

} // namespace brevmark
