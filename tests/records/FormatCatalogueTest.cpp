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
    EXPECT_TRUE(FormatCatalogue::categories(QList<FormatRecord>()).isEmpty());
}

TEST(FormatCatalogue, NamesOfOneCategoryExactlyWithoutEmptyNames) {
    EXPECT_EQ(FormatCatalogue::names(file, u"A"), (QStringList{"B", "D"}));
    EXPECT_EQ(FormatCatalogue::names(file, u"a"), (QStringList{"B"}));
    EXPECT_TRUE(FormatCatalogue::names(file, u"AB ").isEmpty());
}

TEST(FormatCatalogue, FormatIsItsRecordsInFileOrderUpToTheLimit) {
    int total = 0;
    EXPECT_EQ(keys(FormatCatalogue::format(file, u"A", u"B", 253, &total)),
              (QStringList{"A/B/", "A/B/x", "A/B/y"}));
    EXPECT_EQ(total, 3);
    EXPECT_EQ(keys(FormatCatalogue::format(file, u"A", u"B", 2, &total)),
              (QStringList{"A/B/", "A/B/x"}));
    EXPECT_EQ(total, 3);
    // Category and name are two texts: "A" + "BC" is not "AB" + "C".
    EXPECT_TRUE(FormatCatalogue::format(file, u"A", u"BC", 253).isEmpty());
}

TEST(FormatCatalogue, SavingAFormatMovesItToTheEndAndKeepsEveryOther) {
    const QList<FormatRecord> saved = {record("A", "B", "條碼", "new")};
    const QList<FormatRecord> once = FormatCatalogue::replaced(file, u"A", u"B", saved);
    const QList<FormatRecord> twice = FormatCatalogue::replaced(once, u"A", u"B", saved);
    EXPECT_EQ(keys(twice), (QStringList{"AB/C/", "/orphan/", "a/B/", "A/D/", "A//",
                                        QStringLiteral("甲/乙/"), "A/B/new"}));

    const QList<FormatRecord> abc =
        FormatCatalogue::replaced(file, u"A", u"BC", {record("A", "BC")});
    EXPECT_EQ(abc.size(), file.size() + 1);
    EXPECT_EQ(keys(FormatCatalogue::format(abc, u"AB", u"C", 253)), (QStringList{"AB/C/"}));
}

TEST(FormatCatalogue, ViewsIntoAFileTextFollowTheSameRules) {
    QString error;
    const std::optional<FormatRecordText> text =
        FormatRecordLines::read(FormatRecordLines::serialise(file), &error);
    ASSERT_TRUE(text) << error.toStdString();
    const QList<FormatRecordView>& views = text->records();
    EXPECT_EQ(FormatCatalogue::categories(views), FormatCatalogue::categories(file));
    EXPECT_EQ(FormatCatalogue::names(views, u"A"), FormatCatalogue::names(file, u"A"));
    int total = 0;
    const QList<FormatRecordView> format = FormatCatalogue::format(views, u"A", u"B", 2, &total);
    ASSERT_EQ(format.size(), 2);
    EXPECT_EQ(total, 3);
    EXPECT_EQ(format[1].toRecord(), file[1]);
    EXPECT_EQ(FormatRecordLines::serialise(FormatCatalogue::without(views, u"A", u"B")),
              FormatRecordLines::serialise(FormatCatalogue::without(file, u"A", u"B")));
}

TEST(FormatCatalogue, RemovingAFormatLeavesTheOthersInOrder) {
    EXPECT_EQ(keys(FormatCatalogue::without(file, u"A", u"B")),
              (QStringList{"AB/C/", "/orphan/", "a/B/", "A/D/", "A//", QStringLiteral("甲/乙/")}));
    EXPECT_EQ(FormatCatalogue::without(file, u"AB", u"").size(), file.size());
}
