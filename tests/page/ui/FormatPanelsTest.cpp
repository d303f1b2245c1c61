// The save-format panel and the format record panel, driven as a user drives them, against
// format files that python3's cp950 codec writes.
#include "FormatPanelsFixture.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/FormatRecordPanel.h"
#include "page/ui/ImageItemWidget.h"
#include "page/ui/SaveFormatPanel.h"
#include "page/ui/SymbolHandleWidget.h"
#include "page/ui/TextLabelWidget.h"

#include "support/PageModelEdits.h"
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

class FormatPanelsTest : public FormatPanelsFixture {
protected:
    // An item at page point (300, 300) with a barcode text.
    int addBarcode(const QString& text, double x = 360, double y = 360) {
        const int index = addItemAt(x, y);
        test::changeItem(editor->model(), index, [&](BarcodeItem& i) { i.symbol.text = text; });
        return index;
    }
    // Item menu entry 4, the two boxes typed in, then the save command.
    void saveFromMenu(int index, const QString& category, const QString& name) {
        menuEntry(index, 4);
        auto* panel = control<SaveFormatPanel>("條碼儲存窗");
        ASSERT_TRUE(panel->isVisible());
        auto* categoryBox = control<QComboBox>("種類選項");
        EXPECT_TRUE(categoryBox->hasFocus() || categoryBox->lineEdit()->hasFocus());
        categoryBox->lineEdit()->selectAll();
        QTest::keyClick(categoryBox->lineEdit(), Qt::Key_Delete);
        typeText(categoryBox->lineEdit(), category);
        auto* nameBox = control<QLineEdit>("記錄名稱");
        nameBox->clear();
        typeText(nameBox, name);
        QTest::mouseClick(control<SkinButton>("儲存排列"), Qt::LeftButton);
    }
    FormatRecordPanel* recordPanel() const { return control<FormatRecordPanel>("條碼讀取窗"); }
    QListWidget* list(const char* name) const { return control<QListWidget>(name); }

    // Four formats in two categories.
    void writeShelfFormats() {
        writeFormats(barcodeLine("貨架", "A-1", "A1") + barcodeLine("貨架", "A-2", "A2") +
                     barcodeLine("倉庫", "X", "X") + barcodeLine("貨架", "B-1", "B1"));
    }
};

} // namespace

TEST_F(FormatPanelsTest, AnItemWithTwoLabelsAndAPictureIsStoredAsFourLines) {
    const int index = addBarcode(QStringLiteral("SHELF-1"));
    addLabel(index, {1500, 60}, QStringLiteral(" 第一,層 "));
    addPicture(index, {2880, 420}, QStringLiteral("logo.bmp"));
    addLabel(index, {1500, 480}, QStringLiteral("A區"));
    saveFromMenu(index, QStringLiteral("貨架"), QStringLiteral("A-1"));

    // Barcode, then label 1, picture 1, label 2: each number's label before its picture.
    const QString label = QStringLiteral("標籤");
    EXPECT_EQ(
        formatBytes(),
        pythonCp950(barcodeLine("貨架", "A-1", "SHELF-1") +
                    formatLine({"貨架", "A-1", label, "第一層", "1500", "60", "0", "11.25",
                                "新細明體", "False False False"}) +
                    formatLine({"貨架", "A-1", "圖片", "logo.bmp", "2880", "420", "375", "375"}) +
                    formatLine({"貨架", "A-1", label, "A區", "1500", "480", "0", "11.25",
                                "新細明體", "False False False"})));
    // The caption was cleaned on the page as well; the item now carries the format's names.
    EXPECT_EQ(editor->model().tags().label(index, 1)->caption, QStringLiteral("第一層"));
    EXPECT_EQ(editor->model().items().at(index).category, QStringLiteral("貨架"));
    EXPECT_EQ(editor->model().items().at(index).name, QStringLiteral("A-1"));
    EXPECT_FALSE(control<SaveFormatPanel>("條碼儲存窗")->isVisible());
    EXPECT_EQ(notices, QList<int>{3});
}

