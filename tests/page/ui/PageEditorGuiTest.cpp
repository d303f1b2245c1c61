// The page editor driven as a user drives it: mouse and keys on the controls found by name.
#include "EditorWindowFixture.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "page/ui/PaperPanel.h"
#include "page/ui/SkinButton.h"
#include "page/ui/SymbolHandleWidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace brevmark;
using brevmark::test::px;

namespace {

class PageEditorGuiTest : public test::EditorWindowFixture {
protected:
    void SetUp() override { openEditor(); }

    // Drags an item by a distance in twips with a button, pressing 30 x 10 pixels inside it.
    void dragItem(int index, double dx, double dy, Qt::MouseButton button = Qt::LeftButton) {
        BarcodeItemWidget* w = item(index);
        const QPoint press(30, 10);
        QTest::mousePress(w, button, {}, press);
        moveTo(w, QPointF(press) + QPointF(dx, dy) / 15.0, button);
        QTest::mouseRelease(w, button, {}, press);
    }
};

TEST_F(PageEditorGuiTest, RightClickAddsItemsWhereThePanelLiesAndSkipsReservedIndexes) {
    EXPECT_EQ(addItemAt(360, 360), 1);
    const BarcodeItem& first = editor->model().items().at(1);
    EXPECT_EQ(QPointF(first.left, first.top), QPointF(300, 300));
    EXPECT_EQ(item(1)->geometry(), QRect(20, 20, 240, 60));
    for (int i = 2; i <= 9; ++i)
        addItemAt(360, 360 + i * 960);
    EXPECT_EQ(addItemAt(4500, 360), 10);
    EXPECT_EQ(addItemAt(4500, 1320), 12);
    EXPECT_NE(item(12), nullptr);
    EXPECT_FALSE(control<AddBarcodePanel>("增加條碼窗")->isVisible());
}

TEST_F(PageEditorGuiTest, MovesOf61And90TwipsBothGiveTop360) {
    addItemAt(360, 360);
    addItemAt(4500, 360);
    dragItem(1, 0, 61);
    dragItem(2, 0, 90);
    EXPECT_EQ(editor->model().items().at(1).top, 360);
    EXPECT_EQ(editor->model().items().at(2).top, 360);
    EXPECT_EQ(item(1)->y(), 24);
    // exactly 60 moves nothing
    dragItem(1, 60, 0);
    EXPECT_EQ(editor->model().items().at(1).left, 300);
}

TEST_F(PageEditorGuiTest, DraggingUpStopsAt60AndShowsTheMoveHint) {
    addItemAt(360, 360);
    BarcodeItemWidget* w = item(1);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(30, 10));
    moveTo(w, QPointF(30, 10 - 40), Qt::LeftButton);
    EXPECT_EQ(host.hint, QStringLiteral("放開滑鼠，確定移動位置"));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(editor->model().items().at(1).top, 60);
    EXPECT_EQ(editor->model().pointer.held, 0);
}

TEST_F(PageEditorGuiTest, RightButtonDragNeitherMovesNorResizes) {
    addItemAt(360, 360);
    const QRectF before = editor->model().items().at(1).rect();
    dragItem(1, 600, 600, Qt::RightButton);
    // pressed in the right band
    BarcodeItemWidget* w = item(1);
    QTest::mousePress(w, Qt::RightButton, {}, QPoint(236, 30));
    moveTo(w, QPointF(280, 30), Qt::RightButton);
    QTest::mouseRelease(w, Qt::RightButton, {}, QPoint(280, 30));
    EXPECT_EQ(editor->model().items().at(1).rect(), before);
}

TEST_F(PageEditorGuiTest, RightBandDragWidensTheItem) {
    addItemAt(360, 360);
    BarcodeItemWidget* w = item(1);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(236, 30));
    moveTo(w, QPointF(242, 30), Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(242, 30));
    EXPECT_EQ(editor->model().items().at(1).width, 3660);
    EXPECT_EQ(w->width(), 244);
}

