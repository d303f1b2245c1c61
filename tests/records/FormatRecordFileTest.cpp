// The format file and the lines it shares with the layout files, against files that python3's
// cp950 codec writes.
#include "records/FormatRecordFile.h"
#include "platform/LocalFileSystem.h"
#include "records/FormatRecordLines.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDataFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::pythonCp950;

namespace {

const QString fileName = FormatRecordFile::fileName();

// A format of one barcode, one label and one picture, as the program writes it.
const QString threeLines = QStringLiteral(
    "\"貨架\",\"A-1\",\"條碼\",\"3600\",\"900\",\"SHELF-1\",\"16777215\",\"1\",\"120 120 480\","
    "\"False False False 0 10\",\"2 0 0 0\",\"\",1\r\n"
    "\"貨架\",\"A-1\",\"標籤\",\"第一層\",\"2400\",\"60\",\"255\",\"12\",\"新細明體\","
    "\"True False False\",\"\",\"\",1\r\n"
    "\"貨架\",\"A-1\",\"圖片\",\"logo.bmp\",\"2880\",\"420\",\"375\",\"375\",\"\",\"\",\"\",\"\","
    "1\r\n");

class FormatFile : public ::testing::Test {
protected:
    test::TempDataFolder data;
    LocalFileSystem files;
    FormatRecordFile file{files};
    QString path() const { return data.recordsFile(fileName); }
};

} // namespace

TEST_F(FormatFile, ReadsEveryFieldAndWritesTheSameBytesBack) {
    const QByteArray fixture = pythonCp950(threeLines);
    data.writeRecordsFile(fileName, fixture);
    const std::optional<QList<FormatRecord>> records = file.read(path());
    ASSERT_TRUE(records) << file.errorString().toStdString();
    ASSERT_EQ(records->size(), 3);
    EXPECT_EQ(records->at(0)[0], QStringLiteral("貨架"));
    EXPECT_EQ(records->at(0)[8], QStringLiteral("120 120 480"));
    EXPECT_EQ(records->at(1).kind(), FormatRecord::labelKind());
    EXPECT_EQ(records->at(1)[3], QStringLiteral("第一層"));
    EXPECT_EQ(records->at(2)[3], QStringLiteral("logo.bmp"));
    EXPECT_EQ(records->at(2)[10], QString());

    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(file.write(path(), *records));
    EXPECT_EQ(data.readRecordsFile(fileName), fixture);
}

TEST_F(FormatFile, ReadsFieldsInReadingOrderWhateverTheLineBreaks) {
    // Thirteen fields split over two lines read as one record, the way the files were always read.
    data.writeRecordsFile(fileName, pythonCp950(QStringLiteral(
                                        "\"c\",\"n\",\"條碼\",\"1\",\"2\",\"X\"\r\n"
                                        "\"0\",\"1\",\"a b c\",\"d\",\"e\",\"\",1\r\n\r\n\r\n")));
    const auto records = file.read(path());
    ASSERT_TRUE(records) << file.errorString().toStdString();
    ASSERT_EQ(records->size(), 1);
    EXPECT_EQ(records->at(0)[6], QStringLiteral("0"));
    EXPECT_EQ(records->at(0)[10], QStringLiteral("e"));
}

struct DamageCase {
    const char* name;
    const char* text;
};

