// The whole program on a real default printer: a user builds labels in the main window with the
// mouse and keyboard and prints them through a CUPS scheduler of the test's own, whose cups-pdf
// queue writes into a temporary folder. The PDF is rasterised at 600 dpi and every symbol must
// read as its text with zbarimg and with ZXing, at the default settings (nothing calibrated).
// Skips when a package is missing (scripts/install-deps.sh has them all).

#include "ShellDoubles.h"

#include "page/ui/ItemMenu.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PicturePanel.h"
#include "page/ui/SkinButton.h"
#include "platform/PreviewPrinter.h"
#include "platform/Timer.h"
#include "platform/qt/PictureControl.h"
#include "print/PrintCommands.h"
#include "print/ui/PrintPreviewWindow.h"
#include "support/PclRaster.h"
#include "support/PrintedPageReader.h"
#include "support/PrivateCupsScheduler.h"
#include "support/ZplGraphics.h"

#include <QApplication>
#include <QFileInfo>
#include <QSet>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

class ProgramPrints : public ::testing::Test, protected ShellFixture {
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
    void TearDown() override {
        window.reset();
        cups.stop();
    }

    // A queue with a printer's own CUPS driver and these queue defaults, made the default
    // printer (once the scheduler runs).
    void useDriverQueue(const QString& queue, const QString& model, const QStringList& defaults) {
        if (IsSkipped() || HasFatalFailure())
            return;
        QString why;
        ASSERT_TRUE(cups.addDriverQueue(queue, model, defaults, &why)) << why.toStdString();
        ASSERT_TRUE(cups.makeDefault(queue, &why)) << why.toStdString();
    }

    // Opens the program; `settings` is what TOP.reg holds (nothing at all when empty).
    MainWindow& open(const QString& settings) {
        if (!settings.isEmpty())
            writeSettings(settings);
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        w.findChild<Timer*>(QStringLiteral("排列視窗位置"))->fire();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }

    void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, button, {}, QPoint(4, 4));
    }
    static void moveTo(QWidget* w, QPointF pixels) {
        QMouseEvent move(QEvent::MouseMove, pixels, w->mapToGlobal(pixels), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }

    // The one page the queue printed, at 600 dpi.
    QImage printedPage() {
        const QString pdf = cups.waitForPdf();
        EXPECT_FALSE(pdf.isEmpty()) << "no PDF from the queue; its log:\n"
                                    << cups.errorLog().toStdString();
        if (pdf.isEmpty())
            return {};
        const QList<QImage> pages = printed::rasterise(pdf, work.path());
        EXPECT_EQ(pages.size(), 1);
        return pages.value(0);
    }
    void expectBothRead(const QImage& page, const QRectF& twips, const QStringList& texts,
                        const std::string& what) {
        const printed::Readings read = printed::readRegion(page, twips, work.path());
        EXPECT_EQ(read.zbar, texts) << "zbarimg, " << what;
        EXPECT_EQ(read.zxing, texts) << "ZXing, " << what;
    }

    // Right-click the empty page, add a blank item there, open it and type its barcode.
    int addBarcode(MainWindow& w, QPoint at, const QString& text) {
        QWidget* page = find(w, QStringLiteral("列印範圍"));
        QTest::mouseClick(page, Qt::RightButton, {}, at);
        click(find(w, QStringLiteral("增加條碼鈕"), 0));
        const int index = w.pageEditor().model().currentItem;
        QWidget* item = find(w, QStringLiteral("條碼項目"), index);
        EXPECT_NE(item, nullptr) << "item " << index;
        if (!item)
            return index;
        QTest::mouseDClick(item, Qt::LeftButton, {}, QPoint(6, 6));
        auto* entry = qobject_cast<QLineEdit*>(find(w, QStringLiteral("條碼輸入")));
        EXPECT_NE(entry, nullptr);
        if (entry)
            QTest::keyClicks(entry, text);
        return index;
    }
    // The same, then its width ratio (the k-th format button) and its bar width chosen.
    int addBarcode(MainWindow& w, QPoint at, const char* text, int ratio, int barWidth) {
        const int index = addBarcode(w, at, QString::fromLatin1(text));
        click(find(w, QStringLiteral("格式設定"), ratio));
        for (int b = 2; b < barWidth; ++b)
            click(find(w, QStringLiteral("調整位置"), 7));
        return index;
    }
    void printFromTheToolbar(MainWindow& w) {
        // The toolbar's print button shows while the pointer is in its band.
        QTest::mouseMove(&w, QPoint(8800 / 15, 240 / 15));
        click(find(w, QStringLiteral("確定列印_V")));
    }

    PrivateCupsScheduler cups;
    QTemporaryDir work;
};