TEST_F(FormatPanelsTest, SavingTheSameFormatTwiceLeavesOneAtTheEnd) {
    writeFormats(barcodeLine("A", "B", "OLD") + barcodeLine("X", "Y", "XY"));
    const int index = addBarcode(QStringLiteral("NEW"));
    saveFromMenu(index, "A", "B");
    saveFromMenu(index, "A", "B");
    EXPECT_EQ(formatBytes(),
              pythonCp950(barcodeLine("X", "Y", "XY") + barcodeLine("A", "B", "NEW")));
    // The save panel opens with the item's names once it has them.
    menuEntry(index, 4);
    EXPECT_EQ(control<QComboBox>("種類選項")->currentText(), QStringLiteral("A"));
    EXPECT_EQ(control<QLineEdit>("記錄名稱")->text(), QStringLiteral("B"));
    QStringList known;
    for (int i = 0; i < control<QComboBox>("種類選項")->count(); ++i)
        known << control<QComboBox>("種類選項")->itemText(i);
    EXPECT_EQ(known, (QStringList{"X", "A"}));
}

TEST_F(FormatPanelsTest, SavingABCKeepsTheFormatABC) {
    writeFormats(barcodeLine("AB", "C", "ABC"));
    const QByteArray before = formatBytes();
    const int index = addBarcode(QStringLiteral("A-BC"));
    saveFromMenu(index, "A", "BC");
    EXPECT_EQ(formatBytes(), before + pythonCp950(barcodeLine("A", "BC", "A-BC")));
}

TEST_F(FormatPanelsTest, CommasAndQuotesAreTakenOutOfTheNames) {
    const int index = addBarcode(QStringLiteral("Q1"));
    saveFromMenu(index, QStringLiteral(" 貨,架\" "), QStringLiteral("\"A,1"));
    EXPECT_EQ(formatBytes(), pythonCp950(barcodeLine("貨架", "A1", "Q1")));
}

struct RefusedNames {
    const char* name;
    const char* category;
    const char* formatName;
    const char* title;
};

class RefusedFormatNames : public FormatPanelsTest,
                           public ::testing::WithParamInterface<RefusedNames> {};

