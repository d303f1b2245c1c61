#include "AlignmentWindowFixture.h"

#include "alignment/AlignmentGuides.h"
#include "alignment/GuidePicture.h"
#include "alignment/ui/AlignmentWindow.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "page/ui/SkinButton.h"
#include "platform/Timer.h"
#include "platform/qt/PictureControl.h"
#include "print/PrintCommands.h"
#include "print/PrintDoubles.h"
#include "shell/AlignmentBridge.h"

#include "support/PageModelEdits.h"
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

class Alignment : public ::testing::Test, protected test::AlignmentWindowFixture {
protected:
    PictureControl* control(QWidget* in, const char* name, int index = -1) const {
        for (auto* c : in->findChildren<PictureControl*>(QString::fromUtf8(name)))
            if (index < 0 || c->property("index").toInt() == index)
                return c;
        return nullptr;
    }
    PictureControl* handle() const { return control(window.get(), "修改對齊位置"); }
    static void moveTo(QWidget* w, QPointF pixels, Qt::MouseButtons buttons) {
        QMouseEvent move(QEvent::MouseMove, pixels, w->mapToGlobal(pixels), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
};

} // namespace

TEST_F(Alignment, TheButtonOpensTheWindowAndHidesTheMainWindow) {
    MainWindow& w = open();
    AlignmentWindow* a = openAlignmentWindow();
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->isVisible());
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.panel(FloatingPanel::Arrangement)->isVisible());
    PictureControl* background = control(a, "底圖");
    EXPECT_EQ(background->pos(), QPoint(0, 0));
    EXPECT_EQ(a->size(), background->size());
    for (int f : {24, 30, 68, 70, 95, 96}) {
        ASSERT_NE(control(a, "格數", f), nullptr) << f;
        EXPECT_FALSE(control(a, "格數", f)->isVisible()) << f;
        ASSERT_NE(control(a, "對齊圖", f), nullptr) << f;
        EXPECT_FALSE(control(a, "對齊圖", f)->isVisible()) << f;
    }
}

TEST_F(Alignment, TheHintOfTheButton) {
    MainWindow& w = open();
    emit w.toolbarActivated(ToolbarCommand::Arrangement);
    auto* button = w.findChild<SkinButton*>(QStringLiteral("標籤對齊按鈕"));
    QTest::mouseMove(button, QPoint(5, 5));
    EXPECT_EQ(w.hint(), QStringLiteral("提供常見 A4 標籤貼紙 格式線 對齊參考"));
}

TEST_F(Alignment, ThePointerHighlightsTheFormatUnderIt) {
    open();
    AlignmentWindow* a = openAlignmentWindow();
    PictureControl* background = control(a, "底圖");
    QTest::mouseMove(background, QPoint(4000 / 15, 1000 / 15)); // format 30
    for (int f : {24, 30, 68, 70, 95, 96})
        EXPECT_EQ(control(a, "格數", f)->isVisible(), f == 30) << f;
    QTest::mouseMove(background, QPoint(3060 / 15, 1000 / 15)); // between 24 and 30
    for (int f : {24, 30, 68, 70, 95, 96})
        EXPECT_FALSE(control(a, "格數", f)->isVisible()) << f;
    QTest::mouseMove(background, QPoint(7000 / 15, 6000 / 15)); // format 96
    EXPECT_TRUE(control(a, "格數", 96)->isVisible());
}

