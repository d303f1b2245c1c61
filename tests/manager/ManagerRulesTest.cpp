#include "manager/BarcodePreview.h"
#include "manager/ColumnLayout.h"
#include "manager/DateChoice.h"
#include "manager/EntryMoves.h"
#include "manager/FieldCaptions.h"
#include "manager/ManagerSettings.h"
#include "platform/LocalFileSystem.h"
#include "records/SettingsStore.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

using namespace brevmark;

TEST(FieldCaptions, ReadOnlyTwelvePartsKeepSpacesAndWriteStars) {
    const auto parsed = field_captions::parse(
        QStringLiteral("條碼★種類★品 名★顏色★自訂★自訂★日期★自訂★自訂★自訂★自訂★自訂"));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ((*parsed)[2], QStringLiteral("品 名"));
    EXPECT_EQ((*parsed)[6], QStringLiteral("日期"));
    EXPECT_FALSE(field_captions::parse(QStringLiteral("條碼★種類")).has_value());
    EXPECT_EQ(field_captions::settingValue(field_captions::defaults()),
              QStringLiteral("條碼★種類★名稱★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂"));
}

TEST(ManagerSettings, AppliesKeysInTableOrderAndRepairsAThicknessBelowOne) {
    test::TempDataFolder folder;
    LocalFileSystem files;
    test::ScriptedMessageBoxes messages;
    folder.writeRecordsFile(
        QStringLiteral("TOP.reg"),
        test::pythonCp950(QStringLiteral(
            "\"條碼勾選\",\"101000011111\"\r\n\"條碼勾選\",\"10100001111\"\r\n"
            "\"標籤_X\",\"100 2000 4000 6000 8000 10000 12000 自訂 自訂 自訂 自訂 自訂\"\r\n"
            "\"標籤_數量\",\"5\"\r\n\"條碼轉圖_粗細\",\"0\"\r\n\"條碼管理_預覽\",\"0\"\r\n"
            "\"標籤A\",\"X★甲★乙★丙★丁★戊★己★自訂★自訂★自訂★自訂★自訂\"\r\n")));
    SettingsStore store(files, folder.location().recordsFolder());
    ASSERT_EQ(store.load(), SettingsStore::LoadResult::Loaded);
    const ManagerSettings s = ManagerSettings::read(store);
    // The eleven-character tick value is ignored as a whole.
    EXPECT_EQ(s.ticks, (std::array<bool, 7>{true, false, true, false, false, false, false}));
    EXPECT_EQ(s.columnEdges[6], 12000);
    EXPECT_EQ(s.fieldCount, 5);
    EXPECT_TRUE(s.fieldCountStored);
    EXPECT_EQ(s.thickness, 3);
    EXPECT_EQ(store.value(QStringLiteral("條碼轉圖_粗細")), QStringLiteral("3"));
    EXPECT_FALSE(s.preview);
    // The barcode caption is never taken from the settings.
    EXPECT_EQ(s.captions[0], QStringLiteral("條碼"));
    EXPECT_EQ(s.captions[1], QStringLiteral("甲"));
    EXPECT_EQ(ManagerSettings::ticksValue(s.ticks), QStringLiteral("101000011111"));
    EXPECT_EQ(ManagerSettings::columnEdgesValue(s.columnEdges),
              QStringLiteral("100 2000 4000 6000 8000 10000 12000 自訂 自訂 自訂 自訂 自訂"));
}

TEST(ManagerSettings, NumbersBeyondAnyWholeNumberAreNoCountAndTheThickestPicture) {
    test::TempDataFolder folder;
    LocalFileSystem files;
    const QString huge(30, QLatin1Char('9'));
    folder.writeRecordsFile(QStringLiteral("TOP.reg"),
                            test::pythonCp950(QStringLiteral("\"標籤_數量\",\"%1\"\r\n"
                                                             "\"條碼轉圖_粗細\",\"%1\"\r\n")
                                                  .arg(huge)));
    SettingsStore store(files, folder.location().recordsFolder());
    ASSERT_EQ(store.load(), SettingsStore::LoadResult::Loaded);
    const ManagerSettings s = ManagerSettings::read(store);
    EXPECT_EQ(s.fieldCount, 3);
    EXPECT_EQ(s.thickness, 5);
    EXPECT_EQ(store.value(QStringLiteral("條碼轉圖_粗細")), huge) << "only a thickness below 1 is reset";
}

TEST(DateChoice, DaysOfMonthFollowTheCalendar) {
    using namespace date_choice;
    EXPECT_EQ(years(2026).first(), QStringLiteral("2005年"));
    EXPECT_EQ(years(2026).last(), QStringLiteral("2029年"));
    EXPECT_EQ(months().size(), 12);
    struct Case {
        const char* year;
        const char* month;
        const char* day;
        int days;
        const char* kept;
    };
    const Case cases[] = {
        {"2024年", "2月", "日", 29, "日"},     {"2023年", "2月", "日", 28, "日"},
        {"2100年", "2月", "29日", 28, "日"},   {"2000年", "2月", "29日", 29, "29日"},
        {"2021年", "1月", "31日", 31, "31日"}, {"2021年", "4月", "31日", 30, "日"},
        {"年", "4月", "3日", 0, "3日"},        {"2021年", "月", "3日", 0, "3日"},
    };
    for (const Case& c : cases) {
        const Days d = daysOfMonth(QString::fromUtf8(c.year), QString::fromUtf8(c.month),
                                   QString::fromUtf8(c.day));
        EXPECT_EQ(d.days.size(), c.days) << c.year << c.month;
        EXPECT_EQ(d.day, QString::fromUtf8(c.kept)) << c.year << c.month << c.day;
    }
    EXPECT_EQ(daysOfMonth(QStringLiteral("2024年"), QStringLiteral("2月"), "日").days.last(),
              QStringLiteral("29日"));
}

