// Prints through real CUPS: a scheduler of the test's own whose default printer is a cups-pdf
// queue writing into a temporary folder. The PDF is rasterised at 600 dpi, every symbol is read by
// zbarimg and by ZXing, and the bars, texts and pictures are measured on the raster. The machine's
// own printing stays as it is. Skips when a package is missing (scripts/install-deps.sh has them
// all).

#include "PrintDoubles.h"

#include "common/Twips.h"
#include "platform/qt/QtPrinter.h"
#include "print/PrintCommands.h"
#include "print/PrintSettings.h"
#include "support/PrintedPageReader.h"
#include "support/PrivateCupsScheduler.h"
#include "support/ScriptedMessageBoxes.h"
#include "symbology/PrintedSymbol.h"

#include "support/PageModelEdits.h"
#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

using printed::toPixels;

class PrintedThroughCups : public ::testing::Test {
protected:
    void SetUp() override {
        QString missing = PrivateCupsScheduler::missingParts();
        if (missing.isEmpty())
            missing = printed::missingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "skipped: " << missing.toStdString();
        ASSERT_TRUE(work.isValid());
        QString why;
        ASSERT_TRUE(cups.start(&why)) << why.toStdString();
    }
    void TearDown() override { cups.stop(); }

    PrintCommands commands() {
        return PrintCommands(
            model, loader, DataLocation(work.path()),
            [] { return std::make_unique<QtPrinter>(); }, settings, host);
    }
    // Prints the page and gives back its one page at 600 dpi (empty when that failed).
    QImage printPageAndRead() {
        PrintCommands printing = commands();
        printing.printPage();
        EXPECT_EQ(printing.failedItems(), 0);
        const QString pdf = cups.waitForPdf();
        EXPECT_FALSE(pdf.isEmpty()) << "no PDF from the queue; its log:\n"
                                    << cups.errorLog().toStdString();
        if (pdf.isEmpty())
            return {};
        const QList<QImage> pages = printed::rasterise(pdf, work.path());
        EXPECT_EQ(pages.size(), 1);
        return pages.value(0);
    }
    void expectBothRead(const QImage& page, const BarcodeItem& item, const QString& what) {
        const printed::Readings read = printed::readRegion(page, item.rect(), work.path());
        const QStringList expected{item.symbol.text.toUpper()};
        EXPECT_EQ(read.zbar, expected) << "zbarimg, " << what.toStdString();
        EXPECT_EQ(read.zxing, expected) << "ZXing, " << what.toStdString();
    }
    const BarcodeItem& put(int index, BarcodeItem item) {
        test::putItem(model, index, item);
        return model.items().at(index);
    }

    PrivateCupsScheduler cups;
    QTemporaryDir work;
    PageModel model;
    FakePictureLoader loader;
    ScriptedMessageBoxes boxes;
    FakePrintHost host;
    PrintSettings settings;
    std::uint8_t& kind = settings.printerKind;
    Fixed4& resolution = settings.resolution;
};

// Names, sizes and contents of the files under a folder (what can be read).
QStringList snapshot(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString entry = path + QLatin1Char(' ') + QString::number(info.size()) + QLatin1Char(' ') +
                        info.lastModified().toString(Qt::ISODateWithMs);
        QFile f(path);
        if (info.isFile() && f.open(QIODevice::ReadOnly))
            entry += QLatin1Char(' ') +
                     QString::fromLatin1(
                         QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex());
        entries << entry;
    }
    entries.sort();
    return entries;
}

// What the machine's own scheduler calls its default printer (or says when it has none or does
// not run), asked without the test's CUPS environment.
QString machineDefaultPrinter() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {QStringLiteral("CUPS_SERVER"), QStringLiteral("CUPS_SERVERROOT"),
                                QStringLiteral("LPDEST"), QStringLiteral("PRINTER")})
        env.remove(name);
    QProcess lpstat;
    lpstat.setProcessEnvironment(env);
    lpstat.setProcessChannelMode(QProcess::MergedChannels);
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-d")});
    lpstat.waitForFinished(20000);
    return QString::fromUtf8(lpstat.readAll()).trimmed();
}

TEST_F(PrintedThroughCups, PrintsOnItsOwnQueueAndLeavesTheMachinesPrintingAlone) {
    cups.stop();
    const QStringList etcBefore = snapshot(QStringLiteral("/etc/cups"));
    const QString defaultBefore = machineDefaultPrinter();
    QString why;
    ASSERT_TRUE(cups.start(&why)) << why.toStdString();

    QtPrinter probe;
    ASSERT_TRUE(probe.isAvailable());
    EXPECT_EQ(probe.name(), PrivateCupsScheduler::queueName());
    // The cups-pdf PPD offers 150 to 2400 dpi; the program takes 300, its 4.8-twip dot.
    EXPECT_EQ(probe.dotsPerInch(), 300);
    EXPECT_EQ(machineDefaultPrinter(), defaultBefore);

    put(1, pageItem(600, 600, QStringLiteral("CUPS-1")));
    const QImage page = printPageAndRead();
    ASSERT_FALSE(page.isNull());
    expectBothRead(page, model.items().at(1), QStringLiteral("CUPS-1"));

    cups.stop();
    EXPECT_EQ(snapshot(QStringLiteral("/etc/cups")), etcBefore);
    EXPECT_EQ(machineDefaultPrinter(), defaultBefore);
    EXPECT_FALSE(qEnvironmentVariableIsSet("CUPS_SERVER") &&
                 qEnvironmentVariable("CUPS_SERVER") == cups.socketPath())
        << "the process no longer points at the stopped scheduler";
}

