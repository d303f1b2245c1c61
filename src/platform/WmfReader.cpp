#include "platform/WmfReader.h"

#include <algorithm>
#include <cstdlib>

namespace brevmark {

namespace {

constexpr qsizetype placeableHeaderBytes = 22;
constexpr qsizetype standardHeaderBytes = 18;
constexpr qsizetype recordHeaderBytes = 6;

quint16 u16At(QByteArrayView bytes, qsizetype offset) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.data()) + offset;
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

quint32 u32At(QByteArrayView bytes, qsizetype offset) {
    return u16At(bytes, offset) | (quint32(u16At(bytes, offset + 2)) << 16);
}

bool isStandardHeader(QByteArrayView bytes, qsizetype offset) {
    if (bytes.size() - offset < standardHeaderBytes)
        return false;
    const quint16 type = u16At(bytes, offset);
    const quint16 headerWords = u16At(bytes, offset + 2);
    const quint16 version = u16At(bytes, offset + 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

} // namespace

bool WmfReader::looksLikeWmf(QByteArrayView head) {
    if (head.size() >= 4 && u32At(head, 0) == placeableKey)
        return true;
    return isStandardHeader(head, 0);
}

bool WmfReader::fail(QString* error, const QString& reason) {
    records_.clear();
    if (error)
        *error = reason;
    return false;
}

bool WmfReader::parse(const QByteArray& bytes, QString* error) {
    bytes_ = bytes;
    records_.clear();
    placeable_ = false;
    frame_ = QRect();
    unitsPerInch_ = 0;
    objectCount_ = 0;
    const QByteArrayView data(bytes_);
    if (data.size() > maxFileBytes)
        return fail(error, QStringLiteral("metafile larger than %1 bytes").arg(maxFileBytes));

    qsizetype offset = 0;
    if (data.size() >= 4 && u32At(data, 0) == placeableKey) {
        if (data.size() < placeableHeaderBytes)
            return fail(error, QStringLiteral("truncated placeable header"));
        const auto coord = [&](qsizetype at) { return static_cast<qint16>(u16At(data, at)); };
        const int left = coord(6), top = coord(8), right = coord(10), bottom = coord(12);
        unitsPerInch_ = u16At(data, 14);
        if (unitsPerInch_ == 0)
            return fail(error, QStringLiteral("placeable header gives no units per inch"));
        if (left == right || top == bottom)
            return fail(error, QStringLiteral("placeable header gives an empty frame"));
        frame_ = QRect(std::min(left, right), std::min(top, bottom), std::abs(right - left),
                       std::abs(bottom - top));
        placeable_ = true;
        offset = placeableHeaderBytes;
    }
    if (!isStandardHeader(data, offset))
        return fail(error, QStringLiteral("not a metafile header"));
    objectCount_ = u16At(data, offset + 10);
    offset += standardHeaderBytes;

    // Every record is at least 6 bytes, so the loops end; each record must fit in what is left.
    // The records are counted first, so that their list is allocated once and a file of more
    // records than any picture needs is refused before anything is kept.
    qsizetype count = 0;
    for (qsizetype at = offset; data.size() - at >= recordHeaderBytes;) {
        const quint32 words = u32At(data, at);
        if (words < 3 || quint64(words) * 2 > quint64(data.size() - at) ||
            u16At(data, at + 4) == 0x0000)
            break;
        if (++count > maxRecords)
            return fail(error, QStringLiteral("metafile of more than %1 records").arg(maxRecords));
        at += qsizetype(words) * 2;
    }
    records_.reserve(size_t(count));
    while (true) {
        if (data.size() - offset < recordHeaderBytes)
            return fail(error, QStringLiteral("metafile ends without its end record"));
        const quint32 words = u32At(data, offset);
        const quint16 function = u16At(data, offset + 4);
        if (words < 3)
            return fail(error,
                        QStringLiteral("record of %1 words at byte %2").arg(words).arg(offset));
        if (quint64(words) * 2 > quint64(data.size() - offset))
            return fail(
                error,
                QStringLiteral("record at byte %1 runs past the end of the file").arg(offset));
        if (function == 0x0000)
            return true;
        const qsizetype length = qsizetype(words) * 2;
        records_.emplace_back(function,
                              data.sliced(offset + recordHeaderBytes, length - recordHeaderBytes));
        offset += length;
    }
}

} // namespace brevmark
