// Printed symbols rendered at a printer's resolution and read back by a real decoder (zbarimg):
// the proof that every character of every width ratio scans as itself.
#include "QStringPrinting.h"
#include "symbology/BarcodeAppearance.h"
#include "symbology/PrintedSymbol.h"

#include "common/Twips.h"
#include "platform/PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

constexpr double printerDpi = 600;
constexpr int quietZoneDots = 150;
constexpr double barHeightTwips = 720;

// Renders one item's printed symbol (bars and spread text) with a quiet zone on all sides, on a
// 600-dpi page.
QImage renderPrinted(const QString& text, int widthRatio, int barWidth, Fixed4 resolution) {
    BarcodeAppearance item;
    item.text = text;
    item.widthRatio = std::uint8_t(widthRatio);
    item.barWidth = std::uint8_t(barWidth);
    item.barHeight = QString::number(barHeightTwips);
    item.showText = 1;
    item.textAlignment = 0;
    const double quiet = twips::fromDots(quietZoneDots, printerDpi);
    item.symbolLeft = float(quiet);
    item.symbolTop = float(quiet);

    const PrintedSymbol geometry(Code39Symbol::assemble(text, widthRatio), barWidth, resolution);
    const double widthDots = twips::toDots(geometry.width().toDouble(), printerDpi);
    const int imageWidth = int(widthDots) + 2 * quietZoneDots;
    const int imageHeight = int(twips::toDots(barHeightTwips, printerDpi)) + 3 * quietZoneDots;
    QImage image(imageWidth, imageHeight, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    const int dotsPerMeter = int(printerDpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    PainterSurface surface(&painter, printerDpi);
    printBarcodeSymbol(item, QPointF(0, 0), resolution, twips::fromDots(1, printerDpi), surface);
    painter.end();
    return image;
}

// Decodes the images in order; one line per symbol found.
QStringList decode(const QStringList& files) {
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"),
               QStringList{QStringLiteral("--raw"), QStringLiteral("-q"),
                           QStringLiteral("-Sdisable"), QStringLiteral("-Scode39.enable")} +
                   files);
    if (!zbar.waitForFinished(60000))
        return {QStringLiteral("<zbarimg did not finish>")};
    QStringList lines = QString::fromUtf8(zbar.readAllStandardOutput()).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// What a reader returns for a text: the ASCII row of every character, upper case.
QString scannedForm(const QString& text) {
    QString result;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\uFF0E':
            result += QLatin1Char('.');
            break;
        case u'\uFF0F':
            result += QLatin1Char('/');
            break;
        case u'\uFF0D':
            result += QLatin1Char('-');
            break;
        case u'\uFF0B':
            result += QLatin1Char('+');
            break;
        case u'\u3000':
            result += QLatin1Char(' ');
            break;
        default:
            result += c.toUpper();
        }
    }
    return result;
}

// Every character of the barcode set, some full-width forms, and texts where the short "/" and
// "+" cells of ratios 1 and 2 sit between other characters.
const QStringList scanTexts = {
    QStringLiteral("0123456789"), QStringLiteral("ABCDEFGHIJ"),
    QStringLiteral("KLMNOPQRST"), QStringLiteral("UVWXYZ"),
    QStringLiteral("abcdefghij"), QStringLiteral("klmnopqrst"),
    QStringLiteral("uvwxyz"),     QStringLiteral("A-B.C D/E+F"),
    QStringLiteral("1/2+3//++4"), QStringLiteral("X\uFF0E\uFF0F\uFF0D\uFF0B\u3000Y"),
    QStringLiteral("7"),
};

struct ScanCase {
    int widthRatio;
    int barWidth;
    double resolution;
};

class PrintedSymbolScan : public testing::TestWithParam<ScanCase> {};

TEST_P(PrintedSymbolScan, EverySymbolDecodesToItsOwnText) {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg (Debian zbar-tools) is not installed";
    const ScanCase c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Set BREVMARK_KEEP_SCAN_IMAGES to look at the images afterwards.
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("BREVMARK_KEEP_SCAN_IMAGES"));
    QStringList files;
    QStringList expected;
    for (int i = 0; i < scanTexts.size(); ++i) {
        const QString file = dir.filePath(
            QStringLiteral("ratio%1_bar%2_%3.png").arg(c.widthRatio).arg(c.barWidth).arg(i));
        ASSERT_TRUE(
            renderPrinted(scanTexts[i], c.widthRatio, c.barWidth, Fixed4::fromDouble(c.resolution))
                .save(file));
        files << file;
        expected << scannedForm(scanTexts[i]);
    }
    EXPECT_EQ(decode(files), expected);
}

// At 2.4 twips (the 600-dpi dot) the lines of a bar just touch; at the default 7.2 and at 6.8 each
// line covers several dots and the lines still join into solid bars.
INSTANTIATE_TEST_SUITE_P(EveryWidthRatio, PrintedSymbolScan,
                         testing::Values(ScanCase{0, 3, 2.4}, ScanCase{1, 3, 2.4},
                                         ScanCase{2, 3, 2.4}, ScanCase{3, 3, 2.4},
                                         ScanCase{0, 2, 2.4}, ScanCase{3, 4, 2.4},
                                         ScanCase{0, 2, 7.2}, ScanCase{1, 1, 7.2},
                                         ScanCase{2, 2, 7.2}, ScanCase{3, 1, 7.2},
                                         ScanCase{0, 1, 6.8}, ScanCase{3, 2, 6.8}),
                         [](const testing::TestParamInfo<ScanCase>& info) {
                             return "ratio" + std::to_string(info.param.widthRatio) + "_barWidth" +
                                    std::to_string(info.param.barWidth) + "_resolution" +
                                    std::to_string(int(info.param.resolution * 10));
                         });

} // namespace
