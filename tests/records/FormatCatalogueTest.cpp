// Finding, replacing and removing formats among the records of the format file.
#include "records/FormatCatalogue.h"

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

FormatRecord record(const char* category, const char* name, const char* kind = "條碼",
                    const char* f3 = "") {
    FormatRecord r;
    r[0] = QString::fromUtf8(category);
    r[1] = QString::fromUtf8(name);
    r[2] = QString::fromUtf8(kind);
    r[3] = QString::fromUtf8(f3);
    return r;
}

QStringList keys(const QList<FormatRecord>& records) {
    QStringList list;
    for (const FormatRecord& r : records)
        list << r[0] + QLatin1Char('/') + r[1] + QLatin1Char('/') + r[3];
    return list;
}

const QList<FormatRecord> file{
    record("A", "B"),   record("A", "B", "標籤", "x"),
    record("AB", "C"),  record("", "orphan"),
    record("a", "B"),   record("A", "D"),
    record("A", ""),    record("A", "B", "圖片", "y"),
    record("甲", "乙"),
};

} // namespace

TEST(FormatCatalogue, CategoriesOnceEachInFirstOrderExactly) {
    EXPECT_EQ(FormatCatalogue::categories(file),
              (QStringList{"A", "AB", "a", QStringLiteral("甲")}));
    EXPECT_TRUE(FormatCatalogue::categories({}).isEmpty());
}

TEST(FormatCatalogue, NamesOfOneCategoryExactlyWithoutEmptyNames) {
    EXPECT_EQ(FormatCatalogue::names(file, "A"), (QStringList{"B", "D"}));
    EXPECT_EQ(FormatCatalogue::names(file, "a"), (QStringList{"B"}));
    EXPECT_TRUE(FormatCatalogue::names(file, "AB ").isEmpty());
}

TEST(FormatCatalogue, FormatIsItsRecordsInFileOrderUpToTheLimit) {
    int total = 0;
    EXPECT_EQ(keys(FormatCatalogue::format(file, "A", "B", 253, &total)),
              (QStringList{"A/B/", "A/B/x", "A/B/y"}));
    EXPECT_EQ(total, 3);
    EXPECT_EQ(keys(FormatCatalogue::format(file, "A", "B", 2, &total)),
              (QStringList{"A/B/", "A/B/x"}));
    EXPECT_EQ(total, 3);
    // Category and name are two texts: "A" + "BC" is not "AB" + "C".
    EXPECT_TRUE(FormatCatalogue::format(file, "A", "BC", 253).isEmpty());
}

TEST(FormatCatalogue, SavingAFormatMovesItToTheEndAndKeepsEveryOther) {
    const QList<FormatRecord> saved = {record("A", "B", "條碼", "new")};
    const QList<FormatRecord> once = FormatCatalogue::replaced(file, "A", "B", saved);
    const QList<FormatRecord> twice = FormatCatalogue::replaced(once, "A", "B", saved);
    EXPECT_EQ(keys(twice), (QStringList{"AB/C/", "/orphan/", "a/B/", "A/D/", "A//",
                                        QStringLiteral("甲/乙/"), "A/B/new"}));

    const QList<FormatRecord> abc = FormatCatalogue::replaced(file, "A", "BC", {record("A", "BC")});
    EXPECT_EQ(abc.size(), file.size() + 1);
    EXPECT_EQ(keys(FormatCatalogue::format(abc, "AB", "C", 253)), (QStringList{"AB/C/"}));
}

TEST(FormatCatalogue, RemovingAFormatLeavesTheOthersInOrder) {
    EXPECT_EQ(keys(FormatCatalogue::without(file, "A", "B")),
              (QStringList{"AB/C/", "/orphan/", "a/B/", "A/D/", "A//", QStringLiteral("甲/乙/")}));
    EXPECT_EQ(FormatCatalogue::without(file, "AB", "").size(), file.size());
}
