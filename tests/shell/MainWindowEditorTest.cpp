// The page editor inside the real main window: the toolbar's clear button and the simple layout's
// panels after item 0 is resized.
#include "ShellDoubles.h"

#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "platform/Timer.h"
#include "platform/qt/PictureControl.h"
#include "shell/ToolbarBands.h"

#include "support/PageModelEdits.h"
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

class MainWindowEditor : public ::testing::Test, protected test::ShellFixture {
protected:
    MainWindow& open(const char* placement) {
        writeSettings(
            QStringLiteral("\"主視窗大小\",\"%1\"\r\n").arg(QString::fromUtf8(placement)));
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.findChild<Timer*>(QStringLiteral("排列視窗位置"))->fire();
        return w;
    }
    PictureControl* clearButton() const {
        return window->findChild<PictureControl*>(QStringLiteral("空白預設按鈕"));
    }
    QWidget* panel(const char* name) const {
        return window->findChild<QWidget*>(QString::fromUtf8(name));
    }
    QString hint() const { return window->findChild<QLabel*>(QStringLiteral("說明提示"))->text(); }
    void putItems(std::initializer_list<int> indexes) {
        for (int k : indexes)
            test::putItem(window->pageEditor().model(), k,
                          BarcodeItem::blank({300.0 * k, 300}, false));
    }
    bool exists(int k) const { return window->pageEditor().model().items().exists(k); }
};

TEST_F(MainWindowEditor, TheClearButtonSitsOnTheToolbarBeforeItsFirstButton) {
    open("1 0 0 0 12090 7470");
    PictureControl* clear = clearButton();
    ASSERT_NE(clear, nullptr);
    EXPECT_TRUE(clear->isVisible());
    const QRect g = clear->geometry();
    EXPECT_LE(g.right(), int(ToolbarBands::buttons()[0].left / 15));
    EXPECT_GE(g.top(), 90 / 15);
    EXPECT_LE(g.bottom(), 400 / 15);
    QTest::mouseMove(clear, QPoint(10, 10));
    EXPECT_EQ(hint(), QStringLiteral("清除紙張內的所有條碼"));
}

TEST_F(MainWindowEditor, ClearingThePageAsksNothingAndIsOneStepToTakeBack) {
    open("1 0 0 0 12090 7470");
    putItems({1, 2, 3});
    QTest::mouseClick(clearButton(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(messages.shown.isEmpty()) << "the page history keeps what was cleared";
    EXPECT_FALSE(exists(1) || exists(2) || exists(3));
    EXPECT_TRUE(exists(ItemTable::simpleItem)) << "item 0 is not the page's";
    EXPECT_EQ(hint(), QStringLiteral("已清除紙張內的 3 個條碼　復原：Ctrl+Z"));

    window->pageEditor().undo();
    EXPECT_TRUE(exists(1) && exists(2) && exists(3));

    // an empty page changes nothing and leaves no step
    window->pageEditor().redo();
    const int steps = window->pageEditor().document().history().count();
    QTest::mouseClick(clearButton(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(window->pageEditor().document().history().count(), steps);
}

TEST_F(MainWindowEditor, TheSimpleLayoutHasNoClearButton) {
    open("0 0 0 0 6000 7470");
    EXPECT_FALSE(clearButton()->isVisible());
}

TEST_F(MainWindowEditor, ResizingItem0BringsThePrintQuantityPanelBackAtOnce) {
    open("0 0 0 0 6000 7470");
    PageEditor& editor = window->pageEditor();
    BarcodeItemWidget* item0 = editor.itemWidget(ItemTable::simpleItem);
    ASSERT_TRUE(item0->isVisible());
    ASSERT_TRUE(panel("列印數量窗")->isVisible());
    // press in the right band and drag 90 twips wider
    const QPoint pressAt(item0->width() - 3, 20);
    QTest::mousePress(item0, Qt::LeftButton, {}, pressAt);
    QMouseEvent drag(QEvent::MouseMove, QPointF(pressAt) + QPointF(6, 0),
                     item0->mapToGlobal(QPointF(pressAt) + QPointF(6, 0)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(item0, &drag);
    EXPECT_EQ(editor.model().items().at(ItemTable::simpleItem).width, 3660);
    EXPECT_FALSE(panel("列印數量窗")->isVisible()) << "hidden while resizing";
    QTest::mouseRelease(item0, Qt::LeftButton, {}, pressAt + QPoint(6, 0));

    QWidget* edit = panel("條碼輸入區");
    QWidget* quantity = panel("列印數量窗");
    ASSERT_TRUE(edit->isVisible());
    ASSERT_TRUE(quantity->isVisible());
    // stacked: the edit panel 120 twips below the page, the print panel 120 twips below it
    EXPECT_EQ(edit->x(), 17);
    EXPECT_EQ(quantity->x(), 17);
    EXPECT_EQ(quantity->y(), edit->geometry().bottom() + 1 + 8);
    EXPECT_GT(edit->y(), editor.pageWidget()->mapTo(window.get(), QPoint(0, 0)).y() +
                             editor.pageWidget()->height());
}

} // namespace
