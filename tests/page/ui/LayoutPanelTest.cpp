// The layout panel driven as a user drives it: saving the page's items as a layout, taking it
// back, listing and deleting layouts, against layout files that python3's cp950 codec writes.
#include "page/ui/LayoutPanel.h"
#include "FormatPanelsFixture.h"
#include "records/LayoutFile.h"

#include "support/PageModelEdits.h"
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <cmath>
#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

class LayoutPanelTest : public FormatPanelsFixture {
protected:
    LayoutPanel* layoutPanel() const { return control<LayoutPanel>("開啟記錄窗"); }
    QListWidget* layoutList() const { return control<QListWidget>("排版清單"); }
    QString layoutFile(const QString& name) const { return data.recordsFile(name + ".wab"); }

    void openPanel() {
        panels->openLayoutPanel(5295);
        ASSERT_TRUE(layoutPanel()->isVisible());
    }
    // Opens the panel, types the name and presses 儲存排版.
    void saveLayout(const QString& name) {
        openPanel();
        auto* box = control<QLineEdit>("排版名稱");
        box->clear();
        typeText(box, name);
        QTest::mouseClick(control<SkinButton>("儲存排版"), Qt::LeftButton);
    }
    void takeLayout(const QString& name) {
        openPanel();
        clickEntry(layoutList(), name);
        ASSERT_TRUE(control("取用排版")->isVisible());
        QTest::mouseClick(control<SkinButton>("取用排版"), Qt::LeftButton);
    }
    // An item at a page point with a barcode text and `tags` labels and pictures (labels first).
    int itemWithTags(QPointF at, int labels, int images) {
        const int index = addItemAt(at.x() + 60, at.y() + 60);
        test::changeItem(editor->model(), index,
                         [&](BarcodeItem& i) { i.symbol.text = QStringLiteral("L%1").arg(index); });
        for (int j = 0; j < labels; ++j)
            addLabel(index, {60.0 * j, 60}, QStringLiteral("標%1").arg(j));
        for (int j = 0; j < images; ++j)
            addPicture(index, {60.0 * j, 300}, QStringLiteral("logo.bmp"));
        return index;
    }
    QList<int> pageItems() const { return editor->model().pageItems(); }
    QPointF positionOf(int index) const {
        const BarcodeItem& item = editor->model().items().at(index);
        return {item.left, item.top};
    }
};

} // namespace

TEST_F(LayoutPanelTest, OpensWithTheFocusInTheNameBoxAndItsEnteredFlagCleared) {
    openPanel();
    EXPECT_TRUE(control<QLineEdit>("排版名稱")->hasFocus());
    EXPECT_EQ(layoutPanel()->property("entered").toInt(), 0);
    EXPECT_EQ(layoutPanel()->pos(), px(5295 - 360, 600));
    QTest::mouseMove(layoutList()->viewport(), QPoint(10, 10));
    EXPECT_EQ(layoutPanel()->property("entered").toInt(), 1);
    EXPECT_FALSE(control("取用排版")->isVisible());
    EXPECT_FALSE(control("刪除排版")->isVisible());
}

TEST_F(LayoutPanelTest, OneItemCannotBeSavedTwoCan) {
    itemWithTags({300, 300}, 2, 0);
    saveLayout(QStringLiteral("一個"));
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].title, QStringLiteral("無法儲存"));
    EXPECT_EQ(host.boxes.shown[0].text,
              QStringLiteral("目前紙張內的條碼標籤太少、請建立二個以上的、條碼標籤再儲存"));
    EXPECT_EQ(host.boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(layoutPanel()->isVisible());
    EXPECT_FALSE(QFile::exists(layoutFile(QStringLiteral("一個"))));

    itemWithTags({300, 1500}, 0, 0);
    saveLayout(QStringLiteral("兩個"));
    EXPECT_EQ(host.boxes.shown.size(), 1);
    EXPECT_TRUE(QFile::exists(layoutFile(QStringLiteral("兩個"))));
    EXPECT_EQ(notices, QList<int>{1});
    EXPECT_EQ(entries(layoutList()), QStringList{QStringLiteral("兩個")});
    EXPECT_TRUE(layoutPanel()->isVisible());
}

