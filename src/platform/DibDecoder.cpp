#include "platform/DibDecoder.h"

#include <array>
#include <bit>
#include <cstdint>
#include <limits>

namespace brevmark {

namespace {

constexpr quint32 biRgb = 0;
constexpr quint32 biBitfields = 3;

quint32 le(QByteArrayView bytes, qsizetype offset, int size) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.data()) + offset;
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

DibDecoder::Result refuse(DibDecoder::Result result, QString* reason, const QString& text) {
    if (reason)
        *reason = text;
    return result;
}

// One colour channel taken out of a pixel by a bit mask and widened to 8 bits.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(quint32 m) : mask(m) {
        if (mask) {
            shift = std::countr_zero(mask);
            bits = std::popcount(mask >> shift);
        }
    }
    int value(quint32 pixel) const {
        if (!mask)
            return 0;
        const quint32 raw = (pixel & mask) >> shift;
        if (bits >= 8)
            return int(raw >> (bits - 8));
        const quint32 max = (1u << bits) - 1;
        return int((raw * 255 + max / 2) / max);
    }
};

} // namespace

bool DibDecoder::rowsFit(qint64 width, qint64 height, qint64 bitCount, qint64 available) {
    if (width <= 0 || height < 0 || bitCount <= 0 || available < 0)
        return false;
    if (width > (std::numeric_limits<qint64>::max() - 31) / bitCount)
        return false;
    const qint64 stride = (width * bitCount + 31) / 32 * 4;
    // stride * height <= available, without forming the product.
    return height == 0 || stride <= available / height;
}

DibDecoder::Result DibDecoder::decode(QByteArrayView dib, qint64 maxPixels, QImage* image,
                                      QString* reason, bool* bottomUp) {
    if (dib.size() < 4)
        return refuse(Result::Damaged, reason, QStringLiteral("bitmap header missing"));
    const quint32 headerSize = le(dib, 0, 4);
    const bool core = headerSize == 12;
    if (!core && headerSize < 40)
        return refuse(Result::Damaged, reason,
                      QStringLiteral("bitmap header of %1 bytes").arg(headerSize));
    if (headerSize > quint32(dib.size()))
        return refuse(Result::Damaged, reason, QStringLiteral("bitmap header truncated"));

    qint64 width, height;
    int bitCount;
    quint32 compression = biRgb, colorsUsed = 0;
    if (core) {
        width = le(dib, 4, 2);
        height = le(dib, 6, 2);
        bitCount = int(le(dib, 10, 2));
    } else {
        width = static_cast<qint32>(le(dib, 4, 4));
        height = static_cast<qint32>(le(dib, 8, 4));
        bitCount = int(le(dib, 14, 2));
        compression = le(dib, 16, 4);
        colorsUsed = le(dib, 32, 4);
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0)
        return refuse(Result::Damaged, reason, QStringLiteral("bitmap without pixels"));
    if (width * height > maxPixels)
        return refuse(
            Result::Damaged, reason,
            QStringLiteral("bitmap of %1 x %2 pixels is too large").arg(width).arg(height));
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        return refuse(Result::Damaged, reason, QStringLiteral("%1 bits per pixel").arg(bitCount));
    if (compression != biRgb && !(compression == biBitfields && (bitCount == 16 || bitCount == 32)))
        return refuse(Result::Unsupported, reason,
                      QStringLiteral("bitmap compression %1 is not read").arg(compression));

    qsizetype offset = headerSize;
    quint32 masks[3] = {0, 0, 0};
    if (compression == biBitfields) {
        // Version 4 and 5 headers hold the masks; the plain header is followed by them.
        const qsizetype at = headerSize >= 52 ? 40 : offset;
        if (at + 12 > dib.size())
            return refuse(Result::Damaged, reason, QStringLiteral("bit masks truncated"));
        for (int i = 0; i < 3; ++i)
            masks[i] = le(dib, at + 4 * i, 4);
        if (headerSize < 52)
            offset += 12;
    } else if (bitCount == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (bitCount == 32) {
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    }

    std::array<QRgb, 256> palette{};
    if (bitCount <= 8) {
        const quint32 maxColors = 1u << bitCount;
        const quint32 colors = colorsUsed == 0 ? maxColors : colorsUsed;
        if (colors > maxColors)
            return refuse(Result::Damaged, reason,
                          QStringLiteral("%1 palette colours").arg(colors));
        const int entryBytes = core ? 3 : 4;
        if (offset + qsizetype(colors) * entryBytes > dib.size())
            return refuse(Result::Damaged, reason, QStringLiteral("palette truncated"));
        for (quint32 i = 0; i < colors; ++i) {
            const qsizetype at = offset + qsizetype(i) * entryBytes;
            palette[i] =
                qRgb(int(le(dib, at + 2, 1)), int(le(dib, at + 1, 1)), int(le(dib, at, 1)));
        }
        offset += qsizetype(colors) * entryBytes;
    }

    if (!rowsFit(width, height, bitCount, dib.size() - offset))
        return refuse(Result::Damaged, reason, QStringLiteral("bitmap rows truncated"));
    const qint64 stride = ((width * bitCount + 31) / 32) * 4;

    QImage out(int(width), int(height), QImage::Format_RGB32);
    if (out.isNull())
        return refuse(Result::Damaged, reason, QStringLiteral("bitmap cannot be held"));
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const auto* bits = reinterpret_cast<const uchar*>(dib.data()) + offset;
    for (qint64 row = 0; row < height; ++row) {
        const uchar* src = bits + row * stride;
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(int(topDown ? row : height - 1 - row)));
        for (qint64 x = 0; x < width; ++x) {
            QRgb rgb;
            switch (bitCount) {
            case 1:
                rgb = palette[(src[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                rgb = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
                break;
            case 8:
                rgb = palette[src[x]];
                break;
            case 24:
                rgb = qRgb(src[x * 3 + 2], src[x * 3 + 1], src[x * 3]);
                break;
            default: {
                const int bytes = bitCount / 8;
                quint32 pixel = 0;
                for (int b = bytes - 1; b >= 0; --b)
                    pixel = (pixel << 8) | src[x * bytes + b];
                rgb = qRgb(red.value(pixel), green.value(pixel), blue.value(pixel));
            }
            }
            dst[x] = rgb;
        }
    }
    *image = out;
    if (bottomUp)
        *bottomUp = !topDown;
    return Result::Ok;
}

} // namespace brevmark
