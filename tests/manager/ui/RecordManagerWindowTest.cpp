#include "ManagerWindowFixture.h"
#include "records/RecordFileTexts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace brevmark;
using namespace brevmark::test;

namespace {
QString padded(const QString& text, int bytes) {
    return text + QString(bytes - RecordList::byteWidth(text), QLatin1Char(' '));
}
} // namespace

TEST_F(ManagerWindowTest, OpensAsTavoBarcodeManagementAndListsNewestFirst) {
    writeRecords(line({"A", "x"}) + line({"B", "y"}) + line({"C", "z"}));
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tavo 條碼管理"));
    EXPECT_EQ(window->objectName(), QStringLiteral("條碼管理窗"));
    const QStringList l = lines();
    ASSERT_EQ(l.size(), 4);
    EXPECT_TRUE(l[0].startsWith(QStringLiteral("條碼")));
    EXPECT_TRUE(l[1].startsWith(QStringLiteral("C ")));
    EXPECT_TRUE(l[2].startsWith(QStringLiteral("B ")));
    EXPECT_TRUE(l[3].startsWith(QStringLiteral("A ")));

    clickLine(2);
    EXPECT_EQ(window->model().selectedPosition(), 1);
    EXPECT_EQ(find<QLineEdit>("資料", 0)->text(), QStringLiteral("B"));
    EXPECT_TRUE(find<QWidget>("點選功能")->isVisible());
    EXPECT_EQ(shownNotices, 1); // a read shows a pending notice, if any
}

TEST_F(ManagerWindowTest, EmptyOrMissingFileShowsNothingAtAll) {
    open();
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ManagerWindowTest, ChineseCaptionsAndValuesArePaddedByTheirBig5Width) {
    writeSettings(QStringLiteral(
        "\"標籤A\",\"條碼★商品分類★品名★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂\"\r\n"
        "\"條碼勾選\",\"111000011111\"\r\n"));
    writeRecords(line({"A1", "飲料", "綠茶"}) + line({"LONGCODE9", "x", "tea"}));
    open();
    const QStringList l = lines();
    ASSERT_EQ(l.size(), 3);
    // Barcode: widest 9 + 2; category: caption 商品分類 is 8 bytes + 2; name: 品名/綠茶 4 + 2.
    EXPECT_EQ(l[0], padded("條碼", 11) + padded("商品分類", 10) + padded("品名", 6));
    EXPECT_EQ(l[1], padded("LONGCODE9", 11) + padded("x", 10) + padded("tea", 6));
    EXPECT_EQ(l[2], padded("A1", 11) + padded("飲料", 10) + padded("綠茶", 6));
    // The list's face draws a Chinese character exactly as wide as two ASCII ones.
    const QFontMetricsF m(find<QListWidget>("歷史清單")->font());
    EXPECT_DOUBLE_EQ(m.horizontalAdvance(QStringLiteral("綠")),
                     2 * m.horizontalAdvance(QStringLiteral("x")));
    EXPECT_DOUBLE_EQ(m.horizontalAdvance(l[0]), m.horizontalAdvance(l[2]));
}

TEST_F(ManagerWindowTest, FilterCombinesFieldsWithAndAndEmptyFieldsShowAll) {
    writeRecords(line({"AB1", "X1"}) + line({"AB2", "Y"}) + line({"AC3", "X2"}) +
                 line({"AB4", "X3"}));
    open();
    QTest::keyClicks(find<QLineEdit>("資料", 0), "AB");
    QTest::keyClicks(find<QLineEdit>("資料", 1), "X");
    auto* filter = find<QPushButton>("查詢篩選");
    ASSERT_TRUE(filter->isEnabled());
    click(filter);
    QStringList l = lines();
    ASSERT_EQ(l.size(), 3);
    EXPECT_TRUE(l[1].startsWith(QStringLiteral("AB4")));
    EXPECT_TRUE(l[2].startsWith(QStringLiteral("AB1")));

    find<QLineEdit>("資料", 1)->setText(QStringLiteral("Q"));
    click(filter);
    EXPECT_EQ(lines(), QStringList{QStringLiteral(" 篩選後 查無 相同的資料")});
    clickLine(0);
    EXPECT_FALSE(find<QWidget>("點選功能")->isVisible());
}