const QString professional = QStringLiteral("\"主視窗大小\",\"1 0 0 0 12090 7470\"\r\n");

struct Label {
    const char* text;
    int ratio;
    int barWidth;
};

} // namespace

TEST_F(ProgramPrints, SimpleLayoutAtDefaultSettingsScans) {
    // A fresh data folder: no TOP.reg, so the default print resolution (7.2) and layout.
    MainWindow& w = open(QString());
    auto* entry = qobject_cast<QLineEdit*>(find(w, QStringLiteral("條碼輸入")));
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isVisible());
    QTest::keyClicks(entry, QStringLiteral("s42"));
    auto* quantity = qobject_cast<QLineEdit*>(find(w, QStringLiteral("列印數量")));
    ASSERT_NE(quantity, nullptr);
    quantity->selectAll();
    QTest::keyClicks(quantity, QStringLiteral("5"));
    click(find(w, QStringLiteral("確定列印")));
    EXPECT_TRUE(messages.shown.isEmpty());

    const QImage page = printedPage();
    ASSERT_FALSE(page.isNull());
    // Copies run in rows of three from (300, 300), 3620 twips apart across and 920 down; each
    // place is read on its own so that equal symbols count one by one.
    for (int place = 0; place < 9; ++place) {
        const QRectF rect(300 + (place % 3) * 3620, 300 + (place / 3) * 920, 3600, 900);
        const QStringList expected = place < 5 ? QStringList{QStringLiteral("S42")} : QStringList{};
        expectBothRead(page, rect, expected, "place " + std::to_string(place));
    }
    // After printing, the barcode entry has the focus again with its text selected.
    EXPECT_EQ(entry->selectedText(), QStringLiteral("s42"));
}

TEST_F(ProgramPrints, PageOfItemsFromTheToolbarAtDefaultSettings) {
    MainWindow& w = open(professional);
    const Label labels[] = {{"AB12", 0, 2}, {"X-9", 1, 3}, {"K7/", 2, 2}, {"Q1", 3, 4}};
    QList<int> indexes;
    for (int n = 0; n < 4; ++n) {
        const Label& label = labels[n];
        indexes << addBarcode(w, QPoint(40, 30 + n * 80), label.text, label.ratio, label.barWidth);
    }
    const PageModel& model = w.pageEditor().model();
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(model.items().at(indexes[n]).symbol.text, QString::fromLatin1(labels[n].text));
        EXPECT_EQ(model.items().at(indexes[n]).symbol.barWidth, labels[n].barWidth);
    }

    printFromTheToolbar(w);
    EXPECT_TRUE(messages.shown.isEmpty());
    const QImage page = printedPage();
    ASSERT_FALSE(page.isNull());
    for (int n = 0; n < 4; ++n)
        expectBothRead(page, model.items().at(indexes[n]).rect(),
                       {QString::fromLatin1(labels[n].text)}, labels[n].text);
}