TEST_F(LayoutPanelTest, AnEmptyNameIsRefusedWithTheFocusBackInTheBox) {
    itemWithTags({300, 300}, 0, 0);
    itemWithTags({300, 1500}, 0, 0);
    saveLayout(QStringLiteral("  ,\" "));
    ASSERT_EQ(host.boxes.titles(), QStringList{QStringLiteral("名稱 錯誤提示")});
    EXPECT_EQ(host.boxes.shown[0].text, QStringLiteral("[名稱] 尚未輸入"));
    EXPECT_TRUE(control<QLineEdit>("排版名稱")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("排版名稱")->hasFocus());
    EXPECT_TRUE(QDir(data.location().recordsFolder()).entryList(QDir::Files).isEmpty());
}

TEST_F(LayoutPanelTest, NamesThatWouldLeaveTheRecordsFolderWriteNothing) {
    itemWithTags({300, 300}, 0, 0);
    itemWithTags({300, 1500}, 0, 0);
    const QStringList names{"../x", "a/b", "..", "a\\b", "/tmp/abs"};
    for (const QString& name : names)
        saveLayout(name);
    EXPECT_EQ(host.boxes.titles(), QStringList(names.size(), QStringLiteral("名稱 錯誤提示")));
    for (const auto& shown : host.boxes.shown)
        EXPECT_TRUE(shown.text.contains(QStringLiteral("路徑")));
    // Nothing in the program folder, nor where each name would lead (other tests running at the
    // same time may keep layouts of their own elsewhere in the temporary folder).
    int wabFiles = 0;
    QDirIterator all(data.path(), QDir::Files, QDirIterator::Subdirectories);
    while (all.hasNext())
        wabFiles += all.next().endsWith(QStringLiteral(".wab")) ? 1 : 0;
    EXPECT_EQ(wabFiles, 0);
    for (const QString& name : names)
        EXPECT_FALSE(QFileInfo::exists(QDir::cleanPath(
            data.location().recordsFolder() + QLatin1Char('/') + name + QStringLiteral(".wab"))))
            << name.toStdString();
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(LayoutPanelTest, A302RecordPageFailsAndCreatesNoFile) {
    itemWithTags({300, 300}, 50, 50);  // 101 records
    itemWithTags({300, 1500}, 50, 50); // 101
    itemWithTags({300, 2700}, 50, 49); // 100
    saveLayout(QStringLiteral("太多"));
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].title, QStringLiteral("提示"));
    // The message says why: the limit, and how many records the page has.
    const QString text = host.boxes.shown[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("條碼標籤 排列格式 出現故障，無法完整儲存\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("最多只能儲存 301 筆記錄"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("共有 302 筆"))) << text.toStdString();
    EXPECT_EQ(host.boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(QFile::exists(layoutFile(QStringLiteral("太多"))));
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(LayoutPanelTest, A280RecordLayoutIsSavedAndTakenAgain) {
    itemWithTags({300, 300}, 50, 50);
    itemWithTags({300, 1500}, 50, 50);
    itemWithTags({4200, 2700}, 40, 37);
    saveLayout(QStringLiteral("大排版"));
    ASSERT_TRUE(host.boxes.shown.isEmpty());
    ASSERT_EQ(LayoutFile(files).read(layoutFile(QStringLiteral("大排版")))->recordCount(), 280);

    editor->clearPage();
    ASSERT_TRUE(pageItems().isEmpty());
    takeLayout(QStringLiteral("大排版"));
    EXPECT_TRUE(host.boxes.shown.isEmpty());
    EXPECT_FALSE(layoutPanel()->isVisible());
    const QList<int> taken = pageItems();
    ASSERT_EQ(taken.size(), 3);
    EXPECT_EQ(labelCount(taken[0]) + pictureCount(taken[0]), 100);
    EXPECT_EQ(labelCount(taken[2]), 40);
    EXPECT_EQ(pictureCount(taken[2]), 37);
    EXPECT_EQ(positionOf(taken[2]), QPointF(4200, 2700));
    EXPECT_TRUE(page()->isVisible());
    for (int k : taken)
        EXPECT_TRUE(item(k)->isVisible()) << k;
    EXPECT_EQ(editor->model().tags().label(taken[1], 50)->caption, QStringLiteral("標49"));
}

TEST_F(LayoutPanelTest, Items3And7AreGroups1And2AndComeBackAtTheirPlaces) {
    for (int i = 1; i <= 7; ++i)
        itemWithTags({300, 300.0 + 1200 * i}, i == 7 ? 1 : 0, 0);
    for (int k : {1, 2, 4, 5, 6})
        editor->deleteItem(k);
    test::changeItem(editor->model(), 3, [&](BarcodeItem& i) { i.left = 1260; });
    test::changeItem(editor->model(), 7, [&](BarcodeItem& i) { i.top = 7260; });
    saveLayout(QStringLiteral("三與七"));

    const std::optional<Layout> saved =
        LayoutFile(files).read(layoutFile(QStringLiteral("三與七")));
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->items.size(), 2);
    EXPECT_EQ(saved->items[0].records[0][0], QStringLiteral("1"));
    EXPECT_EQ(saved->items[0].records[0][5], QStringLiteral("L3"));
    EXPECT_EQ(saved->items[0].position, QPointF(1260, 3900));
    EXPECT_EQ(saved->items[1].records.size(), 2);
    EXPECT_EQ(saved->items[1].records[1][0], QStringLiteral("2"));
    EXPECT_EQ(saved->items[1].records[1][1], QStringLiteral("300 7260"));

    // Taken onto a page that still holds both: two new items at the saved places.
    takeLayout(QStringLiteral("三與七"));
    const QList<int> items = pageItems();
    ASSERT_EQ(items.size(), 4);
    const QList<int> added = items.mid(0, 2); // the lowest free indexes
    EXPECT_EQ(added, (QList<int>{1, 2}));
    EXPECT_EQ(positionOf(1), QPointF(1260, 3900));
    EXPECT_EQ(positionOf(2), QPointF(300, 7260));
    EXPECT_EQ(labelCount(2), 1);
    // The item names its group and position, as a taken layout does.
    EXPECT_EQ(editor->model().items().at(2).category, QStringLiteral("2"));
    EXPECT_EQ(editor->model().items().at(2).name, QStringLiteral("300 7260"));
    EXPECT_EQ(editor->model().currentItem, 2);
}

TEST_F(LayoutPanelTest, ALayoutIsTakenOncePerPressWhateverTheCopyCount) {
    data.writeRecordsFile("兩個.wab", pythonCp950(barcodeLine("1", "600 600", "ONE") +
                                                  barcodeLine("2", "600 1800", "TWO")));
    // The copy count of the add-barcode panel set to 3 for copies of a format.
    QTest::mousePress(page(), Qt::RightButton, {}, px(6000, 6000));
    QTest::mouseRelease(page(), Qt::RightButton, {}, px(6000, 6000));
    auto* count = control<QLineEdit>("貼上數量");
    count->setEnabled(true); // the pointer's enter event does not reach offscreen windows
    retype(count, QStringLiteral("3"));
    QTest::keyClick(control("增加條碼窗"), Qt::Key_Escape);

    takeLayout(QStringLiteral("兩個"));
    ASSERT_EQ(pageItems().size(), 2) << "each stored item once, none stacked under another";
    EXPECT_EQ(positionOf(pageItems()[0]), QPointF(600, 600));
    EXPECT_EQ(positionOf(pageItems()[1]), QPointF(600, 1800));
    EXPECT_EQ(editor->model().items().at(pageItems()[1]).symbol.text, QStringLiteral("TWO"));
}

TEST_F(LayoutPanelTest, OnlyWabAndWABAreListedAndAnUpperCaseLayoutCanBeTaken) {
    const QByteArray layout =
        pythonCp950(barcodeLine("1", "600 600", "UPPER") + barcodeLine("2", "600 1800", "CASE"));
    data.writeRecordsFile("abc.WAB", layout);
    data.writeRecordsFile("abc.Wab", layout);
    data.writeRecordsFile("def.wab", layout);
    data.writeRecordsFile("notes.txt", "x");
    openPanel();
    EXPECT_EQ(entries(layoutList()), (QStringList{"abc", "def"}));

    takeLayout("abc");
    ASSERT_EQ(pageItems().size(), 2);
    EXPECT_EQ(editor->model().items().at(1).symbol.text, QStringLiteral("UPPER"));
    EXPECT_EQ(positionOf(2), QPointF(600, 1800));

    // Saving under that name replaces the very file that was listed.
    itemWithTags({4200, 600}, 0, 0);
    saveLayout("abc");
    EXPECT_FALSE(QFile::exists(layoutFile("abc")));
    EXPECT_EQ(LayoutFile(files).read(data.recordsFile("abc.WAB"))->items.size(), 3);
    EXPECT_EQ(data.readRecordsFile("abc.Wab"), layout);
}

TEST_F(LayoutPanelTest, SavingUnderAnExistingNameReplacesItWithoutAsking) {
    itemWithTags({300, 300}, 0, 0);
    itemWithTags({300, 1500}, 0, 0);
    saveLayout(QStringLiteral("同名"));
    itemWithTags({300, 2700}, 0, 0);
    openPanel();
    clickEntry(layoutList(), QStringLiteral("同名"));
    EXPECT_EQ(control<QLineEdit>("排版名稱")->text(), QStringLiteral("同名"));
    QTest::mouseClick(control<SkinButton>("儲存排版"), Qt::LeftButton);
    EXPECT_TRUE(host.boxes.shown.isEmpty());
    EXPECT_EQ(LayoutFile(files).read(layoutFile(QStringLiteral("同名")))->items.size(), 3);
    EXPECT_EQ(entries(layoutList()), QStringList{QStringLiteral("同名")});
    EXPECT_EQ(notices, (QList<int>{1, 1}));
}

TEST_F(LayoutPanelTest, DeleteAsksThenDeletes) {
    data.writeRecordsFile(QStringLiteral("舊排版.wab"), pythonCp950(barcodeLine("1", "0 0", "A")));
    data.writeRecordsFile(QStringLiteral("留下.wab"), pythonCp950(barcodeLine("1", "0 0", "B")));
    openPanel();
    clickEntry(layoutList(), QStringLiteral("舊排版"));
    host.boxes.answers.enqueue(MessageAnswer::No);
    QTest::mouseClick(control<SkinButton>("刪除排版"), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(layoutFile(QStringLiteral("舊排版"))));
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].title, QStringLiteral("刪除記錄"));
    EXPECT_EQ(host.boxes.shown[0].text, QStringLiteral("確定刪除【舊排版】排版格式 記錄"));
    EXPECT_EQ(host.boxes.shown[0].icon, MessageIcon::Warning);

    QTest::mouseClick(control<SkinButton>("刪除排版"), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(layoutFile(QStringLiteral("舊排版"))));
    EXPECT_EQ(entries(layoutList()), QStringList{QStringLiteral("留下")});
    EXPECT_EQ(notices, QList<int>{2});
    EXPECT_FALSE(control("刪除排版")->isVisible());
}

