#include "ShellDoubles.h"

#include "platform/Timer.h"
#include "platform/qt/PictureControl.h"
#include "shell/FrameLayout.h"
#include "shell/ToolbarBands.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

// Window-relative point in twips, sent as whole pixels.
QPoint at(double xTwips, double yTwips) {
    return {int(xTwips / 15), int(yTwips / 15)};
}

class Frame : public ::testing::Test, protected test::ShellFixture {
protected:
    MainWindow& open(const char* placement = nullptr) {
        if (placement)
            writeSettings(
                QStringLiteral("\"主視窗大小\",\"%1\"\r\n").arg(QString::fromUtf8(placement)));
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        timer("排列視窗位置")->fire();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    Timer* timer(const char* name) { return window->findChild<Timer*>(QString::fromUtf8(name)); }
    PictureControl* toolbarButton(const QString& name) {
        return window->findChild<PictureControl*>(name);
    }
    QString hint() { return window->findChild<QLabel*>(QStringLiteral("說明提示"))->text(); }
};

} // namespace

TEST(FrameLayoutGeometry, PiecesViewportAndCaptionGroup) {
    const FrameLayout simple = FrameLayout::compute({6000, 7470}, LayoutMode::Simple);
    EXPECT_EQ(simple.pieces[2].left(), 4200);
    EXPECT_EQ(simple.pieces[3].left(), 6000 - 240);
    EXPECT_EQ(simple.pieces[2].width(), 6000 - 240 - 4200);
    EXPECT_EQ(simple.viewport, QRectF(90, 480, 6000 - 180, 7470 - 480 - 480 - 15));
    EXPECT_EQ(simple.hint.topLeft(), QPointF(240, 7470 - 480 + 165));
    EXPECT_EQ(simple.hintShadow.topLeft(), simple.hint.topLeft() + QPointF(15, 15));
    EXPECT_FALSE(simple.maximiseButtonShown);
    EXPECT_EQ(simple.captionGroup.right(), simple.pieces[3].left());

    const FrameLayout pro = FrameLayout::compute({12090, 7470}, LayoutMode::Professional);
    EXPECT_EQ(pro.pieces[2].left(), pro.pieces[1].right());
    EXPECT_TRUE(pro.maximiseButtonShown);
    EXPECT_EQ(pro.closeButtonLeft, 780);
    EXPECT_EQ(pro.captionGroup.left(), pro.pieces[3].left() - pro.captionGroup.width());
    EXPECT_EQ(pro.pieces[5].height(), pro.pieces[8].top() - pro.pieces[5].top());
    EXPECT_EQ(pro.pieces[7].width(), pro.pieces[8].left() - pro.pieces[7].left());

    // Any other layout mode keeps the caption buttons as they were.
    const FrameLayout other = FrameLayout::compute({12090, 7470}, LayoutMode::None, &pro);
    EXPECT_TRUE(other.maximiseButtonShown);
}

TEST(ToolbarBandRules, OpenIntervalsAndGaps) {
    EXPECT_EQ(ToolbarBands::at(4296, 200), 0);
    EXPECT_EQ(ToolbarBands::at(4295, 200), -1);
    EXPECT_EQ(ToolbarBands::at(5290, 200), -1); // between two bands
    EXPECT_EQ(ToolbarBands::at(5300, 200), 1);
    EXPECT_EQ(ToolbarBands::at(10300, 200), 5);
    EXPECT_EQ(ToolbarBands::at(6000, 90), -1);
    EXPECT_EQ(ToolbarBands::at(6000, 400), -1);
}

TEST_F(Frame, ToolbarPictureShowsOnlyInsideItsBand) {
    MainWindow& w = open("1 0 0 0 12090 7470");
    QTest::mouseMove(&w, at(6600, 240)); // 紙張設定 band
    EXPECT_EQ(toolbarButton(QStringLiteral("紙張設定"))->y(), 0);
    EXPECT_LT(toolbarButton(QStringLiteral("排版按鈕"))->y(), 0);
    // The gap between two bands lies inside one screen pixel: move there with a fractional point.
    QMouseEvent gap(QEvent::MouseMove, QPointF(5290 / 15.0, 16),
                    w.mapToGlobal(QPointF(5290 / 15.0, 16)), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(&w, &gap);
    for (const ToolbarButton& b : ToolbarBands::buttons())
        EXPECT_LT(toolbarButton(b.name)->y(), 0) << b.name.toStdString();
    QTest::mouseMove(&w, at(9800, 240));
    QTest::mouseMove(toolbarButton(QStringLiteral("系統按鈕")), QPoint(10, 10));
    EXPECT_EQ(hint(), QStringLiteral("系統功能設定"));
}

TEST_F(Frame, ToolbarStaysParkedInTheSimpleLayout) {
    MainWindow& w = open();
    QTest::mouseMove(&w, at(4500, 240));
    EXPECT_LT(toolbarButton(QStringLiteral("條碼管理"))->y(), 0);
}

TEST_F(Frame, ResizeGripOnlyInTheProfessionalLayout) {
    MainWindow& simple = open();
    QTest::mouseMove(&simple, at(6000 - 150, 7470 - 150));
    EXPECT_EQ(simple.pointer(), MainWindow::Pointer::Arrow);
    EXPECT_EQ(hint(), QStringLiteral("按住滑鼠左鍵，移動滑鼠，調整 視窗位置"));
    window.reset();

    MainWindow& pro = open("1 0 0 0 12090 7470");
    QTest::mouseMove(&pro, at(12090 - 150, 7470 - 150));
    EXPECT_EQ(pro.pointer(), MainWindow::Pointer::SizeNwSe);
}

TEST_F(Frame, GripDragNeedsMoreThan60TwipsAndKeepsTheMinimum) {
    MainWindow& w = open("1 0 0 0 12090 7470");
    const QPoint grip = at(12090 - 150, 7470 - 150);
    QTest::mouseMove(&w, at(6000, 7300)); // a move only counts when the pointer really moves
    QTest::mouseMove(&w, grip);
    ASSERT_EQ(w.pointer(), MainWindow::Pointer::SizeNwSe);
    QTest::mousePress(&w, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&w, grip + QPoint(0, 4)); // 60 twips: nothing
    EXPECT_EQ(w.geometryTwips().height(), 7470);
    QTest::mouseMove(&w, grip + QPoint(0, 5)); // 75 twips: grows by 75
    EXPECT_EQ(w.geometryTwips().height(), 7545);
    QTest::mouseMove(&w, grip + QPoint(-40, 5)); // narrower than 12000 snaps back to 12000
    EXPECT_EQ(w.geometryTwips().width(), 12000);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, grip + QPoint(-40, 5));
    EXPECT_EQ(w.pointer(), MainWindow::Pointer::Arrow);
}