TEST_F(ProgramPrints, PictureDeletedAfterItWasPlacedStillPrints) {
    QImage logo(90, 45, QImage::Format_RGB32);
    logo.fill(Qt::black);
    QDir().mkpath(folder.location().picturesFolder());
    ASSERT_TRUE(logo.save(folder.location().pictureFile(QStringLiteral("logo.bmp")), "BMP"));
    MainWindow& w = open(professional);
    const int index = addBarcode(w, QPoint(40, 30), QStringLiteral("LOGO-1"));
    QWidget* item = find(w, QStringLiteral("條碼項目"), index);
    ASSERT_NE(item, nullptr);

    // Item menu, entry 1: a picture where the menu opened, right of the symbol.
    const QPoint at(170, 10);
    QTest::mousePress(item, Qt::RightButton, {}, at);
    QTest::mouseRelease(item, Qt::RightButton, {}, at);
    auto* menu = qobject_cast<ItemMenu*>(find(w, QStringLiteral("功能選項")));
    ASSERT_TRUE(menu && menu->isVisible());
    moveTo(menu, QPointF(20, (45 + 390 * 1 + 210) / 15.0));
    click(find(*menu, QStringLiteral("標籤功能"), 1));
    QWidget* image = nullptr;
    for (QWidget* c : item->findChildren<QWidget*>(QStringLiteral("圖形籤")))
        image = c;
    ASSERT_NE(image, nullptr);

    // Double-click it, choose logo.bmp in the picture panel and take it.
    QTest::mouseDClick(image, Qt::LeftButton, {}, QPoint(3, 3));
    auto* panel = qobject_cast<PicturePanel*>(find(w, QStringLiteral("圖片讀取窗")));
    ASSERT_TRUE(panel && panel->isVisible());
    QListWidget* list = panel->list();
    ASSERT_EQ(list->count(), 1);
    const QPoint entry = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseClick(panel->takeButton(), Qt::LeftButton);

    // Then delete the file through the same panel (the question is answered Yes).
    QTest::mouseDClick(image, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseClick(panel->deleteButton(), Qt::LeftButton);
    ASSERT_FALSE(QFileInfo::exists(folder.location().pictureFile(QStringLiteral("logo.bmp"))));
    messages.shown.clear();

    printFromTheToolbar(w);
    EXPECT_TRUE(messages.shown.isEmpty()) << "no print failure";
    const QImage page = printedPage();
    ASSERT_FALSE(page.isNull());
    const BarcodeItem& placed = w.pageEditor().model().items().at(index);
    const ImageItem* held = w.pageEditor().model().tags().image(index, 1);
    ASSERT_NE(held, nullptr);
    // The black picture, inside by a margin: solid.
    const QRect picture =
        printed::toPixels(QRectF(placed.left + held->left + 60, placed.top + held->top + 60,
                                 qMin<double>(held->width, placed.width - held->left) - 120,
                                 qMin<double>(held->height, placed.height - held->top) - 120));
    ASSERT_GT(picture.width() * picture.height(), 0);
    EXPECT_EQ(printed::inkCount(page, picture), picture.width() * picture.height());
    expectBothRead(page, placed.rect(), {QStringLiteral("LOGO-1")}, "item with the picture");
}

namespace {

const QString labelPrinter = professional + QStringLiteral("\"印表裝置\",\"1\"\r\n");
const QString zebraQueue = QStringLiteral("zebra-zpl");
constexpr int zebraDpi = 203;

// The same program on a label printer with its own CUPS driver: the Zebra ZPL driver at 203 dpi
// with 4 x 2 in labels, made the default printer of the test's scheduler. What the driver sends
// to the printer is decoded from its ZPL graphics, one image per label, one pixel per dot.
class ProgramPrintsOnZebra : public ProgramPrints {
protected:
    void SetUp() override {
        ProgramPrints::SetUp();
        useDriverQueue(zebraQueue, QStringLiteral("drv:///sample.drv/zebra.ppd"),
                       {QStringLiteral("PageSize=w288h144")});
    }
    QList<QImage> printedLabels(int timeoutMs = 90000) {
        return zpl::graphics(cups.waitForPrinterData(zebraQueue, timeoutMs));
    }
    PrintPreviewWindow* openPreviewWithTheKeys(MainWindow& w) {
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* preview = qobject_cast<PrintPreviewWindow*>(top); preview && preview->isVisible())
                return preview;
        return nullptr;
    }
};

TEST_F(ProgramPrintsOnZebra, EveryItemOnALabelOfTheQueuesMediaReadsAndThePreviewShowsTheSameDots) {
    MainWindow& w = open(labelPrinter);
    const QStringList texts{QStringLiteral("ZPL-1"), QStringLiteral("LABEL-22")};
    addBarcode(w, QPoint(40, 30), texts[0]);
    addBarcode(w, QPoint(40, 120), texts[1]);
    printFromTheToolbar(w);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.titles().join(QLatin1Char(',')).toStdString();
    const QList<QImage> labels = printedLabels();
    ASSERT_EQ(labels.size(), 2) << "one label each; the scheduler's log:\n"
                                << cups.errorLog().toStdString();
    for (int k = 0; k < 2; ++k) {
        const std::string what = texts[k].toStdString();
        // 4 x 2 in at 203 dpi: 812 x 406 dots, the rows padded to whole bytes.
        EXPECT_EQ(labels[k].height(), 406) << what;
        EXPECT_EQ(labels[k].width(), 816) << what;
        const printed::Readings read =
            printed::readImage(labels[k], work.path(), QStringLiteral("window%1").arg(k));
        EXPECT_EQ(read.zbar, QStringList{texts[k]}) << "zbarimg, " << what;
        EXPECT_EQ(read.zxing, QStringList{texts[k]}) << "ZXing, " << what;
        const printed::BarWidths bars =
            printed::barWidths(labels[k], 5 * (int(texts[k].size()) + 2));
        EXPECT_EQ(QSet<int>(bars.bars.begin(), bars.bars.end()), (QSet<int>{2, 6})) << what;
    }

    // The preview draws the same job with the same code: at the printer's resolution its pages
    // are the printed labels, dot for dot in the bars, the text drawn by another rasteriser.
    PrintPreviewWindow* preview = openPreviewWithTheKeys(w);
    ASSERT_NE(preview, nullptr) << "Ctrl+Shift+P opens the print preview";
    ASSERT_EQ(preview->pageCount(), 2);
    EXPECT_EQ(preview->pages().pageTwips(), QSizeF(5760, 2880)) << "the label, not a sheet";
    for (int k = 0; k < 2; ++k) {
        const QImage shown = preview->pages().rasterise(k, zebraDpi);
        ASSERT_EQ(shown.size(), QSize(812, 406));
        const QImage printed = labels[k].copy(0, 0, 812, 406);
        const int symbolBars = 5 * (int(texts[k].size()) + 2);
        EXPECT_EQ(printed::barWidths(shown, symbolBars).bars,
                  printed::barWidths(printed, symbolBars).bars);
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                differing += (shown.constScanLine(y)[x] < 128) != (printed.constScanLine(y)[x] < 128);
        EXPECT_LT(differing, 812 * 406 / 100) << "dots that differ on label " << k + 1;
    }
    // Paged forward and back.
    EXPECT_EQ(preview->currentPage(), 0);
    QTest::mouseClick(preview->findChild<QWidget*>(QStringLiteral("下一頁")), Qt::LeftButton);
    EXPECT_EQ(preview->currentPage(), 1);
    QTest::mouseClick(preview->findChild<QWidget*>(QStringLiteral("上一頁")), Qt::LeftButton);
    EXPECT_EQ(preview->currentPage(), 0);
    preview->close();
}

TEST_F(ProgramPrintsOnZebra, ASymbolItsItemClipsIsNamedBeforeAnythingPrints) {
    MainWindow& w = open(labelPrinter);
    // 18 characters at bar width 2 need 20 cells of 230 twips, far more than the item's 3600.
    const int index = addBarcode(w, QPoint(40, 30), QStringLiteral("CLIPPED-SYMBOL-123"));
    messages.answers.enqueue(MessageAnswer::No);
    printFromTheToolbar(w);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("列印檢查"));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("條碼 %1：條碼線條超出條碼範圍").arg(index)))
        << messages.shown[0].text.toStdString();
    EXPECT_TRUE(printedLabels(8000).isEmpty()) << "No: nothing printed";

    messages.answers.enqueue(MessageAnswer::Yes);
    printFromTheToolbar(w);
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(printedLabels().size(), 1) << "Yes: the user goes on";
}

} // namespace