TEST_F(PageEditorGuiTest, HoveringAnItemShowsItsHintFrameAndDeleteButton) {
    addItemAt(360, 360);
    QTest::mouseMove(item(1), QPoint(30, 10));
    moveTo(item(1), QPointF(31, 10), Qt::NoButton);
    EXPECT_TRUE(host.hint.startsWith(QStringLiteral("功能提示：【Ａ 點擊二下")));
    EXPECT_TRUE(control<SkinButton>("刪除碼", 1)->isVisible());
    EXPECT_TRUE(control("選取框")->isVisible());
    moveTo(page(), QPointF(600, 400), Qt::NoButton);
    EXPECT_FALSE(control<SkinButton>("刪除碼", 1)->isVisible());
    EXPECT_TRUE(host.hint.startsWith(QStringLiteral("功能提示：【Ａ 按滑鼠右鍵")));
}

TEST_F(PageEditorGuiTest, DeleteThenAddReusesTheIndex) {
    for (int i = 0; i < 6; ++i)
        addItemAt(360, 360 + i * 960);
    moveTo(item(5), QPointF(30, 10), Qt::NoButton);
    QTest::mouseClick(control<SkinButton>("刪除碼", 5), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(editor->model().items().exists(5));
    EXPECT_EQ(item(5), nullptr);
    EXPECT_EQ(addItemAt(6000, 360), 5);
    EXPECT_EQ(editor->model().items().highestInUse(), 6);
}

TEST_F(PageEditorGuiTest, DoubleClickOpensTheEditPanelBelowTheItem) {
    addItemAt(360, 360);
    QTest::mouseDClick(item(1), Qt::LeftButton, {}, QPoint(30, 10));
    auto* panel = control<BarcodeEditPanel>("條碼輸入區");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->editedItem(), 1);
    // viewport 150 + page 240 + item 300 twips across; 450 + 240 + 300 + 900 + 120 down
    EXPECT_EQ(panel->pos(), QPoint(46, 134));
}

TEST_F(PageEditorGuiTest, TypingFollowsTheKeyAndChangeRules) {
    addItemAt(360, 360);
    QTest::mouseDClick(item(1), Qt::LeftButton, {}, QPoint(30, 10));
    auto* entry = control<QLineEdit>("條碼輸入");
    QTest::keyClicks(entry, QStringLiteral("ab*1$%#2"));
    EXPECT_EQ(entry->text(), QStringLiteral("ab12"));
    EXPECT_EQ(editor->model().items().at(1).symbol.text, QStringLiteral("AB12"));
    EXPECT_TRUE(control<SymbolHandleWidget>("移動指標", 1)->isVisible());

    QTest::mouseClick(control<SkinButton>("流水加減", 0), Qt::LeftButton);
    EXPECT_EQ(editor->model().items().at(1).symbol.text, QStringLiteral("AB13"));

    // something was drawn: the item surface is no longer plain white
    const QImage image = item(1)->image();
    bool inked = false;
    for (int y = 0; y < image.height() && !inked; ++y)
        for (int x = 0; x < image.width() && !inked; ++x)
            inked = image.pixel(x, y) != QColor(Qt::white).rgb();
    EXPECT_TRUE(inked);

    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_FALSE(control("條碼輸入區")->isVisible());
    EXPECT_EQ(editor->model().items().at(1).symbol.text, QStringLiteral("AB13"));

    QTest::mouseDClick(item(1), Qt::LeftButton, {}, QPoint(30, 10));
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Backspace);
    EXPECT_TRUE(editor->model().items().at(1).symbol.text.isEmpty());
    EXPECT_FALSE(control<SymbolHandleWidget>("移動指標", 1)->isVisible());
}