TEST_P(RefusedFormatNames, WriteNothingAndSayWhy) {
    const int index = addBarcode(QStringLiteral("R1"));
    saveFromMenu(index, QString::fromUtf8(GetParam().category),
                 QString::fromUtf8(GetParam().formatName));
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(host.boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(QFile::exists(formatFile()));
    EXPECT_TRUE(control<SaveFormatPanel>("條碼儲存窗")->isVisible());
    EXPECT_TRUE(notices.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFormatNames,
    ::testing::Values(RefusedNames{"noCategory", "", "A-1", "種類 錯誤提示"},
                      RefusedNames{"spacesOnly", "   ", "A-1", "種類 錯誤提示"},
                      RefusedNames{"onlyACommaAsName", "貨架", ",", "名稱 錯誤提示"},
                      RefusedNames{"notBig5Category", "貨架😀", "A-1", "文字 錯誤提示"},
                      RefusedNames{"notBig5Name", "貨架", "ÅÆ", "文字 錯誤提示"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatPanelsTest, ALabelBig5CannotHoldIsRefusedNotStoredAsQuestionMarks) {
    writeFormats(barcodeLine("A", "B", "OLD"));
    const QByteArray before = formatBytes();
    const int index = addBarcode(QStringLiteral("E1"));
    addLabel(index, {1500, 60}, QStringLiteral("笑臉😀"));
    saveFromMenu(index, "A", "C");
    ASSERT_EQ(host.boxes.titles(), QStringList{QStringLiteral("文字 錯誤提示")});
    EXPECT_TRUE(host.boxes.shown[0].text.contains(QStringLiteral("笑臉😀")));
    EXPECT_EQ(formatBytes(), before);
}

TEST_F(FormatPanelsTest, AFailedWriteKeepsTheOldFileAndTellsTheUser) {
    writeFormats(barcodeLine("A", "B", "OLD"));
    const QByteArray before = formatBytes();
    files.failReplace = true;
    const int index = addBarcode(QStringLiteral("W1"));
    saveFromMenu(index, "A", "B");
    ASSERT_EQ(host.boxes.titles(), QStringList{QStringLiteral("錯誤提示")});
    EXPECT_TRUE(host.boxes.shown[0].text.contains(QStringLiteral("No space left on device")));
    EXPECT_EQ(formatBytes(), before);
    EXPECT_TRUE(control<SaveFormatPanel>("條碼儲存窗")->isVisible());
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(FormatPanelsTest, ADamagedFileIsNeverWrittenOver) {
    data.writeRecordsFile(FormatRecordFile::fileName(),
                          pythonCp950(barcodeLine("A", "B", "OLD") + QStringLiteral("\"A\",\"C")));
    const QByteArray before = formatBytes();
    const int index = addBarcode(QStringLiteral("D1"));
    saveFromMenu(index, "A", "D");
    // Told when the panel lists the categories, and again when the save finds the damage.
    EXPECT_EQ(host.boxes.titles(), QStringList(2, QStringLiteral("錯誤提示")));
    EXPECT_TRUE(host.boxes.shown.last().text.contains(formatFile()));
    EXPECT_EQ(formatBytes(), before);
}

TEST_F(FormatPanelsTest, AFileAtItsLimitIsNotGrownPastIt) {
    QString text;
    for (int i = 0; i < 30000; ++i)
        text += barcodeLine(QStringLiteral("種類%1").arg(i % 20), QStringLiteral("格式%1").arg(i),
                            QStringLiteral("F%1").arg(i));
    writeFormats(text);
    const int index = addBarcode(QStringLiteral("L1"));
    saveFromMenu(index, "新", "一");
    EXPECT_TRUE(host.boxes.shown.isEmpty());
    const QByteArray full = formatBytes();
    EXPECT_EQ(full.count("\r\n"), 30001);

    saveFromMenu(index, "新", "二");
    ASSERT_EQ(host.boxes.titles(), QStringList{QStringLiteral("無法儲存")});
    EXPECT_TRUE(host.boxes.shown[0].text.contains(QStringLiteral("30001")));
    EXPECT_EQ(formatBytes(), full);
    // Saving over an existing format of the same size still works.
    saveFromMenu(index, "新", "一");
    EXPECT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(notices.count(3), 2);
}

// ---------------------------------------------------------------- the format record panel

TEST_F(FormatPanelsTest, CategoriesNamesAndThePrefix) {
    writeShelfFormats();
    addFromFormatRecordAt(600, 600);
    FormatRecordPanel* panel = recordPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(entries(list("篩選種類")), (QStringList{"貨架", "倉庫"}));
    EXPECT_FALSE(control<QLineEdit>("篩選字頭")->isVisible());
    EXPECT_FALSE(control("載入排版")->isVisible());
    EXPECT_FALSE(control("刪除")->isVisible());

    clickEntry(list("篩選種類"), QStringLiteral("貨架"));
    EXPECT_EQ(entries(list("排列清單")), (QStringList{"A-1", "A-2", "B-1"}));
    EXPECT_EQ(entries(list("排列清單2")), (QStringList{"A-1", "A-2", "B-1"}));
    EXPECT_FALSE(list("排列清單2")->isVisible());
    auto* prefix = control<QLineEdit>("篩選字頭");
    ASSERT_TRUE(prefix->isVisible());
    EXPECT_TRUE(prefix->text().isEmpty());

    QTest::keyClicks(prefix, "A");
    EXPECT_EQ(entries(list("排列清單")), (QStringList{"A-1", "A-2"}));
    QTest::keyClicks(prefix, "-2");
    EXPECT_EQ(entries(list("排列清單")), (QStringList{"A-2"}));
    QTest::keyClicks(prefix, "x");
    EXPECT_TRUE(entries(list("排列清單")).isEmpty());
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(prefix, Qt::Key_Backspace);
    EXPECT_EQ(entries(list("排列清單")), (QStringList{"A-1", "A-2", "B-1"}));
    EXPECT_EQ(entries(list("排列清單2")), (QStringList{"A-1", "A-2", "B-1"}));
}

TEST_F(FormatPanelsTest, ANameChosenBeforeAPrefixIsTypedAndClearedCanBeChosenAgain) {
    writeShelfFormats();
    addFromFormatRecordAt(600, 600);
    clickEntry(list("篩選種類"), QStringLiteral("貨架"));
    clickEntry(list("排列清單"), QStringLiteral("A-1"));
    ASSERT_TRUE(control("載入排版")->isVisible());
    ASSERT_TRUE(control("刪除")->isVisible());

    auto* prefix = control<QLineEdit>("篩選字頭");
    QTest::keyClicks(prefix, "A");
    QTest::keyClick(prefix, Qt::Key_Backspace);
    EXPECT_EQ(entries(list("排列清單")), (QStringList{"A-1", "A-2", "B-1"}));
    // The list was filled anew: nothing is chosen in it while its commands are hidden.
    EXPECT_FALSE(control("載入排版")->isVisible());
    EXPECT_FALSE(control("刪除")->isVisible());
    EXPECT_TRUE(list("排列清單")->selectedItems().isEmpty());

    clickEntry(list("排列清單"), QStringLiteral("A-1"));
    EXPECT_TRUE(control("載入排版")->isVisible()) << "choosing the name again shows it";
    EXPECT_TRUE(control("刪除")->isVisible());
}

TEST_F(FormatPanelsTest, CategoriesDifferingOnlyInCaseAreEachListed) {
    writeFormats(barcodeLine("abc", "one", "1") + barcodeLine("ABC", "two", "2"));
    addFromFormatRecordAt(600, 600);
    EXPECT_EQ(entries(list("篩選種類")), (QStringList{"abc", "ABC"}));
    clickEntry(list("篩選種類"), "ABC");
    EXPECT_EQ(entries(list("排列清單")), (QStringList{"two"}));
}

TEST_F(FormatPanelsTest, DeletingTheOnlyNameOfACategoryKeepsItListedUntilReopened) {
    writeShelfFormats();
    addFromFormatRecordAt(600, 600);
    clickEntry(list("篩選種類"), QStringLiteral("倉庫"));
    clickEntry(list("排列清單"), "X");
    ASSERT_TRUE(control("刪除")->isVisible());

    host.boxes.answers.enqueue(MessageAnswer::No);
    QTest::mouseClick(control<SkinButton>("刪除"), Qt::LeftButton);
    EXPECT_EQ(entries(list("排列清單")), QStringList{"X"});
    EXPECT_TRUE(formatBytes().contains("\"X\""));

    QTest::mouseClick(control<SkinButton>("刪除"), Qt::LeftButton);
    ASSERT_EQ(host.boxes.shown.size(), 2);
    EXPECT_EQ(host.boxes.shown[1].title, QStringLiteral("刪除記錄"));
    EXPECT_EQ(host.boxes.shown[1].text, QStringLiteral("確定刪除【X】條碼格式 記錄"));
    EXPECT_EQ(host.boxes.shown[1].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(entries(list("排列清單")).isEmpty());
    EXPECT_EQ(entries(list("篩選種類")), (QStringList{"貨架", "倉庫"}));
    EXPECT_FALSE(control("格式預覽")->isVisible());
    EXPECT_EQ(notices, QList<int>{2});
    EXPECT_EQ(formatBytes(),
              pythonCp950(barcodeLine("貨架", "A-1", "A1") + barcodeLine("貨架", "A-2", "A2") +
                          barcodeLine("貨架", "B-1", "B1")));

    addFromFormatRecordAt(600, 600);
    EXPECT_EQ(entries(list("篩選種類")), QStringList{"貨架"});
}

TEST_F(FormatPanelsTest, DeletingAFormatKeepsItOutOfTheListWhateverThePrefix) {
    writeShelfFormats();
    addFromFormatRecordAt(600, 600);
    clickEntry(list("篩選種類"), QStringLiteral("貨架"));
    clickEntry(list("排列清單"), "A-2");
    QTest::mouseClick(control<SkinButton>("刪除"), Qt::LeftButton);
    auto* prefix = control<QLineEdit>("篩選字頭");
    QTest::keyClicks(prefix, "A");
    QTest::keyClick(prefix, Qt::Key_Backspace);
    EXPECT_EQ(entries(list("排列清單")), (QStringList{"A-1", "B-1"}));
}

TEST_F(FormatPanelsTest, PreviewShowsTheFormatOnItem999AndSizesThePanel) {
    const QString label = QStringLiteral("標籤");
    writeFormats(barcodeLine("貨架", "小", "S1") +
                 formatLine({"貨架", "小", label, "品名", "1500", "60", "255", "12", "新細明體",
                             "True False False"}) +
                 formatLine({"貨架", "小", "圖片", "logo.bmp", "2400", "300", "450", "300"}) +
                 barcodeLine("貨架", "大", "B1", "6000", "1500"));
    addFromFormatRecordAt(600, 600);
    FormatRecordPanel* panel = recordPanel();
    EXPECT_EQ(panel->size(), QSize(328, 168));
    clickEntry(list("篩選種類"), QStringLiteral("貨架"));
    clickEntry(list("排列清單"), QStringLiteral("小"));

    QWidget* previewArea = control("格式預覽");
    ASSERT_TRUE(previewArea->isVisible());
    BarcodeItemWidget* preview = item(ItemTable::previewItem);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->parentWidget(), previewArea);
    EXPECT_EQ(preview->size(), QSize(240, 60));
    EXPECT_FALSE(preview->symbolHandle()->isVisible());
    EXPECT_EQ(labelCount(ItemTable::previewItem), 1);
    EXPECT_EQ(pictureCount(ItemTable::previewItem), 1);
    EXPECT_EQ(editor->model().tags().label(ItemTable::previewItem, 1)->caption,
              QStringLiteral("品名"));
    EXPECT_EQ(editor->model().tags().image(ItemTable::previewItem, 1)->file,
              QStringLiteral("logo.bmp"));
    auto* picture = preview->findChild<ImageItemWidget*>(QStringLiteral("圖形籤"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->showsPlaceholder()) << "the preview shows the picture itself";
    // 4920 twips wide; 720 twips of preview, and 180 more for this item of 900.
    EXPECT_EQ(panel->size(), QSize(328, (2520 + 900 + 120 + 360 + 150) / 15));
    EXPECT_TRUE(control("載入排版")->isVisible());
    EXPECT_TRUE(control("刪除")->isVisible());
    EXPECT_EQ(editor->formatMemory().count(), 3);

    clickEntry(list("排列清單"), QStringLiteral("大"));
    EXPECT_EQ(item(ItemTable::previewItem)->size(), QSize(400, 100));
    EXPECT_EQ(labelCount(ItemTable::previewItem), 0);
    EXPECT_EQ(panel->size(), QSize((6000 + 480) / 15, (2520 + 1500 + 120 + 360 + 150) / 15));
    // The preview takes no pointer actions of its own.
    EXPECT_TRUE(previewArea->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(FormatPanelsTest, APreviewKeeps253RecordsAndSaysThatThereAreMore) {
    QString text = barcodeLine("多", "標籤", "M1");
    for (int j = 0; j < 259; ++j)
        text += formatLine({"多", "標籤", QStringLiteral("標籤"), QString::number(j), "0", "0"});
    writeFormats(text);
    addFromFormatRecordAt(600, 600);
    clickEntry(list("篩選種類"), QStringLiteral("多"));
    clickEntry(list("排列清單"), QStringLiteral("標籤"));
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(host.boxes.shown[0].text.contains("260"));
    EXPECT_TRUE(host.boxes.shown[0].text.contains("253"));
    EXPECT_EQ(editor->formatMemory().count(), 253);
}

TEST_F(FormatPanelsTest, TakeFromTheItemMenuRestylesThatItem) {
    const QString label = QStringLiteral("標籤");
    writeFormats(barcodeLine("貨架", "A-1", "SHELF-9", "4200", "1200") +
                 formatLine({"貨架", "A-1", label, "品名", "1500", "60", "255", "12", "新細明體",
                             "True False False"}));
    const int index = addBarcode(QStringLiteral("OLD"));
    addLabel(index, {60, 60}, QStringLiteral("舊的"));
    menuEntry(index, 3);
    ASSERT_TRUE(recordPanel()->isVisible());
    clickEntry(list("篩選種類"), QStringLiteral("貨架"));
    clickEntry(list("排列清單"), "A-1");
    QTest::mouseClick(control<SkinButton>("載入排版"), Qt::LeftButton);

    const BarcodeItem& styled = editor->model().items().at(index);
    EXPECT_EQ(styled.symbol.text, QStringLiteral("SHELF-9"));
    EXPECT_EQ(QSizeF(styled.width, styled.height), QSizeF(4200, 1200));
    EXPECT_EQ(QPointF(styled.left, styled.top), QPointF(300, 300));
    ASSERT_EQ(labelCount(index), 1);
    EXPECT_EQ(editor->model().tags().label(index, 1)->caption, QStringLiteral("品名"));
    EXPECT_FALSE(recordPanel()->isVisible());
    EXPECT_EQ(editor->model().items().count(), 1);
    EXPECT_EQ(simpleRelayouts, 0);
}

TEST_F(FormatPanelsTest, SavedFromTheMenuAndAddedFromTheAddPanelWithTheSavedLook) {
    const int original = addBarcode(QStringLiteral("LOOK-1"));
    test::changeItem(editor->model(), original, [](BarcodeItem& look) {
        look.width = 4500;
        look.backColour = 0xFFEECC;
        look.symbol.barWidth = 3;
    });
    addLabel(original, {2700, 60}, QStringLiteral("品名"));
    addPicture(original, {3900, 300}, QStringLiteral("logo.bmp"));
    saveFromMenu(original, QStringLiteral("貨架"), QStringLiteral("樣式"));

    addFromFormatRecordAt(600, 1260);
    auto* addPanel = control<AddBarcodePanel>("增加條碼窗");
    const QPoint opened = recordPanel()->pos();
    EXPECT_EQ(opened, addPanel->pos());
    clickEntry(list("篩選種類"), QStringLiteral("貨架"));
    clickEntry(list("排列清單"), QStringLiteral("樣式"), true); // a double click takes it
    ASSERT_EQ(editor->model().items().count(), 2);
    const int first = editor->model().currentItem;
    QTest::mouseClick(control<SkinButton>("載入排版"), Qt::LeftButton);
    ASSERT_EQ(editor->model().items().count(), 3);
    const int second = editor->model().currentItem;

    for (int copy : {first, second}) {
        const BarcodeItem& made = editor->model().items().at(copy);
        EXPECT_EQ(made.width, 4500);
        EXPECT_EQ(made.backColour, 0xFFEECCu);
        EXPECT_EQ(made.symbol.barWidth, 3);
        EXPECT_EQ(made.symbol.text, QStringLiteral("LOOK-1"));
        EXPECT_EQ(made.category, QStringLiteral("貨架"));
        EXPECT_EQ(labelCount(copy), 1);
        EXPECT_EQ(pictureCount(copy), 1);
        ASSERT_NE(item(copy), nullptr);
        EXPECT_TRUE(item(copy)->isVisible());
    }
    // The first copy lands at the add-barcode panel's corner, the next one item and 60 below.
    const BarcodeItem& a = editor->model().items().at(first);
    const BarcodeItem& b = editor->model().items().at(second);
    EXPECT_EQ(QPointF(a.left, a.top), QPointF(540, 1200));
    EXPECT_EQ(QPointF(b.left, b.top), QPointF(540, 1200 + 900 + 60));
    // The panels moved down with them (the format panel as far as the window lets it).
    EXPECT_EQ(addPanel->y(), opened.y() + 2 * 64);
    EXPECT_TRUE(recordPanel()->isVisible());
    EXPECT_EQ(recordPanel()->y(), qMin(addPanel->y(), window->height() - recordPanel()->height()));
}

TEST(FormatBrowserRules, WithoutAFileThereIsNothingToChoose) {
    test::TempDataFolder data;
    LocalFileSystem files;
    FormatBrowser browser(files, data.location().recordsFolder());
    EXPECT_TRUE(browser.listCategories());
    EXPECT_TRUE(browser.categories().isEmpty());
    EXPECT_TRUE(browser.takeMessages().isEmpty());
    EXPECT_FALSE(browser.chooseCategory(QStringLiteral("貨架")));
    EXPECT_EQ(browser.takeMessages(),
              QList<UserMessage>{UserMessage::warning(QStringLiteral("錯誤提示"),
                                                      QStringLiteral("尚未記錄格式"))});
    EXPECT_FALSE(browser.prefixShown());
}

TEST(FormatBrowserRules, PanelWidthFollowsWidePreviews) {
    EXPECT_EQ(FormatBrowser::panelWidth(3600), 4920);
    EXPECT_EQ(FormatBrowser::panelWidth(4560), 4920);
    EXPECT_EQ(FormatBrowser::panelWidth(4561), 5041);
    EXPECT_EQ(FormatBrowser::extraHeight(720), 0);
    EXPECT_EQ(FormatBrowser::extraHeight(900), 180);
}

TEST_F(FormatPanelsTest, InTheSimpleLayoutTheItemIsLaidOutAgainAfterTheTake) {
    writeFormats(barcodeLine("簡", "一", "SIMPLE-1", "2700", "1200"));
    editor->setLayoutMode(LayoutMode::Simple);
    panels->openFormatRecordPanel({3000, 3000}, FormatBrowser::TakeMode::Apply,
                                  ItemTable::simpleItem);
    EXPECT_EQ(recordPanel()->x(), 17) << "stacked with the simple layout's panels";
    clickEntry(list("篩選種類"), QStringLiteral("簡"));
    clickEntry(list("排列清單"), QStringLiteral("一"));
    QTest::mouseClick(control<SkinButton>("載入排版"), Qt::LeftButton);
    EXPECT_EQ(editor->model().items().at(ItemTable::simpleItem).symbol.text,
              QStringLiteral("SIMPLE-1"));
    EXPECT_EQ(editor->model().items().at(ItemTable::simpleItem).width, 2700);
    EXPECT_EQ(simpleRelayouts, 1);
    EXPECT_FALSE(recordPanel()->isVisible());
}