// Every width ratio at bar widths 1 to 6 on one page, at one print resolution: each symbol reads
// with both decoders, and each bar is one solid run of dark columns exactly its modules wide, each
// module the whole number of the printer's 300-dpi dots that PrintedSymbol gives it.
class PrintResolutionSweep : public PrintedThroughCups,
                             public ::testing::WithParamInterface<double> {};

TEST_P(PrintResolutionSweep, EverySymbolReadsAndEveryBarIsSolid) {
    resolution = Fixed4::fromDouble(GetParam());
    struct Placed {
        int index;
        int ratio;
        int barWidth;
    };
    QList<Placed> placed;
    const QList<int>& indexes = ItemTable::pageIndexes();
    int n = 0;
    for (int ratio = 0; ratio < 4; ++ratio) {
        for (int barWidth = 1; barWidth <= 6; ++barWidth, ++n) {
            const int index = indexes[n];
            BarcodeItem item = pageItem(300 + (n % 2) * 5760, 300 + (n / 2) * 1320,
                                        QStringLiteral("R%1B%2").arg(ratio).arg(barWidth));
            item.width = 5700;
            item.height = 1260;
            item.symbol.widthRatio = std::uint8_t(ratio);
            item.symbol.barWidth = std::uint8_t(barWidth);
            item.symbol.symbolLeft = 600;
            item.symbol.symbolTop = 150;
            item.symbol.barHeight = QStringLiteral("720");
            put(index, item);
            placed.append({index, ratio, barWidth});
        }
    }
    const QImage page = printPageAndRead();
    ASSERT_FALSE(page.isNull());

    const double pixelsPerTwip = printed::rasterDpi / 1440.0;
    for (const Placed& p : placed) {
        const BarcodeItem& item = model.items().at(p.index);
        const QString what = QStringLiteral("ratio %1, bar width %2, resolution %3")
                                 .arg(p.ratio)
                                 .arg(p.barWidth)
                                 .arg(resolution.toText());
        expectBothRead(page, item, what);

        const PrintedSymbol symbol(Code39Symbol::assemble(item.symbol.text, p.ratio), p.barWidth,
                                   resolution, twips::fromDots(1, 300));
        const double left = symbol.printedLeft(
            PrintedSymbol::snapToGrid(item.left + item.symbol.symbolLeft, resolution));
        const double top =
            PrintedSymbol::snapToGrid(item.top + item.symbol.symbolTop, resolution).toDouble();
        // The middle of the bars' height, from a little before the symbol to a little after it.
        const QRect band =
            toPixels(QRectF(left - 120, top + 120, symbol.printedWidth() + 240, 720 - 240));
        const QList<QPair<int, int>> runs = printed::solidColumnRuns(page, band);
        const double module = symbol.printedModule();
        QList<QPair<double, double>> expected; // twips, [left, right)
        const Code39Symbol& modules = symbol.symbol();
        for (int m = 0; m < modules.moduleCount(); ++m) {
            if (!modules.isBar(m))
                continue;
            if (m > 0 && modules.isBar(m - 1))
                expected.last().second += module;
            else
                expected.append({left + m * module, left + (m + 1) * module});
        }
        ASSERT_EQ(runs.size(), expected.size())
            << what.toStdString() << ": a bar split by white columns, or bars run together";
        for (int i = 0; i < runs.size(); ++i) {
            EXPECT_NEAR(runs[i].first, expected[i].first * pixelsPerTwip, 1.0)
                << what.toStdString() << ", bar " << i;
            EXPECT_NEAR(runs[i].second + 1, expected[i].second * pixelsPerTwip, 1.0)
                << what.toStdString() << ", bar " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DefaultDotPitchAndFine, PrintResolutionSweep,
                         ::testing::Values(7.2, 4.8, 6.8),
                         [](const ::testing::TestParamInfo<double>& info) {
                             return "resolution" + std::to_string(int(info.param * 10));
                         });

TEST_F(PrintedThroughCups, LabelsAndPicturesStopAtTheirItemsEdge) {
    // Item 1, printed first, is the neighbour: an empty white item right of item 2.
    const BarcodeItem& neighbour = put(1, pageItem(4300, 600, QString()));
    const BarcodeItem& overflowing = put(2, pageItem(600, 600, QStringLiteral("EDGE")));
    TextLabelItem label;
    label.caption = QStringLiteral("A LABEL FAR TOO LONG FOR ITS ITEM");
    label.left = 2400;
    label.top = 620;
    label.fontSize = 14;
    test::addTag(model, 2, label);
    ImageItem image;
    image.file = QStringLiteral("black.bmp");
    QImage black(16, 16, QImage::Format_RGB32);
    black.fill(Qt::black);
    image.picture = Picture::fromImage(black, QSizeF(240, 240));
    image.left = 3000;
    image.top = 60;
    image.width = 1500;
    image.height = 400;
    test::addTag(model, 2, image);

    const QImage page = printPageAndRead();
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(printed::inkCount(page, toPixels(neighbour.rect())), 0)
        << "the neighbour's area stays white";
    // Up to the edge both are there: the picture's part inside the item is solid.
    const QRect inside =
        toPixels(QRectF(overflowing.left + 3000 + 60, overflowing.top + 120, 600 - 120, 280));
    EXPECT_EQ(printed::inkCount(page, inside), inside.width() * inside.height());
    EXPECT_GT(printed::inkCount(page, toPixels(QRectF(overflowing.left + 2400,
                                                      overflowing.top + 620, 1200, 280))),
              0);
    expectBothRead(page, overflowing, QStringLiteral("item beside the overflow"));
}

TEST_F(PrintedThroughCups, HumanReadableTextPrintsBoldItalicAndUnderlinedAsOnScreen) {
    // Four items with the same centred text in the default size, one per style.
    const char* styles[] = {"regular", "bold", "italic", "underline"};
    const int points = BarcodeItem::blank({}, false).symbol.textSize;
    for (int s = 0; s < 4; ++s) {
        BarcodeItem item = pageItem(600, 600 + s * 1800, QStringLiteral("STYLE8"));
        item.width = 6000;
        item.height = 1700;
        item.symbol.textAlignment = 1;
        item.symbol.barHeight = QStringLiteral("600");
        item.symbol.textBold = s == 1;
        item.symbol.textItalic = s == 2;
        item.symbol.textUnderline = s == 3;
        put(s + 1, item);
    }
    const QImage page = printPageAndRead();
    ASSERT_FALSE(page.isNull());

    // The text band below each item's bars.
    auto textBand = [&](int s) {
        const BarcodeItem& item = model.items().at(s + 1);
        const double top =
            PrintedSymbol::snapToGrid(item.top + item.symbol.symbolTop, resolution).toDouble() +
            600 + 45;
        return toPixels(QRectF(item.left, top, item.width, item.top + item.height - top));
    };
    int ink[4];
    for (int s = 0; s < 4; ++s) {
        ink[s] = printed::inkCount(page, textBand(s));
        ASSERT_GT(ink[s], 0) << styles[s];
        expectBothRead(page, model.items().at(s + 1), QString::fromLatin1(styles[s]));
    }
    // The screen thickens a face that has no bold of its own by 1/24 em; the print must show it
    // as clearly, not as the faint double strike a PDF makes of it.
    EXPECT_GT(ink[1], ink[0] * 1.5) << "bold prints bold";

    // Italic leans: the top half of the glyphs sits right of their bottom half.
    auto lean = [&](int s) {
        const QRect band = textBand(s);
        const QRect glyphs(band.left(), band.top(), band.width(), points * 600 / 72 * 3 / 4);
        const QRect upper(glyphs.left(), glyphs.top(), glyphs.width(), glyphs.height() / 2);
        const QRect lower(glyphs.left(), glyphs.top() + glyphs.height() / 2, glyphs.width(),
                          glyphs.height() / 2);
        return printed::inkCentreX(page, upper) - printed::inkCentreX(page, lower);
    };
    EXPECT_GT(lean(2), lean(0) + 3) << "italic prints italic";

    // Underline: one unbroken dark stroke across the text, far longer than any glyph's.
    auto longestDarkStroke = [&](int s) {
        const QRect band = textBand(s).intersected(page.rect());
        int longest = 0;
        for (int y = band.top(); y <= band.bottom(); ++y) {
            const uchar* row = page.constScanLine(y);
            int run = 0;
            for (int x = band.left(); x <= band.right(); ++x) {
                run = row[x] < 128 ? run + 1 : 0;
                longest = qMax(longest, run);
            }
        }
        return longest;
    };
    EXPECT_GT(longestDarkStroke(3), 3 * longestDarkStroke(0)) << "underline prints";
}

TEST_F(PrintedThroughCups, PictureWhoseFileIsGonePrintsFromThePage) {
    // The file was deleted after the picture was placed; the page still shows it.
    const BarcodeItem& item = put(1, pageItem(600, 600, QStringLiteral("PIC-9")));
    ImageItem image;
    image.file = QStringLiteral("deleted.jpg");
    QImage black(16, 16, QImage::Format_RGB32);
    black.fill(Qt::black);
    image.picture = Picture::fromImage(black, QSizeF(240, 240));
    image.left = 2700;
    image.top = 60;
    image.width = 600;
    image.height = 300;
    test::addTag(model, 1, image);

    const QImage page = printPageAndRead();
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(boxes.shown.isEmpty());
    const QRect picture = toPixels(QRectF(item.left + 2760, item.top + 120, 480, 180));
    EXPECT_EQ(printed::inkCount(page, picture), picture.width() * picture.height());
    expectBothRead(page, item, QStringLiteral("item with the picture"));
}

} // namespace
} // namespace brevmark::test