TEST(DateChoice, DatesReadAndYesterday) {
    using namespace date_choice;
    EXPECT_EQ(parse(QStringLiteral("2021年1月27日")), QDate(2021, 1, 27));
    EXPECT_EQ(parse(QStringLiteral("2021/1/27")), QDate(2021, 1, 27));
    EXPECT_FALSE(parse(QStringLiteral("2021年2月30日")).has_value());
    EXPECT_FALSE(parse(QStringLiteral("1月27日")).has_value());
    EXPECT_FALSE(parse(QStringLiteral("蘋果")).has_value());
    EXPECT_EQ(text(QDate(2021, 1, 27)), QStringLiteral("2021年1月27日"));
    const QDate today(2026, 3, 1);
    EXPECT_EQ(yesterday(QStringLiteral("2024年3月1日"), today), QStringLiteral("2024年2月29日"));
    EXPECT_EQ(yesterday(QStringLiteral("not a date"), today), QStringLiteral("2026年2月28日"));
}

TEST(EntryMoves, KeysMoveBetweenTheFieldsInUse) {
    struct Case {
        int from;
        EntryMove move;
        int lastField;
        int to; // -1: stays
    };
    const Case cases[] = {
        {0, EntryMove::Next, 3, 1},      {3, EntryMove::Next, 3, -1},
        {3, EntryMove::Next, 6, 4},      {6, EntryMove::Next, 6, -1},
        {0, EntryMove::Previous, 6, -1}, {4, EntryMove::Previous, 6, 3},
        {2, EntryMove::Up, 6, 0},        {5, EntryMove::Up, 6, 2},
        {0, EntryMove::Up, 6, -1},       {0, EntryMove::Down, 6, 1},
        {3, EntryMove::Down, 6, 6},      {2, EntryMove::Down, 3, -1},
        {6, EntryMove::Down, 6, -1},
    };
    for (const Case& c : cases) {
        const auto target = entryMoveTarget(c.from, c.move, c.lastField);
        EXPECT_EQ(target.value_or(-1), c.to) << c.from << " " << int(c.move) << " " << c.lastField;
    }
}

TEST(ColumnLayout, FieldsRunToTheNextCaptionAndKeepTheirMinimumWidth) {
    ColumnLayout layout({240, 2760, 4800, 7800, 9960, 12120, 14280});
    EXPECT_EQ(layout.width(1, 6), 4800 - 120 - 2760);
    EXPECT_TRUE(layout.onGrip(1, 4800 - 120 - 100, 6));
    EXPECT_FALSE(layout.onGrip(1, 4800 - 120 - 200, 6));
    EXPECT_FALSE(layout.onGrip(0, 2760 - 120 - 10, 6));
    EXPECT_TRUE(layout.resize(2, 600, 6));
    EXPECT_EQ(layout.left(3), 8400);
    EXPECT_EQ(layout.left(6), 14880);
    // Field 1 is 1920 wide: narrowing it by 721 would leave less than 1200.
    EXPECT_FALSE(layout.resize(1, -721, 6));
    EXPECT_TRUE(layout.resize(1, -720, 6));
    EXPECT_EQ(layout.width(1, 6), 1200);
}

TEST(BarcodePreview, WidthAndBarsFollowTheRatioAndThickness) {
    EXPECT_EQ(BarcodePreview::widthTwips(QStringLiteral("AB1"), 0, 3), 3870);
    EXPECT_EQ(BarcodePreview::widthTwips(QStringLiteral("AB1"), 3, 1), 15 * 13 * 5 + 270);

    test::RecordingSurface surface;
    BarcodePreview::draw(surface, QStringLiteral("AB1"), 0, 3, true, 1500, TextFont{});
    ASSERT_EQ(surface.calls.first().kind, test::DrawCall::Clear);
    // The characters stand at the left edge of their cells; nothing under start and stop.
    const auto texts = surface.ofKind(test::DrawCall::Text);
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0].text, QStringLiteral("A"));
    EXPECT_EQ(texts[0].from, QPointF(150 + 16 * 15 * 3, 1500 - 150 - 200 + 45));
    EXPECT_EQ(texts[2].from.x(), 150 + 3 * 16 * 15 * 3);
    // The start character's first module is a bar: three lines 15 twips apart.
    const QList<double> xs = surface.lineXs();
    ASSERT_GE(xs.size(), 3);
    EXPECT_EQ(xs[0], 150);
    EXPECT_EQ(xs[1], 165);
    EXPECT_EQ(xs[2], 180);
    for (const auto& line : surface.ofKind(test::DrawCall::Line)) {
        EXPECT_EQ(line.from.y(), 150);
        EXPECT_EQ(line.to.y(), 1150);
    }
    surface.calls.clear();
    BarcodePreview::draw(surface, QStringLiteral("A$"), 0, 1, false, 1500, TextFont{});
    EXPECT_EQ(surface.count(test::DrawCall::Text), 0);
    EXPECT_EQ(surface.ofKind(test::DrawCall::Line).first().to.y(), 1350);
}
