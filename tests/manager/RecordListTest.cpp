#include "manager/RecordList.h"

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

StoredRecord row(int position, const QStringList& fields) {
    return {position, BarcodeRecord::fromList(fields)};
}

RecordList::Captions captions() {
    return {QStringLiteral("條碼"), QStringLiteral("種類"), QStringLiteral("名稱"),
            QStringLiteral("自訂"), QStringLiteral("自訂"), QStringLiteral("自訂"),
            QStringLiteral("自訂")};
}

RecordList listOf(const QList<StoredRecord>& rows, RecordList::Flags ticks = {1, 1, 1, 1, 1, 1, 1},
                  int lastField = 3) {
    RecordList list;
    list.setCaptions(captions());
    list.setTicks(ticks);
    list.setLastField(lastField);
    list.setTables(rows, rows);
    list.build();
    return list;
}

RecordEntry entry(const QStringList& texts) {
    RecordEntry e;
    for (int k = 0; k < 7 && k < texts.size(); ++k)
        e[std::size_t(k)] = texts.at(k);
    return e;
}

} // namespace

TEST(RecordList, ByteWidthCountsTwoForEveryCharacterOutsideAscii) {
    EXPECT_EQ(RecordList::byteWidth(QStringLiteral("AB1")), 3);
    EXPECT_EQ(RecordList::byteWidth(QStringLiteral("條碼")), 4);
    EXPECT_EQ(RecordList::byteWidth(QStringLiteral("€ ★x")), 6);
    EXPECT_EQ(RecordList::byteWidth(QString()), 0);
}

TEST(RecordList, NewestFirstUnderAHeaderAndLinesGivePositions) {
    RecordList list =
        listOf({row(0, {"A", "x"}), row(1, {"B", "y"}), row(2, {"C", "z"})}, {1, 1, 0, 0, 0, 0, 0});
    ASSERT_EQ(list.lines().size(), 4);
    EXPECT_EQ(list.lines()[0], QStringLiteral("條碼  種類  "));
    EXPECT_EQ(list.lines()[1], QStringLiteral("C     z     "));
    EXPECT_EQ(list.lines()[3], QStringLiteral("A     x     "));
    EXPECT_EQ(list.recordOfLine(2)->position, 1);
    EXPECT_FALSE(list.displayRowOfLine(0).has_value());
    EXPECT_FALSE(list.displayRowOfLine(4).has_value());
    // Move up only from the second record line on, move down on every line but the last.
    EXPECT_FALSE(list.canMoveUp(1));
    EXPECT_TRUE(list.canMoveDown(1));
    EXPECT_TRUE(list.canMoveUp(3));
    EXPECT_FALSE(list.canMoveDown(3));
    EXPECT_FALSE(list.canMoveDown(0));
}

TEST(RecordList, ColumnsArePaddedToTheWidestCellInBig5Bytes) {
    // Barcode and name only: category and custom fields give nothing and are not padded.
    RecordList list = listOf({row(0, {"AB12345", "分類", "蘋果汁"}), row(1, {"X", "類", "kiwi"})},
                             {1, 0, 1, 0, 0, 0, 0});
    EXPECT_EQ(list.lines()[0], QStringLiteral("條碼     名稱    "));
    EXPECT_EQ(list.lines()[1], QStringLiteral("X        kiwi    "));
    EXPECT_EQ(list.lines()[2], QStringLiteral("AB12345  蘋果汁  "));
    for (const QString& line : list.lines())
        EXPECT_EQ(RecordList::byteWidth(line), 9 + 8);

    // A long Chinese caption widens its column.
    RecordList::Captions c = captions();
    c[1] = QStringLiteral("商品種類名稱");
    RecordList wide;
    wide.setCaptions(c);
    wide.setTicks({1, 1, 0, 0, 0, 0, 0});
    wide.setLastField(3);
    const QList<StoredRecord> rows{row(0, {"A", "x"})};
    wide.setTables(rows, rows);
    wide.build();
    EXPECT_EQ(wide.lines()[0], QStringLiteral("條碼  商品種類名稱  "));
    EXPECT_EQ(wide.lines()[1], QStringLiteral("A     x             "));
}

TEST(RecordList, FieldsBeyondTheCountAreNotListed) {
    RecordList list = listOf({row(0, {"A", "x", "n", "c1", "c2"})}, {1, 1, 1, 1, 1, 1, 1}, 1);
    EXPECT_EQ(list.lines()[1], QStringLiteral("A     x     "));
    EXPECT_EQ(list.exportText(), QStringLiteral("條碼\t種類\t\r\nA\tx\t\r\n"));
}

TEST(RecordList, EmptyDisplayGivesNoLinesNotEvenAHeader) {
    RecordList list = listOf({});
    EXPECT_TRUE(list.lines().isEmpty());
}

