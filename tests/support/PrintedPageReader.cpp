#include "support/PrintedPageReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace brevmark::test::printed {

namespace {

constexpr int darkBelow = 128;

#ifdef BREVMARK_ZXING_DECODER
const QString zxingDecoder = QStringLiteral(BREVMARK_ZXING_DECODER);
#else
const QString zxingDecoder;
#endif

// Standard output of a program (the tools chatter on standard error); empty when it fails to run.
QByteArray output(const QString& program, const QStringList& args, int timeoutMs = 120000) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(5000))
        return {};
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        return {};
    }
    return p.readAllStandardOutput();
}

QStringList sortedLines(const QByteArray& text) {
    QStringList lines;
    for (const QByteArray& line : text.split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QString::fromUtf8(line.trimmed());
    lines.sort();
    return lines;
}

bool isDark(const QImage& page, int x, int y) {
    return page.constScanLine(y)[x] < darkBelow;
}

} // namespace

QString missingTools() {
    for (const char* tool : {"pdftoppm", "zbarimg"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QString::fromLatin1(tool) + QStringLiteral(" is not installed");
    if (zxingDecoder.isEmpty() || !QFileInfo(zxingDecoder).isExecutable())
        return QStringLiteral("the ZXing decoder was not built (Debian libzxing-dev)");
    return {};
}

QList<QImage> rasterisePostScript(const QByteArray& job, const QString& folder, int dpi) {
    static int counter = 0;
    const QString prefix = QStringLiteral("ps%1-page").arg(++counter);
    const QString input = folder + QLatin1Char('/') + prefix + QStringLiteral(".ps");
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly) || file.write(job) != job.size())
        return {};
    file.close();
    output(QStringLiteral("gs"),
           {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
            QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=pnggray"),
            QStringLiteral("-r%1").arg(dpi),
            QStringLiteral("-sOutputFile=") + folder + QLatin1Char('/') + prefix +
                QStringLiteral("-%03d.png"),
            input});
    QList<QImage> pages;
    for (const QString& name :
         QDir(folder).entryList({prefix + QStringLiteral("-*.png")}, QDir::Files, QDir::Name))
        pages.append(
            QImage(folder + QLatin1Char('/') + name).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

Readings readImage(const QImage& image, const QString& folder, const QString& name) {
    const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!image.save(file))
        return {};
    return {zbarTexts(file), zxingTexts(file)};
}

namespace {

// The symbol ends at its quiet zone, a space far wider than any of its own (a wide space is at most
// three narrow bars): what lies beyond it on the row (text beside the symbol) is not the symbol's.
void endAtQuietZone(BarWidths& row, int barCount) {
    if (row.bars.size() > barCount) {
        row.bars.resize(barCount);
        row.spaces.resize(barCount - 1);
    }
    if (row.bars.isEmpty())
        return;
    const int narrowest = *std::min_element(row.bars.begin(), row.bars.end());
    for (qsizetype i = 0; i < row.spaces.size(); ++i) {
        if (row.spaces[i] > 5 * narrowest) {
            row.spaces.resize(i);
            row.bars.resize(i + 1);
            break;
        }
    }
    while (row.spaces.size() >= row.bars.size() && !row.spaces.isEmpty())
        row.spaces.removeLast();
}

} // namespace

BarWidths barWidths(const QImage& image, int barCount) {
    BarWidths best;
    for (int y = 0; y < image.height(); ++y) {
        BarWidths row;
        const uchar* line = image.constScanLine(y);
        int run = 0;
        bool dark = false;
        bool started = false;
        for (int x = 0; x < image.width(); ++x) {
            const bool d = line[x] < darkBelow;
            if (d == dark) {
                ++run;
                continue;
            }
            // Bars from the first dark run on, spaces only between them.
            if (dark)
                row.bars.append(run);
            else if (started)
                row.spaces.append(run);
            started = started || dark;
            dark = d;
            run = 1;
        }
        if (dark)
            row.bars.append(run);
        endAtQuietZone(row, barCount);
        if (row.bars.size() > best.bars.size())
            best = row;
    }
    return best;
}

QList<QImage> rasterise(const QString& pdf, const QString& folder) {
    const QString prefix = QFileInfo(pdf).completeBaseName() + QStringLiteral("-page");
    output(QStringLiteral("pdftoppm"),
           {QStringLiteral("-r"), QString::number(rasterDpi), QStringLiteral("-gray"), pdf,
            folder + QLatin1Char('/') + prefix});
    QImageReader::setAllocationLimit(1024);
    QList<QImage> pages;
    for (const QString& name :
         QDir(folder).entryList({prefix + QStringLiteral("*.pgm")}, QDir::Files, QDir::Name))
        pages.append(
            QImage(folder + QLatin1Char('/') + name).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

QStringList zbarTexts(const QString& imageFile) {
    return sortedLines(
        output(QStringLiteral("zbarimg"),
               {QStringLiteral("-q"), QStringLiteral("--raw"), QStringLiteral("-Sdisable"),
                QStringLiteral("-Scode39.enable"), imageFile}));
}

QStringList zxingTexts(const QString& imageFile) {
    if (zxingDecoder.isEmpty())
        return {QStringLiteral("<no ZXing decoder>")};
    return sortedLines(output(zxingDecoder, {imageFile}));
}

QRect toPixels(const QRectF& twips) {
    const double scale = rasterDpi / 1440.0;
    return QRect(int(twips.left() * scale), int(twips.top() * scale), int(twips.width() * scale),
                 int(twips.height() * scale));
}

Readings readRegion(const QImage& page, const QRectF& twips, const QString& folder) {
    static int serial = 0;
    const QString file = folder + QStringLiteral("/region%1.png").arg(++serial);
    if (!page.copy(toPixels(twips)).save(file))
        return {{QStringLiteral("<cannot save region>")}, {QStringLiteral("<cannot save region>")}};
    return {zbarTexts(file), zxingTexts(file)};
}

QList<QPair<int, int>> solidColumnRuns(const QImage& page, const QRect& pixels) {
    const QRect area = pixels.intersected(page.rect());
    QList<QPair<int, int>> runs;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool solid = true;
        for (int y = area.top(); y <= area.bottom() && solid; ++y)
            solid = isDark(page, x, y);
        if (!solid)
            continue;
        if (!runs.isEmpty() && runs.last().second == x - 1)
            runs.last().second = x;
        else
            runs.append({x, x});
    }
    return runs;
}

int inkCount(const QImage& page, const QRect& pixels) {
    const QRect area = pixels.intersected(page.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isDark(page, x, y) ? 1 : 0;
    return count;
}

double inkCentreX(const QImage& page, const QRect& pixels) {
    const QRect area = pixels.intersected(page.rect());
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isDark(page, x, y)) {
                sum += x;
                ++count;
            }
    return count ? sum / count : -1;
}

} // namespace brevmark::test::printed