namespace {

const QString laserJetQueue = QStringLiteral("laserjet-pcl");
constexpr double laserJetDotTwips = 1440.0 / 300;

// The program on a page printer with its own CUPS driver: CUPS's HP LaserJet PCL driver at 300 dpi
// on A4, made the default printer. What the driver sends to the printer is read back from its PCL
// raster, one pixel per dot; the driver inks nothing outside the printer's printable area (a
// quarter inch left and right, half an inch top and bottom).
class ProgramPrintsOnLaserJet : public ProgramPrints {
protected:
    void SetUp() override {
        ProgramPrints::SetUp();
        useDriverQueue(laserJetQueue, QStringLiteral("drv:///sample.drv/laserjet.ppd"),
                       {QStringLiteral("PageSize=A4"), QStringLiteral("Resolution=300dpi")});
    }
    // The pages of the next job, as the printer's dots.
    QList<pcl::Page> printedPages(int timeoutMs = 90000) {
        const QByteArray data = cups.waitForPrinterData(laserJetQueue, timeoutMs);
        if (data.isEmpty())
            return {};
        const pcl::Job job = pcl::read(data);
        EXPECT_EQ(job.error, QString());
        EXPECT_EQ(job.dotsPerInch, 300);
        return job.pages;
    }
    static QRect dots(const QRectF& twips) {
        return QRect(
            qRound(twips.left() / laserJetDotTwips), qRound(twips.top() / laserJetDotTwips),
            qRound(twips.width() / laserJetDotTwips), qRound(twips.height() / laserJetDotTwips));
    }
};

struct LaserLabel {
    const char* text;
    int ratio;
    int barWidth;
    QSet<int> barDots;   // narrow and wide bars at the default 7.2 twips: whole 300-dpi dots
    QSet<int> spaceDots; // narrow and wide spaces
};

} // namespace