TEST_F(LayoutPanelTest, ADeleteThatFailsSaysSoAndKeepsTheEntry) {
    data.writeRecordsFile(QStringLiteral("鎖住.wab"), pythonCp950(barcodeLine("1", "0 0", "A")));
    files.failRemove = true;
    openPanel();
    clickEntry(layoutList(), QStringLiteral("鎖住"));
    QTest::mouseClick(control<SkinButton>("刪除排版"), Qt::LeftButton);
    EXPECT_EQ(host.boxes.titles(),
              (QStringList{QStringLiteral("刪除記錄"), QStringLiteral("提示")}));
    EXPECT_EQ(entries(layoutList()), QStringList{QStringLiteral("鎖住")});
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(LayoutPanelTest, ADamagedLayoutSaysSoAndAddsNothing) {
    data.writeRecordsFile(QStringLiteral("壞.wab"),
                          pythonCp950(barcodeLine("1", "0 0", "A") + QStringLiteral("\"2\",\"0")));
    takeLayout(QStringLiteral("壞"));
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].title, QStringLiteral("提示"));
    EXPECT_EQ(host.boxes.shown[0].text, QStringLiteral("讀取 排列格式 出現故障，無法完整儲存"));
    EXPECT_TRUE(pageItems().isEmpty());
}