TEST(RecordList, FilterKeepsRowsWhoseFieldsAllBeginWithTheirTexts) {
    RecordList list = listOf(
        {row(0, {"AB1", "X1"}), row(1, {"AB2", "Y"}), row(2, {"AC3", "X2"}), row(3, {"ab4", "X"})});
    list.filter(entry({"AB", "X"}));
    ASSERT_EQ(list.display().size(), 1);
    EXPECT_EQ(list.display()[0].position, 0);
    list.filter(entry({}));
    EXPECT_EQ(list.display().size(), 4);
    list.filter(entry({"Z"}));
    EXPECT_TRUE(list.display().isEmpty());
    EXPECT_EQ(list.lines(), QStringList{QStringLiteral(" 篩選後 查無 相同的資料")});
    EXPECT_FALSE(list.displayRowOfLine(0).has_value());
    // A text in a field beyond the count takes no part.
    list.filter(entry({"", "", "", "", "hidden"}));
    EXPECT_EQ(list.display().size(), 4);
}

TEST(RecordList, ValueListsHoldDistinctCategoriesAndNamesIgnoringCase) {
    RecordList list = listOf({row(0, {"1", "Food", "Tea"}), row(1, {"2", "food", ""}),
                              row(2, {"3", "飲料", "tea"}), row(3, {"4", "Food", "咖啡"})});
    EXPECT_EQ(list.categories(), (QStringList{"Food", "飲料"}));
    EXPECT_EQ(list.names(), (QStringList{"Tea", "咖啡"}));
}

TEST(RecordList, SwappingLinesSwapsFieldsButKeepsPositions) {
    RecordList list = listOf({row(0, {"A", "x"}), row(1, {"B", "y"}), row(2, {"C", "z"})});
    const QString lineOfB = list.lines()[2];
    list.swapLines(2, 1); // B moves up above C
    EXPECT_EQ(list.lines()[1], lineOfB);
    EXPECT_EQ(list.recordOfLine(1)->position, 2);
    EXPECT_EQ(list.recordOfLine(1)->record.barcode(), QStringLiteral("B"));
    EXPECT_EQ(list.loaded()[2].record.barcode(), QStringLiteral("B"));
    EXPECT_EQ(list.loaded()[1].record.barcode(), QStringLiteral("C"));
}

TEST(RecordList, DuplicateBarcodeFindsTheFirstRecordInFileOrder) {
    RecordList list = listOf({row(0, {"A", "x"}), row(1, {"D", "y"}), row(2, {"D", "z"})});
    EXPECT_EQ(list.lineOfBarcode(QStringLiteral("D")), 2);
    EXPECT_FALSE(list.lineOfBarcode(QStringLiteral("d")).has_value());
}

TEST(RecordList, ExportIsTheHeaderThenTheListOrderWithTabsAndCrLf) {
    RecordList list =
        listOf({row(0, {"A", "x", "甲"}), row(1, {"B", "y", "乙"}), row(2, {"C", "z", "丙"})},
               {1, 0, 1, 0, 0, 0, 0});
    EXPECT_EQ(list.exportText(),
              QStringLiteral("條碼\t名稱\t\r\nC\t丙\t\r\nB\t乙\t\r\nA\t甲\t\r\n"));
    RecordList all =
        listOf({row(0, {"A", "1", "2", "3", "4", "5", "6"})}, {1, 1, 1, 1, 1, 1, 1}, 6);
    EXPECT_EQ(all.exportText().split(QStringLiteral("\r\n"))[1],
              QStringLiteral("A\t1\t2\t3\t4\t5\t6"));
}

TEST(RecordList, AFieldWiderThanAListShowsIsCutToFitWithAnEllipsis) {
    struct Row {
        const char* name;
        QString text;
        QString shown;
    };
    const QString a118(118, QLatin1Char('a'));
    const QString chinese59 = QString(59, QChar(0x9577)); // 長
    const Row rows[] = {
        {"fits", QString(120, QLatin1Char('a')), QString(120, QLatin1Char('a'))},
        {"ASCII", QString(200, QLatin1Char('a')), a118 + QChar(0x2026)},
        {"Chinese", QString(100, QChar(0x9577)), chinese59 + QChar(0x2026)},
        // A character outside the BMP is never split in two.
        {"emoji at the edge", QString(117, QLatin1Char('a')) + QStringLiteral("😀😀"),
         QString(117, QLatin1Char('a')) + QChar(0x2026)},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(RecordList::shownText(r.text), r.shown) << r.name;
        EXPECT_LE(RecordList::byteWidth(RecordList::shownText(r.text)), 120) << r.name;
    }
    // One long name widens its column only as far as it is shown.
    const RecordList list =
        listOf({row(0, {"A", "x", QString(500000, QChar(0x9577))}), row(1, {"B", "y", "短"})});
    for (const QString& line : list.lines())
        EXPECT_LE(RecordList::byteWidth(line), 4 * 122) << line.left(20).toStdString();
}
