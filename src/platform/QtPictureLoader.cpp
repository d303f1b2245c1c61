#include "platform/QtPictureLoader.h"

#include "common/Twips.h"
#include "platform/DibDecoder.h"
#include "platform/WmfPlayer.h"
#include "platform/WmfReader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace brevmark {

namespace {

Picture refuse(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return {};
}

quint32 le32(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData()) + at;
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

enum class Kind { Unknown, Jpeg, Gif, Bmp, Wmf };

Kind kindOf(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return Kind::Jpeg;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return Kind::Gif;
    if (bytes.startsWith("BM"))
        return Kind::Bmp;
    if (WmfReader::looksLikeWmf(bytes))
        return Kind::Wmf;
    return Kind::Unknown;
}

// The image readers fill a cut-off file with grey or black and report success, so the end of the
// data is checked first.
bool looksComplete(Kind kind, const QByteArray& bytes) {
    switch (kind) {
    case Kind::Jpeg: {
        // Inside entropy-coded data 0xFF is always followed by 0x00 or a restart marker, so an
        // end-of-image marker after the last start-of-scan is the real end.
        const qsizetype scan = bytes.lastIndexOf("\xFF\xDA");
        return scan >= 0 && bytes.indexOf("\xFF\xD9", scan) > scan;
    }
    case Kind::Gif: {
        // Trailing padding after the trailer byte is tolerated.
        qsizetype end = bytes.size();
        while (end > 0 && bytes[end - 1] == '\0')
            --end;
        return end > 13 && bytes[end - 1] == ';';
    }
    case Kind::Bmp: {
        if (bytes.size() < 54)
            return false;
        const quint32 pixelOffset = le32(bytes, 10);
        const quint32 headerSize = le32(bytes, 14);
        if (headerSize < 40)
            return pixelOffset < quint32(bytes.size());
        const qint64 width = qint32(le32(bytes, 18));
        const qint64 height = std::abs(qint64(qint32(le32(bytes, 22))));
        const int bitCount = int(uchar(bytes[28])) | (int(uchar(bytes[29])) << 8);
        const quint32 compression = le32(bytes, 30);
        if (compression != 0 && compression != 3) // run-length data has no fixed size
            return pixelOffset < quint32(bytes.size());
        return DibDecoder::rowsFit(width, height, bitCount, qint64(bytes.size()) - pixelOffset);
    }
    default:
        return true;
    }
}

} // namespace

Picture QtPictureLoader::load(const QString& path, QString* error) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(error, file.errorString());
    if (file.size() > maxFileBytes)
        return refuse(error, QStringLiteral("file larger than %1 bytes").arg(maxFileBytes));
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(error, file.errorString());
    return loadBytes(bytes, error);
}

Picture QtPictureLoader::loadBytes(const QByteArray& bytes, QString* error) const {
    if (bytes.size() > maxFileBytes)
        return refuse(error, QStringLiteral("file larger than %1 bytes").arg(maxFileBytes));
    const Kind kind = kindOf(bytes);
    if (kind == Kind::Unknown)
        return refuse(error, QStringLiteral("not a JPEG, GIF, BMP or WMF picture"));
    if (kind == Kind::Wmf)
        return WmfPlayer::load(bytes, error);
    if (!looksComplete(kind, bytes))
        return refuse(error, QStringLiteral("picture file is cut off"));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind == Kind::Jpeg ? "jpeg" : kind == Kind::Gif ? "gif" : "bmp");
    reader.setAutoTransform(true);
    reader.setAllocationLimit(int((maxPixels * 4 + 1024 * 1024 - 1) / (1024 * 1024)));
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return refuse(error, QStringLiteral("picture header gives no size"));
    if (qint64(size.width()) * size.height() > maxPixels)
        return refuse(
            error,
            QStringLiteral("picture too large: %1 x %2").arg(size.width()).arg(size.height()));
    QImage image;
    if (!reader.read(&image))
        return refuse(error, reader.errorString());
    // The screen shows pictures pixel for pixel (15 twips a pixel), whatever resolution the
    // file states.
    return Picture::fromImage(
        image, QSizeF(twips::fromPixels(image.width()), twips::fromPixels(image.height())));
}

} // namespace brevmark