TEST_F(LayoutPanelTest, PlacesBeyondAnyPageAreMovedOntoItAndNamed) {
    // A damaged file: forty digits (beyond a float, once the infinite place x = −1 pixel),
    // a place far below the page, and a place before its corner.
    const QString huge(40, QLatin1Char('9'));
    data.writeRecordsFile(QStringLiteral("遠.wab"),
                          pythonCp950(barcodeLine("1", huge + QStringLiteral(" 600"), "FAR") +
                                      barcodeLine("2", "600 99999", "LOW") +
                                      barcodeLine("3", "-3000 600", "LEFT") +
                                      barcodeLine("4", "600 1800", "FINE")));
    takeLayout(QStringLiteral("遠"));
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].title, QStringLiteral("提示"));
    EXPECT_TRUE(host.boxes.shown[0].text.contains(QStringLiteral("3 個條碼標籤")))
        << host.boxes.shown[0].text.toStdString();
    EXPECT_TRUE(host.boxes.shown[0].text.contains(QStringLiteral("第 1、2、3 個")));
    ASSERT_EQ(pageItems().size(), 4);
    for (int index : pageItems()) {
        const QPointF at = positionOf(index);
        EXPECT_TRUE(std::isfinite(at.x()) && std::isfinite(at.y())) << index;
        EXPECT_GE(at.x(), 0);
        EXPECT_LE(at.x(), LayoutFile::largestPage);
        EXPECT_GE(at.y(), 0);
        EXPECT_LE(at.y(), LayoutFile::largestPage);
    }
    EXPECT_EQ(positionOf(pageItems()[3]), QPointF(600, 1800));
}

