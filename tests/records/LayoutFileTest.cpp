// Layout files and the folder that holds them, against files that python3's cp950 codec writes.
#include "records/LayoutFile.h"
#include "platform/LocalFileSystem.h"
#include "records/LayoutFolder.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::pythonCp950;

namespace {

// The text of a layout line: group, position, kind, F3 and the rest empty.
QString line(int group, const QString& position, const QString& kind, const QString& f3) {
    return QStringLiteral(
               "\"%1\",\"%2\",\"%3\",\"%4\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n")
        .arg(group)
        .arg(position, kind, f3);
}

// A text of `count` records in groups of at most `perGroup`.
QString manyLines(int count, int perGroup) {
    QString text;
    for (int i = 0; i < count; ++i) {
        const int group = i / perGroup + 1;
        const bool first = i % perGroup == 0;
        text += line(group, QStringLiteral("%1 300").arg(group * 600),
                     first ? QStringLiteral("條碼") : QStringLiteral("標籤"),
                     QStringLiteral("第%1筆").arg(i));
    }
    return text;
}

FormatRecord record(const QString& kind, const QString& f3) {
    FormatRecord r;
    r[0] = QStringLiteral("貨架"); // category and name give way to group and position
    r[1] = QStringLiteral("A-1");
    r[2] = kind;
    r[3] = f3;
    return r;
}

class LayoutFiles : public ::testing::Test {
protected:
    test::TempDataFolder data;
    LocalFileSystem files;
    LayoutFile file{files};
    QString path(const char* name = "排版一.wab") const {
        return data.recordsFile(QString::fromUtf8(name));
    }
};

} // namespace

TEST_F(LayoutFiles, GroupsBecomeItemsWithTheirPositions) {
    const QByteArray fixture = pythonCp950(
        line(1, QStringLiteral("300 600"), QStringLiteral("條碼"), QStringLiteral("3600")) +
        line(1, QStringLiteral("300 600"), QStringLiteral("標籤"), QStringLiteral("品名")) +
        line(2, QStringLiteral("4020.5 1500"), QStringLiteral("條碼"), QStringLiteral("2700")));
    data.writeRecordsFile(QStringLiteral("排版一.wab"), fixture);
    const std::optional<Layout> layout = file.read(path());
    ASSERT_TRUE(layout) << file.errorString().toStdString();
    ASSERT_EQ(layout->items.size(), 2);
    EXPECT_EQ(layout->items[0].position, QPointF(300, 600));
    ASSERT_EQ(layout->items[0].records.size(), 2);
    EXPECT_EQ(layout->items[0].records[1][3], QStringLiteral("品名"));
    // The records name their item by group and position, as a format applied from them does.
    EXPECT_EQ(layout->items[1].records[0][0], QStringLiteral("2"));
    EXPECT_EQ(layout->items[1].records[0][1], QStringLiteral("4020.5 1500"));
    EXPECT_EQ(layout->items[1].position, QPointF(4020.5, 1500));

    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(file.write(path(), *layout));
    EXPECT_EQ(data.readRecordsFile(QStringLiteral("排版一.wab")), fixture);
}

TEST_F(LayoutFiles, WrittenRecordsTakeGroupAndPositionInPlaceOfCategoryAndName) {
    Layout layout;
    layout.items.append({QPointF(300, 300), {record(FormatRecord::barcodeKind(), "3600")}});
    layout.items.append({QPointF(4560, 1260.5f),
                         {record(FormatRecord::barcodeKind(), "2700"),
                          record(FormatRecord::pictureKind(), "logo.bmp")}});
    ASSERT_TRUE(file.write(path(), layout));
    EXPECT_EQ(data.readRecordsFile(QStringLiteral("排版一.wab")),
              pythonCp950(line(1, "300 300", "條碼", "3600") +
                          line(2, "4560 1260.5", "條碼", "2700") +
                          line(2, "4560 1260.5", "圖片", "logo.bmp")));
}

TEST_F(LayoutFiles, EveryLayoutOfUpTo301RecordsIsWrittenAndReadAgain) {
    data.writeRecordsFile(QStringLiteral("排版一.wab"), pythonCp950(manyLines(280, 100)));
    const std::optional<Layout> layout = file.read(path());
    ASSERT_TRUE(layout) << file.errorString().toStdString();
    EXPECT_EQ(layout->recordCount(), 280);
    ASSERT_EQ(layout->items.size(), 3);
    EXPECT_EQ(layout->items[2].records.size(), 80);

    data.writeRecordsFile(QStringLiteral("排版一.wab"), pythonCp950(manyLines(301, 101)));
    ASSERT_TRUE(file.read(path()));
    ASSERT_TRUE(file.write(path(), *file.read(path())));
    EXPECT_EQ(file.read(path())->recordCount(), 301);
}

TEST_F(LayoutFiles, MoreThan301RecordsAreNeitherWrittenNorRead) {
    data.writeRecordsFile(QStringLiteral("大.wab"), pythonCp950(manyLines(302, 101)));
    const std::optional<Layout> big = file.read(path("大.wab"), -1);
    ASSERT_TRUE(big);
    EXPECT_FALSE(file.read(path("大.wab")));
    EXPECT_FALSE(file.errorString().isEmpty());

    EXPECT_FALSE(file.write(path("新.wab"), *big));
    EXPECT_FALSE(file.errorString().isEmpty());
    EXPECT_FALSE(QFile::exists(path("新.wab")));
    // Without a limit (the page kept between runs) all of it is written.
    EXPECT_TRUE(file.write(path("新.wab"), *big, -1));
    EXPECT_EQ(file.read(path("新.wab"), -1)->recordCount(), 302);
}

