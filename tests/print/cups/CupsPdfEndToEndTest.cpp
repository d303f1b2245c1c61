// Prints through the system's default printer for real: a cups-pdf queue is made the default,
// the PDF it writes is rasterised at 600 dpi and every symbol is decoded with zbarimg. Skips when
// the machine cannot host the queue (not root, no CUPS, no cups-pdf, no poppler or zbar).

#include "PrintDoubles.h"
#include "support/CupsPdfQueue.h"

#include "platform/qt/QtPrinter.h"
#include "print/PrintCommands.h"
#include "print/PrintSettings.h"
#include "support/ScriptedMessageBoxes.h"
#include "symbology/PrintedSymbol.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <unistd.h>

namespace brevmark::test {
namespace {

using namespace cups;

class CupsPdfEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!prepareQueue(&why))
            GTEST_SKIP() << "skipped: " << why.toStdString();
        clearOutput();
        ASSERT_TRUE(work.isValid());
    }
    void TearDown() override { clearOutput(); }

    PrintCommands commands(std::uint8_t kind, Fixed4 r) {
        settings = PrintSettings{kind, r};
        return PrintCommands(
            model, loader, DataLocation(work.path()),
            [] { return std::make_unique<QtPrinter>(); }, boxes, settings, host);
    }

    PageModel model;
    PrintSettings settings;
    FakePictureLoader loader;
    ScriptedMessageBoxes boxes;
    FakePrintHost host;
    QTemporaryDir work;
};

TEST_F(CupsPdfEndToEnd, PageOfItemsDecodesWithBarsOnTheResolutionGrid) {
    QtPrinter probe;
    ASSERT_TRUE(probe.isAvailable());
    ASSERT_EQ(probe.name(), queueName());
    // One printer dot per resolution step makes the lines of a bar touch.
    const double dpi = probe.dotsPerInch();
    std::cout << "printer " << probe.name().toStdString() << " at " << dpi << " dpi\n";
    Fixed4 r = Fixed4::fromDouble(1440.0 / dpi);
    std::uint8_t kind = 0;

    struct Label {
        const char* text;
        int barWidth;
        int ratio;
    };
    const Label labels[] = {{"BREVMARK-1", 2, 0},
                          {"A1B2C3", 3, 1},
                          {"LABEL 42", 2, 2},
                          {"X/Y+Z.", 4, 3},
                          {"999", 3, 0}};
    int index = 1;
    for (const Label& s : labels) {
        BarcodeItem item =
            pageItem(600 + 45.3 * index, 600 + 1800.0 * (index - 1), QString::fromLatin1(s.text));
        item.width = 9000;
        item.height = 1500;
        item.symbol.barWidth = std::uint8_t(s.barWidth);
        item.symbol.widthRatio = std::uint8_t(s.ratio);
        item.symbol.barHeight = QStringLiteral("900");
        model.items.put(index, item);
        index = index == 10 ? 12 : index + 1;
    }
    PrintCommands printing = commands(kind, r);
    printing.printPage();
    EXPECT_EQ(printing.failedItems(), 0);
    EXPECT_TRUE(boxes.shown.isEmpty());

    const QString pdf = waitForPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF into " << outputFolder().toStdString();
    const QList<QImage> pages = rasterise(pdf, work);
    ASSERT_EQ(pages.size(), 1);
    index = 1;
    for (const Label& s : labels) {
        const BarcodeItem& item = model.items.at(index);
        EXPECT_EQ(decodeRegion(pages[0], item.rect(), work),
                  QStringList{QString::fromLatin1(s.text)})
            << "item " << index << " bar width " << s.barWidth << " ratio " << s.ratio;
        index = index == 10 ? 12 : index + 1;
    }
    // The whole page holds nothing else.
    EXPECT_EQ(
        decode(work.filePath(QDir(work.path()).entryList({QStringLiteral("page*.pgm")}).value(0)))
            .size(),
        int(std::size(labels)));

    // Every bar's left edge lies on the grid of the resolution (in 600-dpi pixels), counted from
    // the page's left edge, less half a line's width.
    const double pxPerTwip = 600.0 / 1440.0;
    const double step = r.toDouble() * pxPerTwip;
    // A line covers the printer dot to the right of its coordinate.
    const double halfLine = 0;
    for (int i : {1, 2, 3, 4, 5}) {
        const BarcodeItem& item = model.items.at(i);
        const double top =
            PrintedSymbol::snapToGrid(item.top + item.symbol.symbolTop, r).toDouble();
        const int y = int((top + 450) * pxPerTwip);
        const int from = int(item.left * pxPerTwip);
        const QList<int> edges =
            barLeftEdges(pages[0], y, from, int((item.left + 9000) * pxPerTwip));
        ASSERT_GT(edges.size(), 10) << "item " << i;
        const double firstLine =
            PrintedSymbol::snapToGrid(item.left + item.symbol.symbolLeft, r).toDouble();
        EXPECT_NEAR(edges.first() + halfLine, firstLine * pxPerTwip, 1.0) << "item " << i;
        for (int e : edges) {
            const double steps = (e + halfLine) / step;
            EXPECT_NEAR(steps, std::round(steps), 0.26) << "item " << i << " edge at " << e;
        }
    }
}

TEST_F(CupsPdfEndToEnd, SimpleLayoutPrintsItsQuantity) {
    QtPrinter probe;
    ASSERT_TRUE(probe.isAvailable());
    Fixed4 r = Fixed4::fromDouble(1440.0 / probe.dotsPerInch());
    std::uint8_t kind = 0;
    BarcodeItem item = pageItem(0, 0, QStringLiteral("Q7"));
    item.symbol.barWidth = 3;
    model.items.put(0, item);
    model.printQuantity = QStringLiteral("7");
    commands(kind, r).printSimple();

    const QString pdf = waitForPdf();
    ASSERT_FALSE(pdf.isEmpty());
    const QList<QImage> pages = rasterise(pdf, work);
    ASSERT_EQ(pages.size(), 1);
    // Rows of three from (300, 300), 3620 twips apart across and 920 down: seven copies, then
    // empty places.
    int found = 0;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF place(300 + column * 3620, 300 + row * 920, 3600, 900);
            const QStringList texts = decodeRegion(pages[0], place, work);
            const int copy = row * 3 + column;
            if (copy < 7) {
                EXPECT_EQ(texts, QStringList{QStringLiteral("Q7")}) << "copy " << copy;
                found += int(texts.size());
            } else {
                EXPECT_TRUE(texts.isEmpty()) << "place " << copy;
            }
        }
    }
    EXPECT_EQ(found, 7);
}

} // namespace
} // namespace brevmark::test