TEST_F(Frame, BackgroundDragMovesTheWindow) {
    MainWindow& w = open();
    const QRectF before = w.geometryTwips();
    QTest::mousePress(&w, Qt::LeftButton, {}, at(1500, 7200));
    QTest::mouseMove(&w, at(1500 + 300, 7200 + 150));
    EXPECT_EQ(w.geometryTwips().topLeft(), before.topLeft() + QPointF(300, 150));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, at(1500, 7200));
}

TEST_F(Frame, ToggleFromMaximisedShrinksToTheSimpleLayout) {
    MainWindow& w = open("1 0 0 0 12090 7470");
    w.showMaximized();
    auto* toggle = w.findChild<PictureControl*>(QStringLiteral("版本按鈕"));
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.values().layoutMode, LayoutMode::Simple);
    Timer* shrink = timer("視窗縮關");
    ASSERT_TRUE(shrink->isActive());
    QSizeF previous = w.geometryTwips().size();
    int ticks = 0;
    while (shrink->isActive() && ticks < 100) {
        shrink->fire();
        const QSizeF now = w.geometryTwips().size();
        if (shrink->isActive()) {
            EXPECT_EQ(now.width(), qMax(previous.width() - 600, now.width()));
            previous = now;
        }
        ++ticks;
    }
    EXPECT_EQ(w.geometryTwips().size(), QSizeF(6000, 7470));
    EXPECT_EQ(w.layout(), LayoutMode::Simple);
    EXPECT_EQ(ticks, 11); // 12090 to 5490 in steps of 600, then the exact size
}

TEST_F(Frame, ToggleGrowsToTheProfessionalLayout) {
    MainWindow& w = open();
    auto* toggle = w.findChild<PictureControl*>(QStringLiteral("版本按鈕"));
    QTest::mouseMove(toggle, QPoint(2, 2));
    EXPECT_EQ(hint(), QStringLiteral("切換【專業版】"));
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(2, 2));
    Timer* grow = timer("視窗展開");
    for (int i = 0; i < 100 && grow->isActive(); ++i)
        grow->fire();
    EXPECT_EQ(w.geometryTwips().size(), QSizeF(12090, 7470));
    EXPECT_EQ(w.layout(), LayoutMode::Professional);
    w.closeProgram();
    EXPECT_TRUE(folder.readRecordsFile(QStringLiteral("TOP.reg")).contains(" 12090 7470"));
    EXPECT_TRUE(folder.readRecordsFile(QStringLiteral("TOP.reg")).contains("\"1 0 "));
}

TEST_F(Frame, CaptionButtonsShowHintsAndTheCloseButtonCloses) {
    MainWindow& w = open("1 0 0 0 12090 7470");
    QList<PictureControl*> buttons = w.findChildren<PictureControl*>(QStringLiteral("視窗按鈕"));
    ASSERT_EQ(buttons.size(), 2);
    PictureControl* maximise = buttons[0]->property("index").toInt() == 1 ? buttons[0] : buttons[1];
    QTest::mouseMove(maximise, QPoint(2, 2));
    EXPECT_EQ(hint(), QStringLiteral("視窗 最大化"));
    EXPECT_FALSE(maximise->picture().isNull());
    QTest::mouseMove(&w, at(2000, 7300)); // the background clears the hover pictures
    EXPECT_TRUE(maximise->picture().isNull());
    QTest::mouseClick(maximise, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(w.isMaximized());

    auto* close = w.findChild<PictureControl*>(QStringLiteral("關閉功能"));
    QTest::mouseMove(close, QPoint(2, 2));
    EXPECT_EQ(hint(), QStringLiteral("關閉程式"));
    QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(control.endings, 1);
}

TEST_F(Frame, PanelCloseButtonsHideTheirPanels) {
    MainWindow& w = open("1 0 0 0 12090 7470");
    auto* pictures =
        w.findChild<QWidget*>(QStringLiteral("圖片讀取窗"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(pictures, nullptr);
    pictures->show();
    QWidget* close = nullptr;
    for (QWidget* c : pictures->findChildren<QWidget*>(QStringLiteral("關閉窗")))
        if (c->property("index").toInt() == 6)
            close = c;
    ASSERT_NE(close, nullptr);
    QTest::mouseMove(close, QPoint(5, 5));
    EXPECT_EQ(hint(), QStringLiteral("關閉 功能視窗"));
    QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(pictures->isVisible());
}