TEST_F(LayoutFiles, AGroupOfMoreThan255RecordsIsDamage) {
    data.writeRecordsFile(QStringLiteral("排版一.wab"), pythonCp950(manyLines(256, 256)));
    EXPECT_FALSE(file.read(path()));
    data.writeRecordsFile(QStringLiteral("排版一.wab"), pythonCp950(manyLines(255, 255)));
    EXPECT_TRUE(file.read(path()));
}

TEST_F(LayoutFiles, GroupsByNumberValueInAscendingOrder) {
    data.writeRecordsFile(
        QStringLiteral("排版一.wab"),
        pythonCp950(line(3, "900 900", "條碼", "c") + line(1, "300 300", "條碼", "a") +
                    line(0, "0 0", "條碼", "none") + line(3, "1 1", "標籤", "c2") +
                    QStringLiteral("\"1.5\",\"1 1\",\"條碼\",\"half\",\"\",\"\",\"\",\"\",\"\","
                                   "\"\",\"\",\"\",1\r\n") +
                    line(2, "600", "條碼", "b")));
    const std::optional<Layout> layout = file.read(path());
    ASSERT_TRUE(layout);
    ASSERT_EQ(layout->items.size(), 3);
    EXPECT_EQ(layout->items[0].records[0][3], QStringLiteral("a"));
    // A position that does not split into two parts leaves the item where it is placed.
    EXPECT_EQ(layout->items[1].position, std::nullopt);
    EXPECT_EQ(layout->items[2].records.size(), 2);
    EXPECT_EQ(layout->items[2].position, QPointF(900, 900));
}

TEST_F(LayoutFiles, DamagedAndMissingFilesAreFailures) {
    data.writeRecordsFile(QStringLiteral("排版一.wab"),
                          pythonCp950(QStringLiteral("\"1\",\"300 300\",\"條碼\"\r\n")));
    EXPECT_FALSE(file.read(path()));
    EXPECT_FALSE(file.read(path("無.wab")));
}

TEST(LayoutPosition, TextRoundTrip) {
    EXPECT_EQ(LayoutFile::positionText(QPointF(300, 1260)), QStringLiteral("300 1260"));
    EXPECT_EQ(LayoutFile::positionText(QPointF(-60, 0.5)), QStringLiteral("-60 0.5"));
    EXPECT_EQ(LayoutFile::positionFrom(QStringLiteral("300 1260")), QPointF(300, 1260));
    EXPECT_EQ(LayoutFile::positionFrom(QStringLiteral("12abc x")), QPointF(12, 0));
    EXPECT_EQ(LayoutFile::positionFrom(QStringLiteral("300  1260")), std::nullopt);
    EXPECT_EQ(LayoutFile::positionFrom(QStringLiteral("300")), std::nullopt);
}

// ---------------------------------------------------------------- the folder

TEST_F(LayoutFiles, FolderListsLayoutsSpelledWabOrWABOnly) {
    for (const char* name : {"abc.WAB", "abc.Wab", "def.wab", "xwab", "note.txt", "排版.wab"})
        data.writeRecordsFile(QString::fromUtf8(name), "");
    QDir().mkpath(data.recordsFile(QStringLiteral("folder.wab")));
    LayoutFolder folder(files, data.location().recordsFolder());
    EXPECT_EQ(folder.names(), (QStringList{"abc", "def", QStringLiteral("排版")}));
    EXPECT_EQ(folder.pathOf("abc"), data.recordsFile("abc.WAB"));
    EXPECT_EQ(folder.pathOf("def"), data.recordsFile("def.wab"));
    EXPECT_EQ(folder.pathOf("new"), data.recordsFile("new.wab"));

    EXPECT_TRUE(folder.remove("abc"));
    EXPECT_FALSE(QFile::exists(data.recordsFile("abc.WAB")));
    EXPECT_TRUE(QFile::exists(data.recordsFile("abc.Wab")));
    EXPECT_TRUE(folder.remove("gone"));
}

struct NameCase {
    const char* name;
    const char* text;
    bool safe;
};

class LayoutNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(LayoutNames, StayInsideTheRecordsFolder) {
    EXPECT_EQ(LayoutFolder::isSafeName(QString::fromUtf8(GetParam().text)), GetParam().safe);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutNames,
    ::testing::Values(NameCase{"plain", "排版 A-1", true}, NameCase{"innerDots", "a..b", true},
                      NameCase{"leadingDot", ".hidden", true}, NameCase{"empty", "", false},
                      NameCase{"parent", "../x", false}, NameCase{"slash", "a/b", false},
                      NameCase{"backslash", "a\\b", false}, NameCase{"dot", ".", false},
                      NameCase{"dots", "...", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutNamesNul, NulIsRefused) {
    EXPECT_FALSE(LayoutFolder::isSafeName(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
}