TEST_F(Alignment, TheBackgroundDragsTheWindow) {
    open();
    AlignmentWindow* a = openAlignmentWindow();
    PictureControl* background = control(a, "底圖");
    const QPoint before = a->pos();
    QTest::mousePress(background, Qt::LeftButton, {}, QPoint(10, 10));
    moveTo(background, QPointF(40, 30), Qt::LeftButton);
    EXPECT_EQ(a->pos(), before + QPoint(30, 20));
    QTest::mouseRelease(background, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST_F(Alignment, ChoosingFormat70PaintsItsGuideBehindTheItemsAndShowsTheHandle) {
    MainWindow& w = open();
    PageEditor& editor = w.pageEditor();
    for (int i = 1; i <= 3; ++i)
        test::putItem(editor.model(), i,
                      test::pageItem(600, 600 + (i - 1) * 1500, QStringLiteral("A%1").arg(i)));
    QPointer<AlignmentWindow> a = openAlignmentWindow();
    QTest::mouseMove(control(a, "底圖"), QPoint(1000 / 15, 5000 / 15));
    PictureControl* highlight = control(a, "格數", 70);
    ASSERT_TRUE(highlight->isVisible());
    QTest::mouseClick(highlight, Qt::LeftButton, {}, QPoint(20, 20));
    waitUntilGone(a);
    EXPECT_TRUE(w.isVisible());

    // The guide of format 70 at (150, 585): 10 and 39 pixels from the page's corner.
    const QImage shot = page();
    EXPECT_EQ(shot.pixelColor(10, 39), GuidePicture::outline());
    EXPECT_EQ(shot.pixelColor(10 + 150, 39 + 74), GuidePicture::outline());
    EXPECT_EQ(shot.pixelColor(12, 70), GuidePicture::field()); // below the handle
    // The items lie in front of it.
    const QPoint inItem = editor.itemWidget(2)->geometry().center();
    EXPECT_NE(shot.pixelColor(inItem), GuidePicture::field());
    ASSERT_TRUE(handle()->isVisible());
    EXPECT_EQ(handle()->pos(), QPoint(10, 39));
    EXPECT_EQ(w.alignment()->guides().handleTag(), 70);
}

TEST_F(Alignment, EscapeAndTheCloseControlLeaveWithoutAChoice) {
    MainWindow& w = open();
    QPointer<AlignmentWindow> a = openAlignmentWindow();
    QTest::keyClick(a, Qt::Key_Escape);
    waitUntilGone(a);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(handle()->isVisible());
    EXPECT_EQ(page().pixelColor(10, 39), QColor(Qt::white));

    a = openAlignmentWindow();
    QTest::mouseClick(control(a, "關閉窗"), Qt::LeftButton, {}, QPoint(5, 5));
    waitUntilGone(a);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.alignment()->guides().handleTag(), 0);
}

TEST_F(Alignment, DraggingTheHandleMovesAndStoresTheGuide) {
    MainWindow& w = open();
    QPointer<AlignmentWindow> a = openAlignmentWindow();
    QTest::mouseMove(control(a, "底圖"), QPoint(1000 / 15, 1000 / 15));
    QTest::mouseClick(control(a, "格數", 24), Qt::LeftButton, {}, QPoint(20, 20));
    waitUntilGone(a);
    ASSERT_EQ(handle()->pos(), QPoint(15, 42)); // (225, 630)

    QTest::mousePress(handle(), Qt::LeftButton, {}, QPoint(5, 5));
    moveTo(handle(), QPointF(5 + 20 / 15.0, 5), Qt::LeftButton);
    EXPECT_EQ(w.alignment()->guides().handlePosition(), QPointF(225, 630));
    moveTo(handle(), QPointF(5 + 31 / 15.0, 5), Qt::LeftButton);
    EXPECT_EQ(w.alignment()->guides().handlePosition(), QPointF(256, 630));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w.settings().value(QStringLiteral("對齊格式位置_24")), QStringLiteral("256 630"));
    EXPECT_EQ(page().pixelColor(17, 42), GuidePicture::outline());
    EXPECT_EQ(w.pageEditor().model().pointer.held, 0);

    // The hint while the pointer only passes over it.
    moveTo(handle(), QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(w.hint(), AlignmentGuides::handleHint());
}

TEST_F(Alignment, PaperAdjustErasesTheGuideAndHidesTheHandle) {
    MainWindow& w = open();
    QPointer<AlignmentWindow> a = openAlignmentWindow();
    QTest::mouseMove(control(a, "底圖"), QPoint(1000 / 15, 1000 / 15));
    QTest::mouseClick(control(a, "格數", 24), Qt::LeftButton, {}, QPoint(20, 20));
    waitUntilGone(a);
    w.pageEditor().paperAdjust();
    EXPECT_FALSE(handle()->isVisible());
    EXPECT_EQ(page().pixelColor(15, 42), QColor(Qt::white));
}

TEST_F(Alignment, TheGuideIsNeverPrinted) {
    MainWindow& w = open();
    PageEditor& editor = w.pageEditor();
    for (int i = 1; i <= 3; ++i)
        test::putItem(editor.model(), i,
                      test::pageItem(600, 600 + (i - 1) * 1500, QStringLiteral("A%1").arg(i)));
    w.alignment()->guides().choose(70);

    test::RecordingSurface printer;
    test::FakePictureLoader loader;
    test::FakePrintHost host;
    host.mode = LayoutMode::Professional;
    PrintSettings settings;
    PrintCommands commands(editor.model(), loader, folder.location(),
                           test::recordingFactory(printer), settings, host);
    commands.printPage();
    ASSERT_EQ(printer.count(test::DrawCall::EndDocument), 1);
    EXPECT_EQ(printer.backgroundFills().size(), 3) << "the three items' backgrounds";
    EXPECT_EQ(printer.count(test::DrawCall::Picture), 0);
    for (const test::DrawCall& c : printer.calls)
        EXPECT_NE(c.color, GuidePicture::outline());
}
