// The print preview and the check before a job, used as a user uses them on a desktop: the
// preview opened by a right-click on the print button and by Ctrl+Shift+P, paged, zoomed, closed
// and printed from with the real pointer and keys; the check's message is a real box, answered
// with the keyboard or closed by the window manager. What prints goes to a label printer of the
// test's own (CUPS's Zebra ZPL driver on a private scheduler), read back from the driver's ZPL.
#include "DesktopProgram.h"
#include "ScreenShot.h"

#include "page/ui/PageEditor.h"
#include "print/ui/PrintPreviewWindow.h"
#include "shell/PrintBridge.h"
#include "shell/ToolbarBands.h"
#include "support/PrintedPageReader.h"
#include "support/PrivateCupsScheduler.h"
#include "support/ZplGraphics.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace brevmark;
using namespace brevmark::test;

namespace {

const QString zebra = QStringLiteral("zebra-zpl");

class PrintPreviewOnTheDesktop : public DesktopProgram {
protected:
    PrivateCupsScheduler cups;
    QTemporaryDir work;

    void SetUp() override {
        DesktopProgram::SetUp();
        if (IsSkipped())
            return;
        QString missing = PrivateCupsScheduler::missingParts();
        if (missing.isEmpty())
            missing = printed::missingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "skipped: " << missing.toStdString();
        QString why;
        ASSERT_TRUE(cups.start(&why)) << why.toStdString();
        ASSERT_TRUE(cups.addDriverQueue(zebra, QStringLiteral("drv:///sample.drv/zebra.ppd"),
                                        {QStringLiteral("PageSize=w288h144")}, &why))
            << why.toStdString();
        ASSERT_TRUE(cups.makeDefault(zebra, &why)) << why.toStdString();
    }
    void TearDown() override {
        DesktopProgram::TearDown();
        cups.stop();
    }

    // The professional layout on the label printer.
    MainWindow& openOnTheLabelPrinter() {
        return open(professional() + QStringLiteral("\"印表裝置\",\"1\"\r\n"));
    }

    // A barcode item added where the page is right-clicked, opened with a double click and its
    // text typed into the barcode entry; its index.
    int addBarcode(QPoint at, const QString& text) {
        MainWindow& w = *window;
        QWidget* page = child(&w, "列印範圍");
        // A first right-click may only close the barcode panel still open from the last item,
        // as it does for a user, who right-clicks again.
        QWidget* add = nullptr;
        for (int attempt = 0; attempt < 2 && !add; ++attempt) {
            user_input::click(page, at, Qt::RightButton);
            for (QWidget* button : w.findChildren<QWidget*>(QStringLiteral("增加條碼鈕")))
                if (button->property("index").toInt() == 0 && button->isVisible())
                    add = button;
        }
        EXPECT_NE(add, nullptr) << "the page's menu";
        if (!add)
            return -1;
        user_input::click(add, add->rect().center());
        const int index = w.pageEditor().model().currentItem;
        QWidget* item = nullptr;
        for (QWidget* candidate : w.findChildren<QWidget*>(QStringLiteral("條碼項目")))
            if (candidate->property("index").toInt() == index)
                item = candidate;
        EXPECT_NE(item, nullptr) << "item " << index;
        if (!item)
            return index;
        user_input::click(item, QPoint(6, 6), Qt::LeftButton, 2);
        auto* entry = child<QLineEdit>(&w, "條碼輸入");
        EXPECT_TRUE(entry && entry->isVisible()) << "the barcode entry opens";
        if (!entry)
            return index;
        user_input::click(entry, entry->rect().center());
        user_input::key(QStringLiteral("ctrl+a"));
        user_input::type(text);
        EXPECT_EQ(entry->text(), text);
        return index;
    }

    PrintPreviewWindow* preview() { return window->printing().preview(); }

