// Undo and redo as a user meets them: the whole program on an X server with a window manager,
// items added with the mouse, barcodes typed on the keyboard, and Ctrl+Z, Ctrl+Y and
// Ctrl+Shift+Z pressed as real keys wherever the focus happens to be.
#include "ProgramOnX.h"

#include "page/KeptPage.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/FormatPanels.h"
#include "records/FormatRecordLines.h"

#include <QLineEdit>

using namespace brevmark;
using namespace brevmark::test;

namespace {

class UndoRedo : public ProgramOnX {
protected:
    // The page as it stands: every item's place and records.
    QString pageText() {
        QString text;
        for (const LayoutItem& item : KeptPage::layoutOf(model()).items)
            text += QStringLiteral("%1 %2\n").arg(item.position->x()).arg(item.position->y()) +
                    FormatRecordLines::serialise(item.records);
        return text;
    }
};

TEST_F(UndoRedo, TwoItemsAddedAreTakenBackAndComeBackWithEitherRedoKey) {
    open();
    const int first = addItemAt(600, 600);
    const int second = addItemAt(600, 2400);
    ASSERT_EQ(items(), (QList<int>{first, second}));

    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(items(), QList<int>{first});
    EXPECT_EQ(hint(), QStringLiteral("已復原【增加條碼】　再做一次：Ctrl+Y"));
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(items().isEmpty());
    EXPECT_EQ(editor().itemWidget(first), nullptr) << "the item's widget went with it";
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(hint(), QStringLiteral("沒有可以復原的編輯"));

    user_input::key(QStringLiteral("ctrl+y"));
    EXPECT_EQ(items(), QList<int>{first});
    user_input::key(QStringLiteral("ctrl+shift+z"));
    EXPECT_EQ(items(), (QList<int>{first, second}));
    ASSERT_NE(editor().itemWidget(second), nullptr);
    EXPECT_TRUE(editor().itemWidget(second)->isVisible());
    user_input::key(QStringLiteral("ctrl+y"));
    EXPECT_EQ(hint(), QStringLiteral("沒有可以重做的編輯"));
}

TEST_F(UndoRedo, AClearedPageComesBackWholeWithCtrlZ) {
    open();
    for (int i = 0; i < 3; ++i)
        addItemAt(600, 600 + 1200 * i);
    editor().document().addLabel(items()[1], {2400, 60});
    const QString before = pageText();

    user_input::click(find("空白預設按鈕"), QPoint(20, 10));
    EXPECT_TRUE(items().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty()) << "no question: the clear can be taken back";
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(items().size(), 3);
    EXPECT_EQ(pageText().toStdString(), before.toStdString());
    for (int k : items())
        EXPECT_TRUE(editor().itemWidget(k) && editor().itemWidget(k)->isVisible()) << k;
}

TEST_F(UndoRedo, ADragTakenBackPutsTheItemBackToTheTwip) {
    open();
    const int index = addItemAt(630, 615);
    const QRectF placed = model().items().at(index).rect();
    BarcodeItemWidget* item = editor().itemWidget(index);
    user_input::drag(item, QPoint(40, 20), item, QPoint(40 + 97, 20 + 53));
    const QRectF dragged = model().items().at(index).rect();
    ASSERT_NE(dragged.topLeft(), placed.topLeft());
    EXPECT_EQ(editor().document().history().count(), 2) << "adding, and the whole drag";

    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(model().items().at(index).rect(), placed);
    EXPECT_EQ(item->geometry().topLeft(), QPoint(int(placed.left() / 15), int(placed.top() / 15)));
    user_input::key(QStringLiteral("ctrl+y"));
    EXPECT_EQ(model().items().at(index).rect(), dragged);
}

TEST_F(UndoRedo, TypingTakenBackRestoresTheTextAndTheDrawnSymbol) {
    open();
    const int index = addItemAt(600, 600);
    BarcodeItemWidget* item = editor().itemWidget(index);
    const QImage blank = item->image();
    user_input::click(item, QPoint(40, 20), Qt::LeftButton, 2);
    auto* entry = find<QLineEdit>("條碼輸入");
    ASSERT_TRUE(entry->isVisible());
    ASSERT_TRUE(entry->hasFocus());
    user_input::type(QStringLiteral("code39"));
    EXPECT_EQ(model().items().at(index).symbol.text, QStringLiteral("CODE39"));
    const QImage typed = item->image();
    ASSERT_NE(typed, blank);

    // The whole run of keys is one step, taken back with the focus still in the box.
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(model().items().at(index).symbol.text.isEmpty());
    EXPECT_TRUE(entry->text().isEmpty());
    EXPECT_EQ(item->image(), blank) << "the symbol is drawn anew: nothing";
    user_input::key(QStringLiteral("ctrl+shift+z"));
    EXPECT_EQ(model().items().at(index).symbol.text, QStringLiteral("CODE39"));
    EXPECT_EQ(entry->text(), QStringLiteral("CODE39"));
    EXPECT_EQ(item->image(), typed);

    // Keys typed after a button of the panel are a step of their own.
    user_input::click(find("符號粗"), QPoint(10, 10));
    user_input::click(entry, QPoint(entry->width() - 4, entry->height() / 2));
    ASSERT_TRUE(entry->hasFocus());
    user_input::type(QStringLiteral("-7"));
    EXPECT_EQ(model().items().at(index).symbol.text, QStringLiteral("CODE39-7"));
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(model().items().at(index).symbol.text, QStringLiteral("CODE39"));
    EXPECT_TRUE(model().items().at(index).symbol.textBold);
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_FALSE(model().items().at(index).symbol.textBold);
}

TEST_F(UndoRedo, ATextBoxTakesBackItsOwnTypingFirstThenThePage) {
    open();
    addItemAt(600, 600);
    editor().formats().openLayoutPanel(5295);
    auto* name = find<QLineEdit>("排版名稱");
    ASSERT_TRUE(name->isVisible());
    user_input::click(name, QPoint(10, 8));
    user_input::type(QStringLiteral("shelf"));
    ASSERT_EQ(name->text(), QStringLiteral("shelf"));

    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(name->text().isEmpty()) << "the box's own typing goes first";
    EXPECT_EQ(items().size(), 1);
    user_input::key(QStringLiteral("ctrl+y"));
    EXPECT_EQ(name->text(), QStringLiteral("shelf"));
    user_input::key(QStringLiteral("ctrl+z"));
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(items().isEmpty()) << "then the page's last edit";
}

TEST_F(UndoRedo, TheSimpleLayoutTakesBackItsBarcodeToo) {
    open(QStringLiteral("0 0 100 100 6000 7470"));
    auto* entry = find<QLineEdit>("條碼輸入");
    ASSERT_TRUE(entry->isVisible());
    user_input::click(entry, QPoint(10, 10));
    user_input::type(QStringLiteral("S-100"));
    EXPECT_EQ(model().items().at(ItemTable::simpleItem).symbol.text, QStringLiteral("S-100"));
    user_input::click(find<SkinButton>("流水加減", 0), QPoint(10, 10));
    EXPECT_EQ(model().items().at(ItemTable::simpleItem).symbol.text, QStringLiteral("S-101"));

    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(model().items().at(ItemTable::simpleItem).symbol.text, QStringLiteral("S-100"));
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(model().items().at(ItemTable::simpleItem).symbol.text.isEmpty());
    user_input::key(QStringLiteral("ctrl+shift+z"));
    EXPECT_EQ(model().items().at(ItemTable::simpleItem).symbol.text, QStringLiteral("S-100"));
}

// Item 0 is hidden in the professional layout, yet an undo there still changes it: shown again in
// the simple layout, it must show what the page holds, not what it showed when it was hidden.
TEST_F(UndoRedo, ItemZeroChangedWhileHiddenShowsThePageAsItStands) {
    open(QStringLiteral("0 0 100 100 6000 7470"));
    BarcodeItemWidget* item0 = editor().itemWidget(ItemTable::simpleItem);
    ASSERT_NE(item0, nullptr);
    const QImage blank = item0->image();
    auto* entry = find<QLineEdit>("條碼輸入");
    user_input::click(entry, QPoint(10, 10));
    user_input::type(QStringLiteral("S-1"));
    ASSERT_NE(item0->image(), blank);

    auto* toggle = find("版本按鈕");
    user_input::click(toggle, toggle->rect().center());
    QTRY_VERIFY_WITH_TIMEOUT(model().page().isProfessionalLayout(), 20000);
    ASSERT_FALSE(item0->isVisible());
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(model().items().at(ItemTable::simpleItem).symbol.text.isEmpty());

    user_input::click(toggle, toggle->rect().center());
    QTRY_VERIFY_WITH_TIMEOUT(model().page().isSimpleLayout(), 20000);
    ASSERT_TRUE(item0->isVisible());
    EXPECT_EQ(item0->image(), blank) << "the typed symbol was taken back";
    EXPECT_TRUE(entry->text().isEmpty());
}

} // namespace