TEST_F(ProgramPrintsOnLaserJet, EverySymbolOfThePageReadsWithEvenBarsAt300Dots) {
    MainWindow& w = open(professional);
    // 7.2 twips is 1.5 dots of 300 dpi: bar width 2 makes 3-dot modules, bar width 4 six.
    const LaserLabel labels[] = {{"PCL-300", 0, 2, {3, 9}, {3, 9}},
                                 {"R1-PCL", 1, 2, {3, 9}, {3, 6}},
                                 {"R2-4", 2, 4, {6, 12}, {6, 18}},
                                 {"Q3", 3, 2, {3, 6}, {3, 6}}};
    QList<int> indexes;
    for (int n = 0; n < 4; ++n) {
        const LaserLabel& label = labels[n];
        // Below the printer's half-inch top margin.
        indexes << addBarcode(w, QPoint(40, 60 + n * 80), label.text, label.ratio, label.barWidth);
    }
    printFromTheToolbar(w);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.titles().join(QLatin1Char(',')).toStdString();
    const QList<pcl::Page> pages = printedPages();
    ASSERT_EQ(pages.size(), 1) << "the scheduler's log:\n" << cups.errorLog().toStdString();
    // A4 at 300 dpi, the queue's own paper.
    EXPECT_EQ(pages[0].paper.size(), QSize(2480, 3508));
    const PageModel& model = w.pageEditor().model();
    for (int n = 0; n < 4; ++n) {
        const LaserLabel& label = labels[n];
        const std::string what = label.text;
        const QImage printed = pages[0].paper.copy(dots(model.items().at(indexes[n]).rect()));
        const printed::Readings read =
            printed::readImage(printed, work.path(), QStringLiteral("pcl%1").arg(n));
        EXPECT_EQ(read.zbar, QStringList{QString::fromLatin1(label.text)}) << "zbarimg, " << what;
        EXPECT_EQ(read.zxing, QStringList{QString::fromLatin1(label.text)}) << "ZXing, " << what;
        const printed::BarWidths bars =
            printed::barWidths(printed, 5 * (int(qstrlen(label.text)) + 2));
        EXPECT_EQ(QSet<int>(bars.bars.begin(), bars.bars.end()), label.barDots) << what;
        EXPECT_EQ(QSet<int>(bars.spaces.begin(), bars.spaces.end()), label.spaceDots) << what;
    }
}