    QList<QImage> printedLabels(int timeoutMs = 90000) {
        return zpl::graphics(cups.waitForPrinterData(zebra, timeoutMs));
    }
    void expectLabelsRead(const QList<QImage>& labels, const QStringList& texts) {
        ASSERT_EQ(labels.size(), texts.size()) << "the scheduler's log:\n"
                                               << cups.errorLog().toStdString();
        for (int k = 0; k < labels.size(); ++k) {
            const printed::Readings read =
                printed::readImage(labels[k], work.path(), QStringLiteral("label%1").arg(k));
            EXPECT_EQ(read.zbar, QStringList{texts[k]}) << "zbarimg, label " << k + 1;
            EXPECT_EQ(read.zxing, QStringList{texts[k]}) << "ZXing, label " << k + 1;
        }
    }
};

TEST_F(PrintPreviewOnTheDesktop, OpensFromTheButtonAndTheKeysPagesZoomsAndPrintsWhatItShows) {
    openOnTheLabelPrinter();
    const QStringList texts{QStringLiteral("PV-1"), QStringLiteral("PV-22")};
    addBarcode(QPoint(40, 30), texts[0]);
    addBarcode(QPoint(40, 120), texts[1]);
    screenShot(QStringLiteral("page"));

    // A right-click on the toolbar's print button: the button shows while the pointer is in its
    // band.
    const bool running = stepsKeepTheProgramRunning([&] {
        const ToolbarButton& band = ToolbarBands::buttons()[4];
        user_input::moveTo(window.get(), QPoint(int(band.left / 15) + 10, 16));
        QWidget* print = child(window.get(), "確定列印_V");
        user_input::click(print, QPoint(10, 16), Qt::RightButton);
    });
    EXPECT_TRUE(running);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << "the right-click printed nothing and asked nothing";
    EXPECT_TRUE(printedLabels(5000).isEmpty()) << "a right-click only shows";
    QPointer<PrintPreviewWindow> shown = preview();
    ASSERT_TRUE(shown && shown->isVisible()) << "the right-click opens the preview";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    ASSERT_EQ(shown->pageCount(), 2) << "one label each";
    screenShot(QStringLiteral("preview"));

    // Paged and zoomed with the pointer.
    auto press = [&](const char* name) {
        QWidget* button = child(shown.data(), name);
        ASSERT_NE(button, nullptr) << name;
        user_input::click(button, button->rect().center());
    };
    press("下一頁");
    EXPECT_EQ(shown->currentPage(), 1);
    const double zoom = shown->zoom();
    press("放大");
    EXPECT_GT(shown->zoom(), zoom);
    screenShot(QStringLiteral("page2-zoomed"));
    press("縮小");
    EXPECT_DOUBLE_EQ(shown->zoom(), zoom);
    press("上一頁");
    EXPECT_EQ(shown->currentPage(), 0);

    // Escape closes it; Ctrl+Shift+P in the main window opens it again.
    user_input::key(QStringLiteral("Escape"));
    QTRY_VERIFY_WITH_TIMEOUT(!shown, 5000);
    user_input::activate(window.get());
    user_input::key(QStringLiteral("ctrl+shift+p"));
    shown = preview();
    ASSERT_TRUE(shown && shown->isVisible()) << "Ctrl+Shift+P opens the preview";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));

    // Printing from it prints the labels it shows and closes it.
    press("預覽列印");
    QTRY_VERIFY_WITH_TIMEOUT(!shown, 5000);
    expectLabelsRead(printedLabels(), texts);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(control.endings, 0);
}

// How the user ends the check's box, and whether the job then goes on.
struct BoxEnding {
    const char* name;
    const char* keys; // on the keyboard; Alt+F4 is the window manager's close
    bool prints;
};

// ctest lists each row by its name, not by its bytes.
void PrintTo(const BoxEnding& ending, std::ostream* out) {
    *out << ending.name;
}

class PrintCheckOnTheDesktop : public PrintPreviewOnTheDesktop,
                               public ::testing::WithParamInterface<BoxEnding> {};

TEST_P(PrintCheckOnTheDesktop, AClippedSymbolIsNamedInARealBoxAndTheAnswerDecidesTheJob) {
    const BoxEnding ending = GetParam();
    openOnTheLabelPrinter();
    // 18 characters at bar width 2 need 20 cells of 230 twips, far more than the item's 3600.
    const QString text = QStringLiteral("CLIPPED-SYMBOL-123");
    const int index = addBarcode(QPoint(40, 30), text);
    boxes.answerNextWithKeys(QString::fromLatin1(ending.keys));

    const bool running = stepsKeepTheProgramRunning([&] { clickToolbar(ToolbarCommand::Print); });
    EXPECT_TRUE(running) << "the box's end ended the program";
    EXPECT_EQ(control.endings, 0);
    ASSERT_EQ(boxes.titles(), QStringList{QStringLiteral("列印檢查")});
    EXPECT_TRUE(boxes.boxes()[0].text.contains(
        QStringLiteral("條碼 %1：條碼線條超出條碼範圍").arg(index)))
        << boxes.boxes()[0].text.toStdString();
    EXPECT_EQ(boxes.boxes()[0].buttons, (QStringList{QStringLiteral("是"), QStringLiteral("否")}));
    const QList<QImage> labels = printedLabels(ending.prints ? 90000 : 8000);
    if (ending.prints)
        EXPECT_EQ(labels.size(), 1) << "the user went on: the label prints as it is";
    else
        EXPECT_TRUE(labels.isEmpty()) << "the user stopped: nothing prints";
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, PrintCheckOnTheDesktop,
    ::testing::Values(BoxEnding{"EscapeStops", "Escape", false},
                      BoxEnding{"ReturnGoesOn", "Return", true},
                      BoxEnding{"ClosedByTheWindowManagerStops", "alt+F4", false}),
    [](const ::testing::TestParamInfo<BoxEnding>& info) { return std::string(info.param.name); });

} // namespace