TEST_F(ManagerWindowTest, AFilterAfterASpecifiedReadSeesEveryRecordTheReadRead) {
    writeRecords(line({"F1", "水果"}) + line({"V1", "蔬菜"}) + line({"F2", "水果"}));
    open();
    find<QLineEdit>("資料", 1)->setText(QStringLiteral("水果"));
    click(find<QPushButton>("指定讀取"));
    read();
    EXPECT_EQ(lines().size(), 3);                                          // header, F2, F1
    EXPECT_EQ(find<QLineEdit>("資料", 1)->text(), QStringLiteral("水果")); // kept
    EXPECT_FALSE(find<QPushButton>("指定讀取")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("查詢篩選")->isEnabled());

    find<QLineEdit>("資料", 1)->clear();
    find<QLineEdit>("資料", 0)->setText(QStringLiteral("V"));
    click(find<QPushButton>("查詢篩選"));
    const QStringList l = lines();
    ASSERT_EQ(l.size(), 2);
    EXPECT_TRUE(l[1].startsWith(QStringLiteral("V1")));
}

TEST_F(ManagerWindowTest, HeaderLineGivesNoRowActions) {
    writeRecords(line({"A", "x"}));
    open();
    clickLine(0);
    EXPECT_FALSE(find<QWidget>("點選功能")->isVisible());
    EXPECT_FALSE(window->model().selectedPosition().has_value());
}

TEST_F(ManagerWindowTest, AddingCleansTheTextsAndRefusesAnIncompleteRecord) {
    open();
    auto* add = find<QPushButton>("新增條碼");
    EXPECT_FALSE(add->isVisible());
    QTest::keyClicks(find<QLineEdit>("資料", 0), "$%");
    QTest::keyClicks(find<QLineEdit>("資料", 1), "x");
    ASSERT_TRUE(add->isVisible());
    click(add);
    EXPECT_EQ(messages.titles(), (QStringList{"移除提示", "資料不完整 提示"}));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("資料輸入不完整"));
    EXPECT_FALSE(QFile::exists(folder.recordsFile(BarcodeRecordFile::fileName())));

    // A comma typed into the name never arrives; the record is stored and listed.
    messages.shown.clear();
    find<QLineEdit>("資料", 0)->setText(QStringLiteral("ab-1"));
    QTest::keyClicks(find<QLineEdit>("資料", 2), "A,B");
    EXPECT_EQ(find<QLineEdit>("資料", 2)->text(), QStringLiteral("AB"));
    click(add);
    EXPECT_EQ(records(), pythonCp950(line({"ab-1", "x", "AB"})));
    EXPECT_EQ(pendingNotices, QList<int>{1});
    EXPECT_EQ(settings.value(QStringLiteral("標籤_數量")), QStringLiteral("3"));
    read();
    EXPECT_EQ(lines().size(), 2);
    EXPECT_TRUE(find<QLineEdit>("資料", 0)->text().isEmpty());
}

TEST_F(ManagerWindowTest, TextsBig5CannotHoldAreRefusedAndTheFieldsKeepThem) {
    open();
    find<QLineEdit>("資料", 0)->setText(QStringLiteral("A1"));
    find<QLineEdit>("資料", 1)->setText(QStringLiteral("国"));
    click(find<QPushButton>("新增條碼"));
    ASSERT_EQ(messages.titles(), QStringList{QStringLiteral("文字無法儲存")});
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("国")));
    EXPECT_EQ(find<QLineEdit>("資料", 1)->text(), QStringLiteral("国"));
    EXPECT_FALSE(QFile::exists(folder.recordsFile(BarcodeRecordFile::fileName())));
}