TEST_F(ProgramPrintsOnLaserJet, CalibrationSheetKeepsEveryRowAndItsNameInsideThePrintableArea) {
    MainWindow& w = open(professional);
    // The toolbar's settings button shows while the pointer is in its band.
    QTest::mouseMove(&w, QPoint(9800 / 15, 240 / 15));
    click(find(w, QStringLiteral("系統按鈕")));
    QWidget* settings = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("系統設定") && top->isVisible())
            settings = top;
    ASSERT_NE(settings, nullptr) << "the settings window opened";
    messages.answers.enqueue(MessageAnswer::Yes);
    click(find(*settings, QStringLiteral("校正列印")));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("打印通知"));

    const QList<pcl::Page> pages = printedPages();
    ASSERT_EQ(pages.size(), 1) << "the scheduler's log:\n" << cups.errorLog().toStdString();
    const QImage& paper = pages[0].paper;
    const QRect raster = pages[0].raster;
    // What the printer inks: its printable area, a quarter inch in and half an inch down.
    EXPECT_EQ(raster.topLeft(), QPoint(75, 150));

    // The rows are the bands of raster lines crossed by many one-dot lines.
    QList<QPair<int, int>> bands;
    for (int y = 0; y < paper.height(); ++y) {
        int ink = 0;
        for (int x = 0; x < paper.width(); ++x)
            ink += paper.constScanLine(y)[x] < 128;
        if (ink < 100)
            continue;
        if (!bands.isEmpty() && bands.last().second == y - 1)
            bands.last().second = y;
        else
            bands.append({y, y});
    }
    ASSERT_EQ(bands.size(), 9) << "rows A1 to A9, none lost in a margin";
    for (int k = 0; k < bands.size(); ++k) {
        const std::string row = "row A" + std::to_string(k + 1);
        const auto [top, bottom] = bands[k];
        EXPECT_GT(bottom - top, 40) << row << " is its full 300 twips tall";
        // The field starts at its first column that is dark all the way down the band.
        int fieldLeft = -1;
        for (int x = 0; x < paper.width() && fieldLeft < 0; ++x) {
            int dark = 0;
            for (int y = top; y <= bottom; ++y)
                dark += paper.constScanLine(y)[x] < 128;
            if (dark > (bottom - top + 1) * 9 / 10)
                fieldLeft = x;
        }
        ASSERT_GT(fieldLeft, 0) << row;
        // The row's name stands left of its lines, whole: inked, and clear of the printable
        // area's edge, where a name cut by the margin would end.
        int nameInk = 0;
        int nameLeft = paper.width();
        for (int y = top - 10; y <= bottom + 10; ++y)
            for (int x = 0; x < fieldLeft - 2; ++x)
                if (paper.constScanLine(y)[x] < 128) {
                    ++nameInk;
                    nameLeft = qMin(nameLeft, x);
                }
        EXPECT_GT(nameInk, 100) << row << ": its name is printed";
        EXPECT_GT(nameLeft, raster.left() + 1) << row << ": its name is not cut by the margin";
    }
}