class DamagedFormatFile : public FormatFile, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedFormatFile, IsReportedNotGuessed) {
    data.writeRecordsFile(fileName, pythonCp950(QString::fromUtf8(GetParam().text)));
    EXPECT_FALSE(file.read(path()));
    EXPECT_FALSE(file.errorString().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFormatFile,
    ::testing::Values(
        DamageCase{"recordCutShort", "\"c\",\"n\",\"條碼\",\"1\",\"2\"\r\n"},
        DamageCase{"quoteNeverCloses",
                   "\"c\",\"n\",\"條碼\",\"1\",\"2\",\"X\",\"0\",\"1\",\"a b c\",\"d\",\"e\",\"\","
                   "1\r\n\"c\",\"n\",\"標籤\r\n"},
        DamageCase{"secondRecordShort",
                   "\"c\",\"n\",\"條碼\",\"1\",\"2\",\"X\",\"0\",\"1\",\"a\",\"d\",\"e\",\"\",1\r\n"
                   "\"c\",\"n\"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatFile, AQuoteInsideAnUnquotedFieldIsLeftOutWhenTheFileIsWrittenBack) {
    // Written back as "C"x", the field would read as C: a save of another format would rename
    // this one.
    data.writeRecordsFile(fileName,
                          pythonCp950(QStringLiteral("C\"x,名,條碼,3600,900,A1,0,1,,,,\"\",1\r\n")));
    const auto records = file.read(path());
    ASSERT_TRUE(records) << file.errorString().toStdString();
    ASSERT_EQ(records->at(0)[0], QStringLiteral("C\"x"));
    ASSERT_TRUE(file.write(path(), *records));
    const auto again = file.read(path());
    ASSERT_TRUE(again) << file.errorString().toStdString();
    EXPECT_EQ(again->at(0)[0], QStringLiteral("Cx"));
    EXPECT_EQ(again->at(0)[1], QStringLiteral("名"));
    EXPECT_EQ(again->at(0)[5], QStringLiteral("A1"));
}

TEST_F(FormatFile, MissingFileIsAFailureWithAReason) {
    EXPECT_FALSE(file.read(path()));
    EXPECT_FALSE(file.errorString().isEmpty());
}

TEST_F(FormatFile, AFailedWriteLeavesTheOldFile) {
    const QByteArray fixture = pythonCp950(threeLines);
    data.writeRecordsFile(fileName, fixture);
    test::FaultyFileSystem faulty;
    faulty.failReplace = true;
    FormatRecordFile failing(faulty);
    EXPECT_FALSE(failing.write(path(), {}));
    EXPECT_FALSE(failing.errorString().isEmpty());
    EXPECT_EQ(data.readRecordsFile(fileName), fixture);
}

TEST(FormatRecordLines, LimitAndUnstorableFields) {
    FormatRecord r;
    r[0] = QStringLiteral("c");
    r[2] = FormatRecord::barcodeKind();
    const QString two = FormatRecordLines::serialise({r, r});
    QString error;
    EXPECT_TRUE(FormatRecordLines::parse(two, &error, 2));
    EXPECT_FALSE(FormatRecordLines::parse(two, &error, 1));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(FormatRecordLines::parse(two, &error, -1)->size(), 2);

    EXPECT_FALSE(FormatRecordLines::unstorableField({r}));
    FormatRecord label = r;
    label[3] = QStringLiteral("貨架 😀");
    EXPECT_EQ(FormatRecordLines::unstorableField({r, label}), label[3]);
}

TEST_F(FormatFile, SavingAndDeletingAFormatKeepEveryOtherLineByteForByte) {
    // Another format's line holds a byte that is no code page 950 character, and a damaged
    // line's bare first field holds a double quote: written back from their texts the one would
    // turn into "?", the other into "C" (another format's name).
    const QByteArray odd =
        pythonCp950(QStringLiteral("\"其他\",\"甲@\",\"條碼\",\"3600\",\"900\",\"X\",\"0\","
                                   "\"1\",\"\",\"\",\"\",\"\",1\r\n"))
            .replace('@', '\xA4');
    const QByteArray damaged = "C\"x,\"n\",\"\xB1\xF8\xBD\x58\",\"3600\",\"900\",\"Y\",\"0\",\"1\","
                               "\"\",\"\",\"\",\"\",1\r\n";
    const QByteArray shelf = pythonCp950(threeLines);
    FormatRecord saved;
    saved.fields = {"貨架", "A-1", "條碼", "1", "2", "NEW", "0", "1", "", "", ""};
    struct Row {
        const char* name;
        QList<FormatRecord> added;
        QByteArray after;
    };
    const Row rows[] = {
        {"save 貨架/A-1 anew",
         {saved},
         odd + damaged + pythonCp950(FormatRecordLines::serialise({saved}))},
        {"delete 貨架/A-1", {}, odd + damaged},
    };
    for (const Row& row : rows) {
        data.writeRecordsFile(fileName, odd + shelf + damaged);
        EXPECT_EQ(
            file.replaceFormat(path(), QStringLiteral("貨架"), QStringLiteral("A-1"), row.added),
            FormatRecordFile::Replace::Written)
            << row.name;
        EXPECT_EQ(data.readRecordsFile(fileName), row.after) << row.name;
        const std::optional<QList<FormatRecord>> read = file.read(path());
        ASSERT_TRUE(read) << row.name;
        EXPECT_EQ(read->at(1)[0], QStringLiteral("C\"x")) << row.name;
    }
    // A damaged file is never written over.
    data.writeRecordsFile(fileName, odd + "\"cut\"");
    EXPECT_EQ(file.replaceFormat(path(), QStringLiteral("其他"), QStringLiteral("x"), {saved}),
              FormatRecordFile::Replace::Unreadable);
    EXPECT_EQ(data.readRecordsFile(fileName), odd + "\"cut\"");
}

TEST(FormatRecordLines, AWrittenFieldNeverHoldsADoubleQuote) {
    // A text that only a damaged line's bare field can hold, written as the record writer
    // writes it: without the quote, so that it reads back as one field.
    FormatRecord r;
    r.fields = {"C\"x", "n", "條碼", "1", "2", "A\"B", "0", "1", "", "", ""};
    const QString line = FormatRecordLines::serialise({r});
    EXPECT_TRUE(line.startsWith(QStringLiteral("\"Cx\",\"n\",")));
    QString error;
    const std::optional<QList<FormatRecord>> back = FormatRecordLines::parse(line, &error);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->at(0)[0], QStringLiteral("Cx"));
    EXPECT_EQ(back->at(0)[5], QStringLiteral("AB"));
    EXPECT_EQ(back->at(0)[6], QStringLiteral("0"));
}