TEST_F(ManagerWindowTest, EnterOnAnExistingBarcodeSelectsItsLineWithANotice) {
    writeRecords(line({"DUP", "a"}) + line({"X", "b"}));
    open();
    auto* barcode = find<QLineEdit>("資料", 0);
    barcode->setFocus();
    QTest::keyClicks(barcode, "DUP");
    QTest::keyClick(barcode, Qt::Key_Return);
    EXPECT_EQ(find<QListWidget>("歷史清單")->currentRow(), 2);
    EXPECT_EQ(window->hint(), QStringLiteral("此條碼已有記錄存在！"));
}

TEST_F(ManagerWindowTest, MovingTheNewestRecordUpIsNotOfferedButDownSwapsItInTheFile) {
    writeRecords(line({"A", "x"}) + line({"B", "y"}) + line({"C", "z"}));
    open();
    clickLine(1); // C, the newest
    EXPECT_FALSE(find<QPushButton>("點選修上")->isEnabled());
    ASSERT_TRUE(find<QPushButton>("點選修下")->isEnabled());
    click(find<QPushButton>("點選修下"));
    EXPECT_EQ(records(), pythonCp950(line({"A", "x"}) + line({"C", "z"}) + line({"B", "y"})));
    EXPECT_EQ(system.beeps, 1);
    // The list is not rebuilt: the two lines traded texts and the selection went with C.
    EXPECT_TRUE(lines()[1].startsWith(QStringLiteral("B")));
    EXPECT_TRUE(lines()[2].startsWith(QStringLiteral("C")));
    EXPECT_EQ(find<QListWidget>("歷史清單")->currentRow(), 2);
    EXPECT_EQ(window->model().selectedPosition(), 1);
    EXPECT_TRUE(find<QPushButton>("點選修上")->isEnabled());
}

TEST_F(ManagerWindowTest, DeleteAnsweredNoLeavesTheFileAndYesDeletes) {
    writeRecords(line({"A", "x"}) + line({"B", "y"}));
    open();
    const QByteArray before = records();
    clickLine(2);
    messages.answers.enqueue(MessageAnswer::No);
    click(find<QPushButton>("點選刪除"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("刪除條碼"));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("確定刪除【A】條碼記錄"));
    EXPECT_EQ(records(), before);

    click(find<QPushButton>("點選刪除"));
    EXPECT_EQ(records(), pythonCp950(line({"B", "y"})));
    EXPECT_EQ(pendingNotices, QList<int>{2});
}

TEST_F(ManagerWindowTest, ChangeKeepsThePositionAndTheReservedFields) {
    writeRecords(
        QStringLiteral("\"A\",\"x\",\"\",\"\",\"\",\"\",\"\",\"r8\",\"\",\"\",\"\",\"r12\",1\r\n") +
        line({"B", "y"}));
    open();
    clickLine(2);
    click(find<QPushButton>("點選修改"));
    EXPECT_EQ(find<QLineEdit>("資料", 1)->text(), QStringLiteral("x"));
    auto* change = find<QPushButton>("修改條碼");
    ASSERT_TRUE(change->isVisible());
    find<QLineEdit>("資料", 2)->setText(QStringLiteral(" 新名稱 "));
    click(change);
    EXPECT_EQ(records(),
              pythonCp950(QStringLiteral("\"A\",\"x\",\"新名稱\",\"\",\"\",\"\",\"\",\"r8\",\"\","
                                         "\"\",\"\",\"r12\",1\r\n") +
                          line({"B", "y"})));
    EXPECT_EQ(pendingNotices, QList<int>{4});
}

