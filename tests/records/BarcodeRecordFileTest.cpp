#include "records/BarcodeRecordFile.h"
#include "platform/LocalFileSystem.h"
#include "records/AppendAfterLastLine.h"
#include "records/RecordFileTexts.h"
#include "records/RecordTextPreparation.h"
#include "records/TemporaryFiles.h"
#include "records/ui/RecordFileMessages.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace brevmark;
using Outcome = BarcodeRecordFile::ReadOutcome;
using Write = BarcodeRecordFile::WriteOutcome;
using Repair = BarcodeRecordFile::RepairOutcome;

namespace {

// One stored line as the earlier program wrote it, with the reserved fields and the tail given.
QString line(const QStringList& seven, const QStringList& reserved = {}, int tail = 1) {
    QStringList fields = seven;
    while (fields.size() < 7)
        fields << QString();
    QStringList five = reserved;
    while (five.size() < 5)
        five << QString();
    return QLatin1Char('"') + (fields + five).join(QStringLiteral("\",\"")) +
           QStringLiteral("\",") + QString::number(tail) + QStringLiteral("\r\n");
}

QString numbered(int i) {
    return line({QStringLiteral("A%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("種類"),
                 QStringLiteral("名稱%1").arg(i)});
}

RecordEntry entry(const QStringList& texts) {
    RecordEntry e;
    for (int k = 0; k < 7 && k < texts.size(); ++k)
        e[std::size_t(k)] = texts.at(k);
    return e;
}

QStringList barcodes(const QList<StoredRecord>& records) {
    QStringList b;
    for (const StoredRecord& r : records)
        b << r.record.barcode();
    return b;
}

class BarcodeRecordFileTest : public ::testing::Test {
protected:
    test::TempDataFolder folder;
    test::FaultyFileSystem files;
    test::ScriptedMessageBoxes messages;
    BarcodeRecordFile file{files, folder.location().recordsFolder()};

    QString path() const { return folder.recordsFile(BarcodeRecordFile::fileName()); }
    void writeRecords(const QString& utf8Text) {
        folder.writeRecordsFile(BarcodeRecordFile::fileName(), test::pythonCp950(utf8Text));
    }
    QByteArray bytes() const { return folder.readRecordsFile(BarcodeRecordFile::fileName()); }
    QList<QByteArray> lines() const {
        QList<QByteArray> l = bytes().split('\n');
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    }
    // A read as the windows make it: a damaged file is announced and repaired; true when the
    // program must end.
    bool repairedAfter(const BarcodeRecordFile::ReadResult& read) {
        return read.outcome == Outcome::Damaged &&
               RecordFileMessages::repairDamaged(file, messages);
    }
    StoredRecord recordAt(int position) { return file.readAll().records.value(position); }
};

const QString readingDamaged = QStringLiteral("自動修復提示");
const QString repairDone = QStringLiteral("完成修復提示");

} // namespace

TEST_F(BarcodeRecordFileTest, MissingFileReadsNothingSilentlyAndTheFirstAddCreatesIt) {
    EXPECT_FALSE(file.exists());
    for (const auto& result :
         {file.readAll(), file.readForLoadPanel(), file.readMatching(entry({"A"}))}) {
        EXPECT_EQ(result.outcome, Outcome::Complete);
        EXPECT_TRUE(result.records.isEmpty());
    }
    EXPECT_TRUE(messages.shown.isEmpty());

    EXPECT_EQ(file.append(entry({"AB1", "食品", "牛奶 1L", "€12", "", "", "2024年1月2日"})).outcome,
              Write::Written);
    EXPECT_EQ(bytes(),
              test::pythonCp950(line({"AB1", "食品", "牛奶 1L", "€12", "", "", "2024年1月2日"})));
}

TEST_F(BarcodeRecordFileTest, DuplicateBarcodesAreTwoRecordsInEveryRead) {
    writeRecords(line({"X1", "a"}));
    file.append(entry({"X1", "b"}));
    const auto all = file.readAll();
    ASSERT_EQ(all.records.size(), 2);
    EXPECT_EQ(all.records[0].position, 0);
    EXPECT_EQ(all.records[1].position, 1);
    EXPECT_EQ(all.records[1].record[1], QStringLiteral("b"));
    EXPECT_EQ(file.readMatching(entry({"X1"})).matching.size(), 2);
    EXPECT_EQ(file.readForLoadPanel().records.size(), 2);
}

TEST_F(BarcodeRecordFileTest, DeletingTheOnlyRecordLeavesAnEmptyFile) {
    writeRecords(line({"ONLY", "種類"}));
    EXPECT_EQ(file.remove(recordAt(0)).outcome, Write::Written);
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(bytes(), QByteArray());
    EXPECT_TRUE(file.readAll().records.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(BarcodeRecordFileTest, ChangeReplacesSevenFieldsAndKeepsTheReservedOnes) {
    writeRecords(line({"A", "x"}) + line({"B", "y", "舊名"}, {"保留8", "9", "", "11", "★12"}) +
                 line({"C", "z"}));
    EXPECT_EQ(file.change(recordAt(1), entry({"B2", "新種類", "新名", "1", "2", "3", "4"})).outcome,
              Write::Written);
    EXPECT_EQ(bytes(), test::pythonCp950(line({"A", "x"}) +
                                         line({"B2", "新種類", "新名", "1", "2", "3", "4"},
                                              {"保留8", "9", "", "11", "★12"}) +
                                         line({"C", "z"})));
}

TEST_F(BarcodeRecordFileTest, SwapTwoAndFiveLeavesEveryOtherLineByteIdentical) {
    QString text;
    for (int i = 0; i < 8; ++i)
        text += line({QStringLiteral("R%1").arg(i), QStringLiteral("類別★%1").arg(i),
                      QStringLiteral("€ 名稱 %1").arg(i)},
                     {QStringLiteral("r%1").arg(i)});
    writeRecords(text);
    const QList<QByteArray> before = lines();
    const auto all = file.readAll();
    ASSERT_EQ(all.records.size(), 8);
    EXPECT_EQ(file.swap(all.records[2], all.records[5]).outcome, Write::Written);
    const QList<QByteArray> after = lines();
    ASSERT_EQ(after.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const int from = i == 2 ? 5 : i == 5 ? 2 : i;
        EXPECT_EQ(after[i], before[from]) << "line " << i + 1;
    }
}

TEST_F(BarcodeRecordFileTest, ChineseStarAndEuroRoundTripThroughReadingAndRewriting) {
    const QString text =
        line({"AB-1", "文具★用品", "原子筆 €3", "”ㄑ", "細明體"}) + line({"Z", "刪除我"});
    writeRecords(text);
    const auto all = file.readAll();
    ASSERT_EQ(all.records.size(), 2);
    EXPECT_EQ(all.records[0].record[1], QStringLiteral("文具★用品"));
    EXPECT_EQ(all.records[0].record[2], QStringLiteral("原子筆 €3"));
    EXPECT_EQ(all.records[0].record[3], QStringLiteral("”ㄑ"));
    file.remove(all.records[1]);
    EXPECT_EQ(bytes(),
              test::pythonCp950(line({"AB-1", "文具★用品", "原子筆 €3", "”ㄑ", "細明體"})));
}

TEST_F(BarcodeRecordFileTest, ExactlySixThousandRecordsStopTheFullReadWithItsMessage) {
    QString text;
    for (int i = 0; i < 6000; ++i)
        text += numbered(i);
    writeRecords(text);
    const auto all = file.readAll();
    EXPECT_EQ(all.outcome, Outcome::LimitReached);
    EXPECT_EQ(all.records.size(), 6000);

    // The load panel stops at 3500.
    EXPECT_EQ(file.readForLoadPanel().records.size(), 3500);
}

TEST_F(BarcodeRecordFileTest, FiveThousandNineHundredNinetyNineRecordsReadCompletely) {
    QString text;
    for (int i = 0; i < 5999; ++i)
        text += numbered(i);
    writeRecords(text);
    const auto all = file.readAll();
    EXPECT_EQ(all.outcome, Outcome::Complete);
    EXPECT_EQ(all.records.size(), 5999);
    EXPECT_EQ(all.records.last().position, 5998);
}

TEST_F(BarcodeRecordFileTest, MatchingReadTakesAnyEqualFieldAndStopsAtTheLimit) {
    writeRecords(line({"A1", "水果", "蘋果"}) + line({"A2", "蔬菜", "蘋果"}) +
                 line({"A3", "水果", "香蕉"}) + line({"A10", "其他", "梨"}));
    // Field 1 "水果" or field 2 "蘋果"; empty texts compare with nothing; "A" matches no
    // barcode exactly.
    const auto r = file.readMatching(entry({"A", "水果", "蘋果"}));
    EXPECT_EQ(barcodes(r.matching), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(r.records.size(), 4);
    EXPECT_TRUE(file.readMatching(entry({})).matching.isEmpty());

    QString text;
    for (int i = 0; i < 6001; ++i)
        text += numbered(i);
    writeRecords(text);
    const auto many = file.readMatching(entry({"", "種類"}));
    EXPECT_EQ(many.outcome, Outcome::LimitReached);
    EXPECT_EQ(many.matching.size(), 6000);
}

TEST_F(BarcodeRecordFileTest, LineCutToTwelveFieldsIsRepairedWithTailTwentyAndEndsTheProgram) {
    const QString good1 = line({"G1", "種類", "名 稱"}, {"", "", "r10"});
    const QString good2 = line({"G2", "類★", "€"});
    // The twelve-field line: the reserved field 12 and the tail are missing.
    const QString cut =
        QStringLiteral("\"CUT\",\"種\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    writeRecords(good1 + cut + good2);

    const auto r = file.readAll();
    EXPECT_EQ(r.outcome, Outcome::Damaged);
    EXPECT_TRUE(r.records.isEmpty());
    EXPECT_TRUE(repairedAfter(r));
    ASSERT_EQ(messages.titles(), (QStringList{readingDamaged, repairDone}));
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("讀取 條碼記錄檔案，時發現錯誤，程式將自動修復錯誤"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[1].text,
              QStringLiteral("完成：條碼記錄 檔案修復，程式將自動關閉，請重新執行"));
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(bytes(), test::pythonCp950(line({"G1", "種類", "名 稱"}, {"", "", "r10"}, 20) +
                                         line({"G2", "類★", "€"}, {}, 20)));

    // The next start reads the rebuilt file normally.
    messages.shown.clear();
    const auto again = file.readAll();
    EXPECT_EQ(again.outcome, Outcome::Complete);
    EXPECT_EQ(barcodes(again.records), (QStringList{"G1", "G2"}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(BarcodeRecordFileTest, FourteenFieldLinesShiftFieldsAndFailOnlyWhenTheCountIsOff) {
    const QString fourteen =
        QStringLiteral("\"L\",\"a\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"x\",1\r\n");
    // Fourteen then twelve fields: 26 in all, two records, shifted by one field.
    const QString twelve =
        QStringLiteral("\"M\",\"b\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    writeRecords(fourteen + twelve);
    auto r = file.readAll();
    EXPECT_EQ(r.outcome, Outcome::Complete);
    ASSERT_EQ(r.records.size(), 2);
    EXPECT_EQ(r.records[1].record.barcode(), QStringLiteral("1"));

    // A fourteen-field line alone among good ones: the read fails at the end and the repair
    // drops that line.
    writeRecords(line({"G1", "a"}) + fourteen + line({"G2", "b"}));
    r = file.readAll();
    EXPECT_TRUE(repairedAfter(r));
    EXPECT_EQ(bytes(), test::pythonCp950(line({"G1", "a"}, {}, 20) + line({"G2", "b"}, {}, 20)));
}

TEST_F(BarcodeRecordFileTest, RepairThatKeepsNothingLeavesTheFileAndGivesNoList) {
    const QByteArray garbage("not a record\r\n\"half\r\n");
    folder.writeRecordsFile(BarcodeRecordFile::fileName(), garbage);
    const auto r = file.readAll();
    EXPECT_EQ(r.outcome, Outcome::Damaged);
    EXPECT_FALSE(repairedAfter(r));
    EXPECT_EQ(messages.titles(), (QStringList{readingDamaged}));
    EXPECT_EQ(bytes(), garbage);
}

TEST_F(BarcodeRecordFileTest, RepairKeepsEveryGoodLineBeyondThirtyTwoThousand) {
    QString text;
    for (int i = 0; i < 32005; ++i)
        text += numbered(i);
    text += QStringLiteral("\"broken\",\r\n");
    writeRecords(text);
    // The manager's reads stop at 6000; a rewrite reads the whole file and meets the damage.
    const StoredRecord first = recordAt(0);
    EXPECT_EQ(file.remove(first).outcome, Write::Damaged);
    EXPECT_EQ(file.repair().outcome, Repair::Rebuilt);
    const QList<QByteArray> after = lines();
    ASSERT_EQ(after.size(), 32005);
    EXPECT_TRUE(after.last().startsWith("\"A32004\""));
    EXPECT_TRUE(after.last().endsWith(",20\r"));
}

TEST_F(BarcodeRecordFileTest, RewritesOfADamagedFileRepairInstead) {
    writeRecords(line({"G1", "a"}));
    const StoredRecord g1 = recordAt(0);
    writeRecords(line({"G1", "a"}) + QStringLiteral("\"cut\",\"x\"\r\n"));
    EXPECT_EQ(file.remove(g1).outcome, Write::Damaged);
    EXPECT_EQ(file.repair().outcome, Repair::Rebuilt);
    EXPECT_EQ(bytes(), test::pythonCp950(line({"G1", "a"}, {}, 20)));
}

TEST_F(BarcodeRecordFileTest, CharactersBig5CannotHoldAreNamedAndNothingIsWritten) {
    writeRecords(line({"A", "x"}));
    const QByteArray before = bytes();
    // A simplified-only character and an emoji.
    const auto appended = file.append(entry({"B", "国", "好😀"}));
    EXPECT_EQ(appended.outcome, Write::Refused);
    EXPECT_EQ(appended.error, QStringLiteral("国😀"));
    EXPECT_EQ(file.change(recordAt(0), entry({"A", "x", "😀"})).outcome, Write::Refused);
    EXPECT_EQ(bytes(), before);
    // The window names them one by one.
    RecordFileMessages::showWriteProblem(file, appended, messages);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("文字無法儲存"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("国　😀")));
    EXPECT_FALSE(bytes().contains('?'));
}

TEST_F(BarcodeRecordFileTest, AFailedWriteLeavesTheOldFileAndSaysSo) {
    writeRecords(line({"A", "x"}) + line({"B", "y"}));
    const QByteArray before = bytes();
    const StoredRecord a = recordAt(0);
    files.failReplace = files.failAppend = true;
    const auto removed = file.remove(a);
    EXPECT_EQ(removed.outcome, Write::Failed);
    EXPECT_EQ(file.append(entry({"C", "z"})).outcome, Write::Failed);
    EXPECT_EQ(bytes(), before);
    EXPECT_TRUE(removed.error.contains(QStringLiteral("No space left on device")));
    EXPECT_FALSE(QFile::exists(path() + QLatin1Char('_')));
}

TEST_F(BarcodeRecordFileTest, ALinkLeadingOutOfTheDataFolderIsNeverWrittenThrough) {
    test::TempDataFolder elsewhere;
    const QString outside = elsewhere.path() + QStringLiteral("/victim.txt");
    const QByteArray victim = test::pythonCp950(line({"V", "外面"}));
    {
        QFile f(outside);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(victim);
    }
    ASSERT_TRUE(QFile::link(outside, path()));
    // Reading through it is harmless; writing is refused.
    EXPECT_EQ(file.readAll().records.size(), 1);
    const auto removed = file.remove(recordAt(0));
    EXPECT_EQ(removed.outcome, Write::Failed);
    EXPECT_TRUE(removed.error.contains(QStringLiteral("連結")));
    EXPECT_EQ(file.append(entry({"N", "新"})).outcome, Write::Failed);
    QFile f(outside);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), victim);
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
}

TEST_F(BarcodeRecordFileTest, ALinkInsideTheDataFolderIsWrittenThroughAndStays) {
    const QString real = folder.recordsFile(QStringLiteral("real.txt"));
    folder.writeRecordsFile(QStringLiteral("real.txt"), test::pythonCp950(line({"A", "x"})));
    ASSERT_TRUE(QFile::link(real, path()));
    EXPECT_EQ(file.append(entry({"B", "y"})).outcome, Write::Written);
    EXPECT_EQ(file.remove(recordAt(0)).outcome, Write::Written);
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(folder.readRecordsFile(QStringLiteral("real.txt")),
              test::pythonCp950(line({"B", "y"})));
}

TEST_F(BarcodeRecordFileTest, ATemporaryFileLeftWithoutTheRecordFileIsPutBack) {
    folder.writeRecordsFile(BarcodeRecordFile::fileName() + QLatin1Char('_'),
                            test::pythonCp950(line({"SAVED", "留下"})));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(barcodes(file.readAll().records), (QStringList{"SAVED"}));
    EXPECT_FALSE(QFile::exists(path() + QLatin1Char('_')));
}

TEST_F(BarcodeRecordFileTest, StartUpRemovesUnfinishedTemporaryFilesAndRestoresTheOldCopy) {
    // An unfinished rewrite of TOP.reg and of the format file beside their originals, an
    // unfinished first write, and the earlier program's complete record copy.
    folder.writeRecordsFile(QStringLiteral("TOP.reg"), "\"a\",\"1\"\r\n");
    folder.writeRecordsFile(QStringLiteral("TOP.reg_"), "\"a\",\"");
    folder.writeRecordsFile(QStringLiteral("排版記錄.zip"), "x");
    folder.writeRecordsFile(QStringLiteral("排版記錄.zip_"), "half");
    folder.writeRecordsFile(QStringLiteral("新排版.wab_"), "half");
    folder.writeRecordsFile(BarcodeRecordFile::fileName() + QLatin1Char('_'),
                            test::pythonCp950(line({"OLD", "舊"})));
    tidyTemporaryFiles(files, folder.location().recordsFolder());
    QStringList left = QDir(folder.location().recordsFolder()).entryList(QDir::Files);
    left.sort();
    QStringList expected{"TOP.reg", "排版記錄.zip", BarcodeRecordFile::fileName()};
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(bytes(), test::pythonCp950(line({"OLD", "舊"})));

    // With the record file present its temporary file is an unfinished rewrite.
    folder.writeRecordsFile(BarcodeRecordFile::fileName() + QLatin1Char('_'), "\"cut");
    tidyTemporaryFiles(files, folder.location().recordsFolder());
    EXPECT_FALSE(QFile::exists(path() + QLatin1Char('_')));
    EXPECT_EQ(bytes(), test::pythonCp950(line({"OLD", "舊"})));
}

TEST_F(BarcodeRecordFileTest, AnAppendAfterARecordSplitOverTwoLinesKeepsTheFileReadable) {
    // Fields pair up in reading order, not by line: the last record begins on one line and ends,
    // with a comma after its tail number, on the next. The comma must not become a field of the
    // first new record, or every record after it would be one field off and the file damaged.
    const QString split = QStringLiteral("\"B\",\"乙\",\"\",\"\",\"\",\"\"\r\n"
                                         "\"\",\"\",\"\",\"\",\"\",\"\",1,");
    folder.writeRecordsFile(BarcodeRecordFile::fileName(),
                            test::pythonCp950(line({"A", "甲"})) + test::pythonCp950(split));
    ASSERT_EQ(barcodes(file.readAll().records), (QStringList{"A", "B"}));
    ASSERT_EQ(file.append(entry({"NEW", "新"})).outcome, Write::Written);
    const auto r = file.readAll();
    EXPECT_EQ(r.outcome, Outcome::Complete);
    EXPECT_EQ(barcodes(r.records), (QStringList{"A", "B", "NEW"}));
}

TEST_F(BarcodeRecordFileTest, AppendNeverJoinsALastLineWithoutItsLineEnd) {
    struct Case {
        const char* name;
        QByteArray tail;
        QByteArray separator;
    };
    const QByteArray good = test::pythonCp950(line({"A", "甲"}));
    const Case cases[] = {
        {"complete", "", ""},
        {"no line end", "\"B\",\"乙\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1", "\r\n"},
        {"lone CR", "\"B\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r", "\n"},
        // The last line ends in the lead byte of a double-byte character.
        {"lone lead byte", "\"B\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\xA4",
         "\r\n"},
    };
    for (const Case& c : cases) {
        folder.writeRecordsFile(BarcodeRecordFile::fileName(), good + c.tail);
        ASSERT_EQ(file.append(entry({"NEW", "新"})).outcome, Write::Written) << c.name;
        EXPECT_EQ(bytes(), good + c.tail + c.separator + test::pythonCp950(line({"NEW", "新"})))
            << c.name;
    }
    // The complete case reads back without a repair.
    folder.writeRecordsFile(BarcodeRecordFile::fileName(),
                            good +
                                "\"B\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1");
    file.append(entry({"NEW", "新"}));
    const auto r = file.readAll();
    EXPECT_EQ(r.outcome, Outcome::Complete);
    EXPECT_EQ(barcodes(r.records), (QStringList{"A", "B", "NEW"}));
}

TEST(RecordTextPreparation, CleansAndTrimsLikeTheManagerAndTheImport) {
    struct Case {
        QStringList in;
        QStringList manager;
        QStringList import;
        bool notice;
    };
    const Case cases[] = {
        {{"ab-12", " 食品 ", "A,B"}, {"ab-12", "食品", "AB"}, {"ab-12", "食品", "AB"}, false},
        {{"AB*12$%", "x\"y", "名★稱”ㄑ"}, {"AB12", "xy", "名稱"}, {"AB12", "xy", "名稱"}, true},
        // The barcode keeps a space inside; the manager trims its ends, the import does not.
        {{" A 1 ", "\r\n種類\r\n", "　全形　"},
         {"A 1", "種類", "　全形　"},
         {" A 1 ", "種類", "　全形　"},
         false},
    };
    for (const Case& c : cases) {
        const record_texts::Prepared managed = record_texts::prepareForManager(entry(c.in));
        const record_texts::Prepared imported = record_texts::prepareForImport(entry(c.in));
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(managed.entry[std::size_t(k)], c.manager.at(k))
                << c.in.join('|').toStdString();
            EXPECT_EQ(imported.entry[std::size_t(k)], c.import.at(k))
                << c.in.join('|').toStdString();
        }
        EXPECT_EQ(managed.barcodeLostCharacters, c.notice);
        EXPECT_EQ(imported.barcodeLostCharacters, c.notice);
    }
}

TEST_F(BarcodeRecordFileTest, TheSpecifiedReadGoesThroughTheWholeFile) {
    QString text;
    for (int i = 0; i < 7000; ++i)
        text += numbered(i);
    writeRecords(text);
    struct Row {
        const char* name;
        QStringList entry;
        Outcome outcome;
        qsizetype matching;
    };
    const Row rows[] = {
        // The last record, far beyond the 6000 the full read shows: found, and no notice.
        {"the last barcode", {"A06999"}, Outcome::Complete, 1},
        {"a name beyond 6000", {"", "", "名稱6500"}, Outcome::Complete, 1},
        // Every record matches: the first 6000 are listed and the read says there are more.
        {"every record", {"", "種類"}, Outcome::LimitReached, 6000},
        {"nothing", {"ZZZ"}, Outcome::Complete, 0},
    };
    for (const Row& row : rows) {
        const auto r = file.readMatching(entry(row.entry));
        EXPECT_EQ(r.outcome, row.outcome) << row.name;
        EXPECT_EQ(r.matching.size(), row.matching) << row.name;
        if (row.matching == 1) {
            // The list's loaded table: the first 6000 records and the one taken.
            EXPECT_EQ(r.records.size(), 6001) << row.name;
            EXPECT_EQ(r.records.last(), r.matching.first()) << row.name;
        }
    }
    EXPECT_EQ(file.readMatching(entry({"A06999"})).matching.first().position, 6999);
}

TEST_F(BarcodeRecordFileTest, RewritesKeepEveryRecordTheyDoNotChangeByteForByte) {
    // Record 3 holds a byte that is no code page 950 character before its closing quote, record
    // 4 a bare field with a double quote inside (only a damaged line holds one).
    const QByteArray r1 = test::pythonCp950(line({"R1", "一"}));
    const QByteArray r2 = test::pythonCp950(line({"R2", "二", "€"}));
    const QByteArray r3 = test::pythonCp950(line({"R3", "三", "名稱@"})).replace('@', '\xA4');
    const QByteArray r4 = "R4,C\"x,,,,,,,,,,,1\r\n";
    struct Row {
        const char* name;
        std::function<BarcodeRecordFile::WriteResult(const QList<StoredRecord>&)> write;
        QByteArray after;
    };
    const Row rows[] = {
        {"delete record 1", [&](const auto& all) { return file.remove(all[0]); }, r2 + r3 + r4},
        {"change record 2",
         [&](const auto& all) {
             return file.change(all[1], entry({"R2", "二", "改"}));
         },
         r1 + test::pythonCp950(line({"R2", "二", "改"})) + r3 + r4},
        // A change that leaves the damaged name as it was shown keeps its bytes.
        {"change record 3",
         [&](const auto& all) {
             RecordEntry e = all[2].record.entry();
             e[3] = QStringLiteral("新");
             return file.change(all[2], e);
         },
         r1 + r2 +
             QByteArray(r3).replace(
                 ",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1",
                 test::pythonCp950(QStringLiteral(",\"新\",\"\",\"\",\"\","
                                                  "\"\",\"\",\"\",\"\",\"\",1"))) +
             r4},
        {"swap records 3 and 4", [&](const auto& all) { return file.swap(all[2], all[3]); },
         r1 + r2 + r4 + r3},
    };
    for (const Row& row : rows) {
        folder.writeRecordsFile(BarcodeRecordFile::fileName(), r1 + r2 + r3 + r4);
        const auto all = file.readAll();
        ASSERT_EQ(all.records.size(), 4) << row.name;
        EXPECT_EQ(row.write(all.records).outcome, Write::Written) << row.name;
        EXPECT_EQ(bytes(), row.after) << row.name;
        EXPECT_FALSE(bytes().contains('?')) << row.name;
    }
}

TEST_F(BarcodeRecordFileTest, ARecordThatIsNoLongerAtItsPositionIsLeftAlone) {
    // Between the read and the write another program took the first line out: position 1 now
    // holds R3.
    struct Row {
        const char* name;
        std::function<BarcodeRecordFile::WriteResult(const QList<StoredRecord>&)> write;
    };
    const Row rows[] = {
        {"delete", [&](const auto& all) { return file.remove(all[1]); }},
        {"change",
         [&](const auto& all) {
             return file.change(all[1], entry({"R2", "改"}));
         }},
        {"move", [&](const auto& all) { return file.swap(all[1], all[2]); }},
        {"a position past the end", [&](const auto& all) { return file.remove(all[3]); }},
    };
    for (const Row& row : rows) {
        writeRecords(line({"R1", "a"}) + line({"R2", "b"}) + line({"R3", "c"}) + line({"R4", "d"}));
        const auto all = file.readAll();
        writeRecords(line({"R2", "b"}) + line({"R3", "c"}) + line({"R4", "d"}));
        const QByteArray changed = bytes();
        EXPECT_EQ(row.write(all.records).outcome, Write::Stale) << row.name;
        EXPECT_EQ(bytes(), changed) << row.name;
    }
}

TEST_F(BarcodeRecordFileTest, TheRepairKeepsTheBytesOfTheLinesItKeeps) {
    const QByteArray good = test::pythonCp950(line({"G1", "€", "名稱@"})).replace('@', '\xA4');
    folder.writeRecordsFile(BarcodeRecordFile::fileName(), good + "\"cut\",\"x\"\r\n");
    ASSERT_TRUE(repairedAfter(file.readAll()));
    EXPECT_EQ(bytes(), QByteArray(good).replace(",1\r\n", ",20\r\n"));
}

TEST(AppendAfterLastLine, NewLinesNeverJoinOrShiftWhatTheFileEndsWith) {
    const QByteArray record = "\"A\",\"b\",1";
    const QByteArray lines = "\"N\",\"n\",1\r\n";
    struct Row {
        const char* name;
        QByteArray tail;
        qsizetype drop;
        QByteArray written;
    };
    const Row rows[] = {
        {"a new file", "", 0, lines},
        {"a line end", record + "\r\n", 0, lines},
        {"a lone CR", record + "\r", 0, "\n" + lines},
        {"no line end", record, 0, "\r\n" + lines},
        // The comma after the last field would start a field of its own.
        {"a comma after the last field", record + ",", 1, "\r\n" + lines},
        // A lead byte alone reads as nothing; after a line end it would become a field.
        {"a lead byte after the last line end", record + "\r\n\xA4", 1, lines},
        {"a comma and a lead byte", record + ",\xA4", 2, "\r\n" + lines},
        // Inside the last field the byte stays: the field keeps its place.
        {"a lead byte inside the last field", record + "\xA4", 0, "\r\n" + lines},
        // Fields pair up in reading order: a record that begins on one line and ends on the next
        // is whole, and its trailing comma would shift the new records by a field.
        {"a record over two lines", record + "\r\n\"A\"\r\n\"b\",1,", 1, "\r\n" + lines},
        {"a last line that begins inside a quoted field", record + "\r\n\"x\ny\",\"b\",1,", 1,
         "\r\n" + lines},
        // A file that ends in half a record is damaged already and stays so.
        {"half a record", record + "\r\n\"H\"", 0, "\r\n" + lines},
    };
    for (const Row& row : rows) {
        const FileSystem::Append a = AppendAfterLastLine::decide(row.tail, lines, 3);
        EXPECT_EQ(a.dropLast, row.drop) << row.name;
        EXPECT_EQ(a.bytes, row.written) << row.name;
    }
    // TOP.reg: two fields a line.
    const FileSystem::Append top = AppendAfterLastLine::decide("\"k\",\"v\",", lines, 2);
    EXPECT_EQ(top.dropLast, 1);
}