TEST_F(PageEditorGuiTest, BarHeightAndBarWidthAdjustBounds) {
    addItemAt(360, 360);
    QTest::mouseDClick(item(1), Qt::LeftButton, {}, QPoint(30, 10));
    const BarcodeAppearance& symbol = editor->model().items().at(1).symbol;
    const QStringList heights{"360", "240", "120", "120"};
    for (const QString& expected : heights) {
        QTest::mouseClick(control<SkinButton>("調整位置", 4), Qt::LeftButton);
        EXPECT_EQ(symbol.barHeight, expected);
    }
    QTest::mouseClick(control<SkinButton>("調整位置", 5), Qt::LeftButton);
    EXPECT_EQ(symbol.barHeight, QStringLiteral("240"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(control<SkinButton>("調整位置", 6), Qt::LeftButton);
    EXPECT_EQ(symbol.barWidth, 1);
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(control<SkinButton>("調整位置", 7), Qt::LeftButton);
    EXPECT_EQ(symbol.barWidth, 6);
    QTest::mouseClick(control<SkinButton>("調整位置", 0), Qt::LeftButton);
    QTest::mouseClick(control<SkinButton>("調整位置", 0), Qt::LeftButton);
    QTest::mouseClick(control<SkinButton>("調整位置", 0), Qt::LeftButton);
    EXPECT_EQ(symbol.symbolTop, 0);
    moveTo(control<SkinButton>("調整位置", 4), QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("減少 條碼高度"));
}

TEST_F(PageEditorGuiTest, EditPanelControlsChangeTheEditedItem) {
    addItemAt(360, 360);
    QTest::mouseDClick(item(1), Qt::LeftButton, {}, QPoint(30, 10));
    QTest::keyClicks(control<QLineEdit>("條碼輸入"), QStringLiteral("42"));
    const BarcodeItem& it = editor->model().items().at(1);

    auto* border = control<SkinButton>("外框勾選");
    moveTo(border, QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("使用 條碼外框、注意!使用外框有些印表機會降低清晰度"));
    QTest::mouseClick(border, Qt::LeftButton);
    EXPECT_EQ(it.border, 1);
    moveTo(border, QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("關閉 條碼外框"));

    QTest::mouseClick(control<SkinButton>("識別字符"), Qt::LeftButton);
    EXPECT_EQ(it.symbol.showText, 0);
    QTest::mouseClick(control<SkinButton>("字集中"), Qt::LeftButton);
    EXPECT_EQ(it.symbol.textAlignment, 1);
    QTest::mouseClick(control<SkinButton>("符號粗"), Qt::LeftButton);
    EXPECT_TRUE(it.symbol.textBold);
    QTest::mouseClick(control<SkinButton>("格式設定", 3), Qt::LeftButton);
    EXPECT_EQ(it.symbol.widthRatio, 3);

    QTest::mouseClick(control<SkinButton>("選底色"), Qt::LeftButton);
    QWidget* palette = control("色彩選項");
    ASSERT_TRUE(palette->isVisible());
    // second row, first column: a pastel cell
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(12, 44));
    EXPECT_NE(it.backColour, 0xFFFFFFu);
    EXPECT_EQ(control<BarcodeEditPanel>("條碼輸入區")->swatchColour().rgb() & 0xFFFFFF,
              it.backColour);
    // the top-right corner closes the palette
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(152, 8));
    EXPECT_FALSE(palette->isVisible());
}

TEST_F(PageEditorGuiTest, ClearPageClosesTheEditPanelAndLaterEditsReachNothing) {
    addItemAt(360, 360);
    addItemAt(360, 1320);
    QTest::mouseDClick(item(1), Qt::LeftButton, {}, QPoint(30, 10));
    auto* entry = control<QLineEdit>("條碼輸入");
    editor->clearPage();
    EXPECT_FALSE(control("條碼輸入區")->isVisible());
    EXPECT_EQ(editor->model().items().count(), 0);
    EXPECT_TRUE(editor->model().items().exists(0));
    // the panel's controls still get events if something shows it again: nothing happens
    entry->setText(QStringLiteral("123"));
    QTest::mouseClick(control<SkinButton>("調整位置", 5), Qt::LeftButton);
    EXPECT_FALSE(editor->model().items().exists(1));
    EXPECT_EQ(editor->model().items().at(1).symbol.barHeight, QStringLiteral("480"));
    EXPECT_EQ(addItemAt(360, 360), 1);
}

TEST_F(PageEditorGuiTest, FullPageRefusesToAddAndSaysWhy) {
    for (int i = 0; i < ItemTable::pageCapacity; ++i)
        ASSERT_TRUE(editor->addBlankItem());
    const int current = editor->model().currentItem;
    QTest::mousePress(page(), Qt::RightButton, {}, px(600, 600));
    QTest::mouseRelease(page(), Qt::RightButton, {}, px(600, 600));
    QTest::mouseClick(control<SkinButton>("增加條碼鈕", 0), Qt::LeftButton);
    EXPECT_EQ(editor->model().items().count(), 245);
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].title, QStringLiteral("條碼已滿"));
    EXPECT_EQ(host.boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(editor->model().currentItem, 0); // the release on the page cleared it
    (void)current;
}