TEST_F(LayoutPanelTest, AFailedWriteSaysSoAndKeepsTheOldLayout) {
    const QByteArray old =
        pythonCp950(barcodeLine("1", "0 0", "A") + barcodeLine("2", "0 960", "B"));
    data.writeRecordsFile(QStringLiteral("舊.wab"), old);
    itemWithTags({300, 300}, 0, 0);
    itemWithTags({300, 1500}, 0, 0);
    files.failReplace = true;
    saveLayout(QStringLiteral("舊"));
    EXPECT_EQ(host.boxes.titles(), QStringList{QStringLiteral("提示")});
    // The message names the cause, as those of the record and format files do.
    EXPECT_TRUE(host.boxes.shown[0].text.contains(QStringLiteral("No space left on device")))
        << host.boxes.shown[0].text.toStdString();
    EXPECT_EQ(data.readRecordsFile(QStringLiteral("舊.wab")), old);
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(LayoutPanelTest, ALabelBig5CannotHoldIsRefused) {
    itemWithTags({300, 300}, 0, 0);
    const int second = itemWithTags({300, 1500}, 0, 0);
    addLabel(second, {60, 60}, QStringLiteral("ÅÆ"));
    saveLayout(QStringLiteral("字元"));
    EXPECT_EQ(host.boxes.titles(), QStringList{QStringLiteral("文字 錯誤提示")});
    EXPECT_FALSE(QFile::exists(layoutFile(QStringLiteral("字元"))));
}
