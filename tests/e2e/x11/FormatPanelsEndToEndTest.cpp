// The format panel and the layout panel as a user meets them: the whole program on an X server
// with a window manager, the pointer and the keys driven through the server.
#include "ProgramOnX.h"

#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/ItemMenu.h"
#include "platform/qt/PictureControl.h"
#include "records/FormatRecordFile.h"
#include "support/FormatLines.h"
#include "support/TempDataFolder.h"

#include <QLineEdit>
#include <QListWidget>

using namespace brevmark;
using namespace brevmark::test;

namespace {

class PanelsOnX : public ProgramOnX {
protected:
    void clickEntry(const char* listName, const QString& text) {
        auto* list = find<QListWidget>(listName);
        ASSERT_TRUE(list && list->isVisible()) << listName;
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        user_input::click(list->viewport(), list->visualItemRect(found[0]).center());
    }
    // A right click on an item, then an entry of its menu, the pointer going over its row first.
    void menuEntry(int index, ItemMenuEntry entry) {
        user_input::click(editor().itemWidget(index), QPoint(40, 20), Qt::RightButton);
        auto* menu = find("功能選項");
        ASSERT_TRUE(menu && menu->isVisible());
        auto* button = find<SkinButton>("標籤功能", int(entry));
        user_input::click(menu, QPoint(20, button->geometry().center().y()));
    }
    QWidget* formatCommand(const char* name) {
        return find("條碼讀取窗")->findChild<QWidget*>(QString::fromUtf8(name));
    }
};

// Taking a layout with the copy count above 1 once stacked the extra copies at one spot, where
// they printed on top of each other.
TEST_F(PanelsOnX, ALayoutIsTakenOncePerPressWhateverTheCopyCount) {
    MainWindow& w = open();
    folder.writeRecordsFile(
        QStringLiteral("兩個.wab"),
        pythonCp950(barcodeLine("1", "600 600", "ONE") + barcodeLine("2", "600 1800", "TWO")));
    // A format in the memory offers copies; their count typed as 3.
    const int source = addItemAt(6000, 4500);
    menuEntry(source, ItemMenuEntry::CopyFormat);
    user_input::key(QStringLiteral("ctrl+z"));
    ASSERT_TRUE(items().isEmpty());
    rightClickPage(6000, 4500);
    auto* copies = find<SkinButton>("增加條碼鈕", 1);
    ASSERT_TRUE(copies && copies->isVisible());
    user_input::moveTo(copies, copies->rect().center()); // the pointer on it opens the count
    auto* count = find<QLineEdit>("貼上數量");
    ASSERT_TRUE(count->isEnabled());
    ASSERT_TRUE(count->hasFocus()) << "its whole text selected, so typing replaces it";
    user_input::type(QStringLiteral("3"));
    ASSERT_EQ(count->text(), QStringLiteral("3"));
    EXPECT_EQ(items().size(), 0) << "typing the count adds nothing";

    user_input::moveTo(&w, QPoint(5800 / 15, 240 / 15)); // the 排版按鈕 band shows the button
    auto* layouts = w.findChild<PictureControl*>(QStringLiteral("排版按鈕"));
    ASSERT_EQ(layouts->y(), 0);
    user_input::click(layouts, QPoint(20, 10));
    ASSERT_TRUE(find("開啟記錄窗")->isVisible());
    clickEntry("排版清單", QStringLiteral("兩個"));
    user_input::click(find("取用排版"), QPoint(10, 10));

    const QList<int> taken = items();
    ASSERT_EQ(taken.size(), 2) << "each stored item once, none stacked under another";
    EXPECT_EQ(model().items().at(taken[0]).symbol.text, QStringLiteral("ONE"));
    EXPECT_EQ(model().items().at(taken[1]).symbol.text, QStringLiteral("TWO"));
    EXPECT_NE(model().items().at(taken[0]).rect(), model().items().at(taken[1]).rect());
    user_input::key(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(items().isEmpty()) << "one press, one step";
}

// After a name prefix was typed and cleared, the chosen name stayed highlighted without its
// commands, and choosing it again did nothing.
TEST_F(PanelsOnX, ANameChosenBeforeAPrefixIsTypedAndClearedCanBeChosenAgain) {
    open();
    folder.writeRecordsFile(FormatRecordFile::fileName(),
                            pythonCp950(barcodeLine("貨架", "A-1", "A1") +
                                        barcodeLine("貨架", "A-2", "A2") +
                                        barcodeLine("倉庫", "X", "X")));
    rightClickPage(600, 600);
    auto* fromRecord = find<SkinButton>("增加條碼鈕", 2);
    ASSERT_TRUE(fromRecord && fromRecord->isVisible());
    user_input::click(fromRecord, fromRecord->rect().center());
    ASSERT_TRUE(find("條碼讀取窗")->isVisible());
    clickEntry("篩選種類", QStringLiteral("貨架"));
    clickEntry("排列清單", QStringLiteral("A-1"));
    ASSERT_TRUE(formatCommand("載入排版")->isVisible());

    auto* prefix = find<QLineEdit>("篩選字頭");
    ASSERT_TRUE(prefix->isVisible());
    user_input::click(prefix, QPoint(10, prefix->height() / 2));
    user_input::type(QStringLiteral("A"));
    user_input::key(QStringLiteral("BackSpace"));
    EXPECT_FALSE(formatCommand("載入排版")->isVisible());
    EXPECT_TRUE(find<QListWidget>("排列清單")->selectedItems().isEmpty())
        << "no name looks chosen while its commands are hidden";

    clickEntry("排列清單", QStringLiteral("A-1"));
    EXPECT_TRUE(formatCommand("載入排版")->isVisible()) << "choosing the name again shows them";
    EXPECT_TRUE(formatCommand("刪除")->isVisible());
    user_input::click(formatCommand("載入排版"), QPoint(10, 10));
    ASSERT_EQ(items().size(), 1);
    EXPECT_EQ(model().items().at(items()[0]).symbol.text, QStringLiteral("A1"));
}

} // namespace