TEST_F(PageEditorGuiTest, PagePansOnlyBeyond60Twips) {
    PageWidget* p = page();
    const QPoint start = p->pos();
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(200, 200));
    moveTo(p, QPointF(200, 204), Qt::LeftButton);
    EXPECT_EQ(p->pos(), start);
    moveTo(p, QPointF(200, 200 + 61.0 / 15), Qt::LeftButton);
    EXPECT_EQ(editor->model().page().top, 240 + 61);
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(200, 204));
    EXPECT_EQ(editor->model().pointer.held, 0);
}

TEST_F(PageEditorGuiTest, PaperPanelOrientationAndPlacement) {
    editor->openPaperPanel(6300);
    auto* panel = control<PaperPanel>("紙張設定窗");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->pos(), QPoint(396, 40));
    QTest::mouseClick(control<SkinButton>("列印方向", 1), Qt::LeftButton);
    EXPECT_EQ(host.hint, QStringLiteral("列印方向【橫印】"));
    EXPECT_EQ(editor->model().page().width, 16700);
    // the viewport is narrower than the page: 240
    EXPECT_EQ(editor->model().page().left, 240);
    EXPECT_EQ(page()->geometry(), QRect(16, 16, 1113, 800));

    // a wider viewport centres it
    viewport->resize(1300, 900);
    editor->paperAdjust();
    EXPECT_EQ(editor->model().page().left, (19500 - 16700) / 2);
    EXPECT_EQ(editor->model().page().top, (13500 - 12000) / 2);

    moveTo(control<SkinButton>("紙張大小", 2), QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("紙張大小【B5】"));
    QTest::mouseClick(control<SkinButton>("紙張大小", 1), Qt::LeftButton);
    EXPECT_EQ(editor->model().page().paperSize, PaperSize::A5);
    EXPECT_EQ(editor->model().page().height, 8350);
}

TEST_F(PageEditorGuiTest, PaperPictureZonesChooseBySize) {
    editor->openPaperPanel(6300);
    QWidget* picture = control("紙張圖");
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(56, 64)); // 840, 960: on the bound
    EXPECT_EQ(editor->model().page().paperSize, PaperSize::A4);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(70, 100));
    EXPECT_EQ(editor->model().page().paperSize, PaperSize::B5);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(70, 85));
    EXPECT_EQ(editor->model().page().paperSize, PaperSize::A5);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(70, 68));
    EXPECT_EQ(editor->model().page().paperSize, PaperSize::A4);
}

TEST_F(PageEditorGuiTest, PaperPanelClosesOnPageMoveOnceEntered) {
    editor->openPaperPanel(6300);
    auto* panel = control<PaperPanel>("紙張設定窗");
    moveTo(page(), QPointF(300, 300), Qt::NoButton);
    EXPECT_TRUE(panel->isVisible());
    moveTo(panel, QPointF(5, 5), Qt::NoButton);
    moveTo(page(), QPointF(300, 300), Qt::NoButton);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(PageEditorGuiTest, SymbolHandleDragMovesTheSymbol) {
    addItemAt(360, 360);
    QTest::mouseDClick(item(1), Qt::LeftButton, {}, QPoint(30, 10));
    QTest::keyClicks(control<QLineEdit>("條碼輸入"), QStringLiteral("7"));
    auto* handle = control<SymbolHandleWidget>("移動指標", 1);
    ASSERT_TRUE(handle->isVisible());
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(5, 5));
    moveTo(handle, QPointF(5 + 10, 5), Qt::LeftButton);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(15, 5));
    EXPECT_EQ(editor->model().items().at(1).symbol.symbolLeft, 270);
    EXPECT_EQ(handle->x(), 18);
    moveTo(handle, QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("按下滑鼠右鍵，移動調整 條碼位置"));
}

} // namespace