TEST_F(ManagerWindowTest, AChangeOfARecordAnotherDeskMovedWritesNothingAndKeepsWhatWasTyped) {
    writeRecords(line({"A", "x"}) + line({"B", "y"}));
    open();
    clickLine(2);
    click(find<QPushButton>("點選修改"));
    find<QLineEdit>("資料", 2)->setText(QStringLiteral("新名稱"));
    // Meanwhile another desk puts another record in A's place.
    writeRecords(line({"Z", "z"}) + line({"B", "y"}));
    const QByteArray theirs = records();
    click(find<QPushButton>("修改條碼"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, RecordFileTexts::staleText());
    EXPECT_EQ(records(), theirs);
    EXPECT_TRUE(pendingNotices.isEmpty());
    // The list shows the file as it is now, and the typed name waits to be used again.
    EXPECT_TRUE(lines().join('\n').contains(QStringLiteral("Z")))
        << lines().join('\n').toStdString();
    EXPECT_EQ(find<QLineEdit>("資料", 2)->text(), QStringLiteral("新名稱"));
}

TEST_F(ManagerWindowTest, WithFieldCountThreeRightArrowStaysInCustomOne) {
    open();
    auto* count = find<QComboBox>("項目數量");
    EXPECT_EQ(count->currentText(), QStringLiteral("3"));
    EXPECT_TRUE(find<QLineEdit>("資料", 3)->isVisible());
    EXPECT_FALSE(find<QLineEdit>("資料", 4)->isVisible());
    auto* custom1 = find<QLineEdit>("資料", 3);
    custom1->setFocus();
    QTest::keyClicks(custom1, "x");
    QTest::keyClick(custom1, Qt::Key_Right);
    EXPECT_TRUE(custom1->hasFocus());
    QTest::keyClick(custom1, Qt::Key_Up);
    EXPECT_TRUE(find<QLineEdit>("資料", 0)->hasFocus());
    QTest::keyClick(find<QLineEdit>("資料", 0), Qt::Key_Return);
    EXPECT_TRUE(find<QLineEdit>("資料", 1)->hasFocus());

    // Choosing 5 stores it and shows two more fields.
    count->setCurrentIndex(count->findText(QStringLiteral("5")));
    emit count->activated(count->currentIndex());
    EXPECT_EQ(settings.value(QStringLiteral("標籤_數量")), QStringLiteral("5"));
    EXPECT_TRUE(find<QLineEdit>("資料", 5)->isVisible());
    EXPECT_FALSE(find<QLineEdit>("資料", 6)->isVisible());
}

TEST_F(ManagerWindowTest, ACaptionEmptiedComesBackAsItsDefault) {
    open();
    auto* caption = find<QLabel>("說明", 2);
    QTest::mouseDClick(caption, Qt::LeftButton, {}, caption->rect().center());
    auto* editor = find<QLineEdit>("說明編輯");
    ASSERT_TRUE(editor->isVisible());
    editor->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(caption->text(), QStringLiteral("名稱"));
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(settings.value(QStringLiteral("標籤A")),
              QStringLiteral("條碼★種類★名稱★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂"));

    QTest::mouseDClick(caption, Qt::LeftButton, {}, caption->rect().center());
    editor->setText(QStringLiteral(" 品 名★ "));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(caption->text(), QStringLiteral("品 名"));
    EXPECT_EQ(find<QCheckBox>("資料顯項", 2)->text(), QStringLiteral("品 名"));
    // The barcode caption cannot be changed.
    QTest::mouseDClick(find<QLabel>("說明", 0), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(ManagerWindowTest, TicksChooseTheListedFieldsAndAreStored) {
    writeRecords(line({"A", "cat", "name"}));
    open();
    click(find<QCheckBox>("資料顯項", 1));
    EXPECT_EQ(settings.value(QStringLiteral("條碼勾選")), QStringLiteral("101111111111"));
    EXPECT_FALSE(lines()[1].contains(QStringLiteral("cat")));
    EXPECT_TRUE(lines()[1].contains(QStringLiteral("name")));
}

TEST_F(ManagerWindowTest, DatePickerOffersTwentyNineDaysInFebruaryOfALeapYear) {
    open();
    auto* custom1 = find<QLineEdit>("資料", 3);
    QTest::mouseDClick(custom1, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(find<QWidget>("日期窗")->isVisible());
    auto* years = find<QComboBox>("年份");
    auto* months = find<QComboBox>("月份");
    auto* days = find<QComboBox>("日期");
    // Opened at today's year and month: December 2026, 31 days.
    EXPECT_EQ(years->currentText(), QStringLiteral("2026年"));
    EXPECT_EQ(years->itemText(years->count() - 1), QStringLiteral("2029年"));
    EXPECT_EQ(days->count(), 31);

    auto choose = [](QComboBox* box, const QString& text) {
        box->setCurrentIndex(box->findText(text));
        emit box->activated(box->currentIndex());
    };
    choose(years, QStringLiteral("2024年"));
    choose(months, QStringLiteral("2月"));
    EXPECT_EQ(days->count(), 29);
    choose(days, QStringLiteral("29日"));
    EXPECT_EQ(custom1->text(), QStringLiteral("2024年2月29日"));
    EXPECT_FALSE(find<QWidget>("日期窗")->isVisible());

    // A day of 31 and then a 30-day month resets the day.
    QTest::mouseDClick(custom1, Qt::LeftButton, {}, QPoint(10, 10));
    choose(months, QStringLiteral("1月"));
    days->setCurrentIndex(days->findText(QStringLiteral("31日")));
    choose(months, QStringLiteral("4月"));
    EXPECT_EQ(days->count(), 30);
    EXPECT_EQ(days->currentIndex(), -1);
    EXPECT_EQ(days->placeholderText(), QStringLiteral("日"));

    click(find<QPushButton>("今天"));
    EXPECT_EQ(custom1->text(), QStringLiteral("2026年12月9日"));
    click(find<QPushButton>("昨天"));
    EXPECT_EQ(custom1->text(), QStringLiteral("2026年12月8日"));
}

TEST_F(ManagerWindowTest, PreviewOfAb1IsThreeThousandEightHundredSeventyTwipsWide) {
    writeSettings(QStringLiteral("\"條碼轉圖_粗細\",\"3\"\r\n\"條碼管理_預覽\",\"1\"\r\n"));
    writeRecords(line({"ab1", "x"}));
    open();
    clickLine(1);
    auto* preview = find<QWidget>("預覽圖");
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(find<QLineEdit>("資料", 0)->text(), QStringLiteral("AB1"));
    EXPECT_EQ(preview->width() * 15, 3870);
    EXPECT_TRUE(find<QWidget>("顯示設定窗")->isVisible());
    EXPECT_EQ(find<QLabel>("粗細度")->text(), QStringLiteral("3"));

    // Thickness 1 narrows it and is stored; the ratio 雙減 narrows it again.
    auto* thickness = find<QComboBox>("條碼粗細");
    thickness->setCurrentIndex(0);
    emit thickness->activated(0);
    EXPECT_EQ(preview->width() * 15, 15 * 16 * 5 + 270);
    EXPECT_EQ(settings.value(QStringLiteral("條碼轉圖_粗細")), QStringLiteral("1"));
    click(find<QWidget>("格式設定", 3));
    EXPECT_EQ(preview->width() * 15, 15 * 13 * 5 + 270);

    // Double click copies the picture.
    QTest::mouseDClick(preview, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(messages.titles().last(), QStringLiteral("完成提示"));
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());

    // The switch turns it off and says so.
    auto* onOff = find<QPushButton>("預覽開關");
    EXPECT_EQ(onOff->text(), QStringLiteral("開啟 條碼預覽"));
    click(onOff);
    EXPECT_EQ(onOff->text(), QStringLiteral("關閉 條碼預覽"));
    EXPECT_EQ(settings.value(QStringLiteral("條碼管理_預覽")), QStringLiteral("0"));
    EXPECT_FALSE(preview->isVisible());
}

TEST_F(ManagerWindowTest, ExportPutsTheListOnTheClipboardWithTabsAndCrLf) {
    writeRecords(line({"A", "x", "甲"}) + line({"B", "y", "乙"}) + line({"C", "z", "丙"}));
    open();
    click(find<QPushButton>("轉至Excel"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("條碼\t種類\t名稱\t自訂\t\r\nC\tz\t丙\t\t\r\nB\ty\t乙\t\t\r\n"
                             "A\tx\t甲\t\t\r\n"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("載入完成 提示"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
}

TEST_F(ManagerWindowTest, ExportOfAnEmptyListSaysThereIsNothing) {
    open();
    click(find<QPushButton>("轉至Excel"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("清單中查無顯示資料無法將記憶載入 Excel 中"));
}

TEST_F(ManagerWindowTest, SixThousandRecordsOfferTheSpecifiedReadInsteadOfAList) {
    QString text;
    for (int i = 0; i < 6000; ++i)
        text += line({QStringLiteral("N%1").arg(i), QStringLiteral("類%1").arg(i % 3)});
    writeRecords(text);
    open();
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(messages.titles(), QStringList{QStringLiteral("提示")});
    EXPECT_TRUE(find<QPushButton>("指定讀取")->isVisible());
    EXPECT_FALSE(find<QPushButton>("查詢篩選")->isVisible());
    find<QLineEdit>("資料", 0)->setText(QStringLiteral("N5999"));
    click(find<QPushButton>("指定讀取"));
    read();
    EXPECT_EQ(lines().size(), 2);
}

TEST_F(ManagerWindowTest, BulkImportSaysPlainlyItIsNotAvailableYet) {
    open();
    click(find<QPushButton>("多筆按鈕"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("尚未提供")));
    bool opened = false;
    window->setImportOpener([&] { opened = true; });
    click(find<QPushButton>("多筆按鈕"));
    EXPECT_TRUE(opened);
}

TEST_F(ManagerWindowTest, ADamagedFileIsRepairedAndTheProgramEnds) {
    writeRecords(line({"A", "x"}) + QStringLiteral("\"cut\",\"y\"\r\n"));
    open();
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(messages.titles(), (QStringList{"自動修復提示", "完成修復提示"}));
}

TEST_F(ManagerWindowTest, DraggingAFieldEdgeWidensItAndStoresTheCaptionEdges) {
    open();
    auto* category = find<QLineEdit>("資料", 1);
    auto* name = find<QLineEdit>("資料", 2);
    const int nameLeft = name->x();
    const QPoint grip(category->width() - 4, category->height() / 2);
    QTest::mouseMove(category, grip);
    EXPECT_EQ(window->hint(), QStringLiteral("說明提示：按住滑鼠左鍵、拖拉調整寬度"));
    QTest::mouseMove(category, QPoint(10, 10));
    EXPECT_EQ(window->hint(),
              QStringLiteral("說明提示：Ａ點擊輸入要記錄的資料內容、　Ｂ雙擊輸入日期"));
    QTest::mousePress(category, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(40, 0)),
                     category->mapToGlobal(QPointF(grip + QPoint(40, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(category, &move);
    QTest::mouseRelease(category, Qt::LeftButton, {}, grip + QPoint(40, 0));
    EXPECT_EQ(name->x(), nameLeft + 40);
    EXPECT_EQ(settings.value(QStringLiteral("標籤_X")),
              QStringLiteral("240 2760 5400 8400 10560 12720 14880 自訂 自訂 自訂 自訂 自訂"));
}

TEST_F(ManagerWindowTest, AClickInTheCategoryFieldOffersTheListedCategories) {
    writeRecords(line({"A", "飲料"}) + line({"B", "文具"}) + line({"C", "飲料"}));
    open();
    auto* category = find<QLineEdit>("資料", 1);
    QTest::mouseClick(category, Qt::LeftButton, {}, QPoint(10, 10));
    auto* values = find<QListWidget>("篩選選項", 1);
    ASSERT_TRUE(values->isVisible());
    ASSERT_EQ(values->count(), 2);
    QTest::mouseClick(values->viewport(), Qt::LeftButton, {},
                      values->visualItemRect(values->item(1)).center());
    EXPECT_EQ(category->text(), QStringLiteral("文具"));
    EXPECT_FALSE(values->isVisible());
}
