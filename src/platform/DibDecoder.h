#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace brevmark {

// Decodes a packed device-independent bitmap (a BITMAPINFO or BITMAPCOREHEADER, its colour table
// and its pixel rows), as metafiles embed them. Uncompressed 1, 4, 8, 16, 24 and 32 bits per
// pixel and bit-field masks are read; the pixel rows must lie within the given bytes and the
// bitmap may not hold more than maxPixels pixels, so a damaged header never causes a large
// allocation.
class DibDecoder {
public:
    enum class Result { Ok, Unsupported, Damaged };

    // *bottomUp tells whether the rows were stored bottom row first (the usual order), which is
    // where source rectangles of some blits count from.
    static Result decode(QByteArrayView dib, qint64 maxPixels, QImage* image,
                         QString* reason = nullptr, bool* bottomUp = nullptr);
    // True when `height` rows of `width` pixels of `bitCount` bits, each row padded to four bytes,
    // fit in `available` bytes. Computed without overflow for any values a header may hold.
    static bool rowsFit(qint64 width, qint64 height, qint64 bitCount, qint64 available);
};

} // namespace brevmark
