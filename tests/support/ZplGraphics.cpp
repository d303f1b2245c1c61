#include "support/ZplGraphics.h"

#include <QRegularExpression>

namespace brevmark::test::zpl {

namespace {

// Zebra's repeat letters: G to Y count 1 to 19, g to z count 20 to 400 in steps of 20.
int repeatCount(char c) {
    if (c >= 'G' && c <= 'Y')
        return c - 'F';
    if (c >= 'g' && c <= 'z')
        return (c - 'f') * 20;
    return 0;
}

// `rows` rows of `bytesPerRow` bytes from the compressed hexadecimal data.
QImage decode(const QByteArray& data, int bytesPerRow, int rows) {
    const int digitsPerRow = bytesPerRow * 2;
    QList<QByteArray> hexRows;
    QByteArray row;
    QByteArray previous(digitsPerRow, '0');
    int count = 0;
    auto finishRow = [&](char fill) {
        row.append(QByteArray(qMax(0, digitsPerRow - int(row.size())), fill));
        hexRows.append(row.left(digitsPerRow));
        previous = hexRows.last();
        row.clear();
    };
    for (char c : data) {
        if (hexRows.size() >= rows)
            break;
        if (const int n = repeatCount(c)) {
            count += n;
            continue;
        }
        if (c == ',') {
            finishRow('0');
        } else if (c == '!') {
            finishRow('F');
        } else if (c == ':') {
            hexRows.append(previous);
        } else if (QByteArray("0123456789ABCDEFabcdef").contains(c)) {
            row.append(QByteArray(count > 0 ? count : 1, c));
            if (row.size() >= digitsPerRow)
                finishRow('0');
        } else {
            continue; // line breaks and spaces between the data
        }
        count = 0;
    }
    if (!row.isEmpty())
        finishRow('0');
    QImage image(bytesPerRow * 8, rows, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < int(hexRows.size()) && y < rows; ++y) {
        const QByteArray bytes = QByteArray::fromHex(hexRows.at(y));
        uchar* line = image.scanLine(y);
        for (int x = 0; x < bytesPerRow * 8; ++x)
            if (bytes.size() > x / 8 && (uchar(bytes.at(x / 8)) >> (7 - x % 8)) & 1)
                line[x] = 0;
    }
    return image;
}

} // namespace

QList<QImage> graphics(const QByteArray& job) {
    QList<QImage> images;
    // ~DGname,total,perRow,data   and   ^GFA,binaryBytes,total,perRow,data
    static const QRegularExpression header(
        QStringLiteral("~DG[^,]*,(\\d+),(\\d+),|\\^GFA,\\d+,(\\d+),(\\d+),"));
    const QString text = QString::fromLatin1(job);
    QRegularExpressionMatchIterator it = header.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const bool download = m.captured(1).size() > 0;
        const int total = (download ? m.captured(1) : m.captured(3)).toInt();
        const int perRow = (download ? m.captured(2) : m.captured(4)).toInt();
        if (perRow <= 0)
            continue;
        const qsizetype start = m.capturedEnd();
        qsizetype end = job.indexOf('^', start);
        const qsizetype tilde = job.indexOf('~', start);
        if (end < 0 || (tilde >= 0 && tilde < end))
            end = tilde;
        if (end < 0)
            end = job.size();
        images.append(decode(job.mid(start, end - start), perRow, total / perRow));
    }
    return images;
}

QList<int> darkRuns(const QImage& image, int y, int x0, int x1) {
    QList<int> runs;
    int run = 0;
    const uchar* line = image.constScanLine(y);
    for (int x = qMax(0, x0); x <= qMin(image.width() - 1, x1); ++x) {
        if (line[x] < 128) {
            ++run;
        } else if (run > 0) {
            runs.append(run);
            run = 0;
        }
    }
    if (run > 0)
        runs.append(run);
    return runs;
}

} // namespace brevmark::test::zpl
