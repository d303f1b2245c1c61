// The records a format is merged with: spreadsheet text (CSV, TSV) and the barcode record file,
// from files python3 writes.
#include "batch/MergeSource.h"
#include "batch/DelimitedText.h"
#include "platform/LocalFileSystem.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

const QStringList captions = {
    QStringLiteral("條碼"), QStringLiteral("種類"), QStringLiteral("名稱"), QStringLiteral("售價"),
    QStringLiteral("自訂"), QStringLiteral("自訂"), QStringLiteral("自訂")};

QList<QStringList> cellsOf(const QString& text, QChar separator = QLatin1Char(',')) {
    QString error;
    const auto rows = DelimitedText::parse(text, separator, &error);
    EXPECT_TRUE(rows.has_value()) << error.toStdString();
    QList<QStringList> cells;
    for (const auto& row : rows.value_or(QList<DelimitedText::Row>{}))
        cells << row.cells;
    return cells;
}

class MergeFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    LocalFileSystem files;

    // The bytes python3 makes of a text in an encoding.
    QString write(const char* name, const QString& text, const char* encoding = "utf-8") {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pythonBytes(text, encoding));
        return path;
    }
    static QByteArray pythonBytes(const QString& text, const char* encoding) {
        if (QByteArray(encoding) == "cp950")
            return test::pythonCp950(text);
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import sys; sys.stdout.buffer.write(sys.stdin.buffer.read()"
                                     ".decode('utf-8').encode('%1'))")
                          .arg(QString::fromLatin1(encoding))});
        python.write(text.toUtf8());
        python.closeWriteChannel();
        python.waitForFinished(20000);
        return python.readAllStandardOutput();
    }
    MergeTable table(const QString& path) {
        auto read = MergeSource::read(files, path, captions);
        if (const BatchFailure* f = std::get_if<BatchFailure>(&read)) {
            ADD_FAILURE() << f->message.toStdString();
            return {};
        }
        return std::get<MergeTable>(read);
    }
    // The rows, visited as a run visits them (a record file's are read from it then).
    static QList<MergeTable::Row> rowsOf(const MergeTable& t) {
        QList<MergeTable::Row> rows;
        QString error;
        EXPECT_TRUE(t.visitRows(
            [&](const MergeTable::Row& row) {
                rows << row;
                return true;
            },
            &error))
            << error.toStdString();
        return rows;
    }
    // The failure of reading the file, or of visiting its rows.
    BatchFailure failure(const QString& path) {
        auto read = MergeSource::read(files, path, captions);
        if (const BatchFailure* f = std::get_if<BatchFailure>(&read))
            return *f;
        QString error;
        if (!std::get<MergeTable>(read).visitRows([](const MergeTable::Row&) { return true; },
                                                  &error))
            return MergeSource::damagedRecordFile(path, error);
        ADD_FAILURE() << "no failure for " << path.toStdString();
        return {};
    }
};

} // namespace

TEST(DelimitedText, QuotedCellsHoldSeparatorsLineBreaksAndQuotes) {
    EXPECT_EQ(
        cellsOf(QStringLiteral("a,b,c\r\n1,\"x,y\",\"say \"\"hi\"\"\"\n\"two\nlines\",,\r")),
        (QList<QStringList>{{"a", "b", "c"}, {"1", "x,y", "say \"hi\""}, {"two\nlines", "", ""}}));
    EXPECT_EQ(cellsOf(QStringLiteral("a\tb\n\n1\t2,3\n"), QLatin1Char('\t')),
              (QList<QStringList>{{"a", "b"}, {"1", "2,3"}}));
    EXPECT_EQ(cellsOf(QStringLiteral("only")), (QList<QStringList>{{"only"}}));
}

TEST(DelimitedText, RowsKnowTheLineTheyStartOn) {
    QString error;
    const auto rows = DelimitedText::parse(QStringLiteral("h\n\"a\nb\"\n\nc\n"), ',', &error);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3);
    EXPECT_EQ((*rows)[1].line, 2);
    EXPECT_EQ((*rows)[2].line, 5);
}

TEST(DelimitedText, AnOpenQuoteOrTextAfterAQuoteIsDamage) {
    QString error;
    EXPECT_FALSE(DelimitedText::parse(QStringLiteral("a\n\"never closed\n"), ',', &error));
    EXPECT_TRUE(error.contains(QStringLiteral("第 2 行"))) << error.toStdString();
    EXPECT_FALSE(DelimitedText::parse(QStringLiteral("a\n\"x\"y\n"), ',', &error));
    EXPECT_TRUE(error.contains(QStringLiteral("第 2 行"))) << error.toStdString();
}

TEST(MergeSource, KindFollowsTheFileName) {
    EXPECT_EQ(MergeSource::kindOf("a.CSV", ""), MergeSource::Kind::Csv);
    EXPECT_EQ(MergeSource::kindOf("a.tsv", ""), MergeSource::Kind::Tsv);
    EXPECT_EQ(MergeSource::kindOf("a.tab", ""), MergeSource::Kind::Tsv);
    EXPECT_EQ(MergeSource::kindOf("a.txt", "x\ty"), MergeSource::Kind::Tsv);
    EXPECT_EQ(MergeSource::kindOf("a.txt", "x,y"), MergeSource::Kind::Csv);
    EXPECT_EQ(MergeSource::kindOf(QStringLiteral("條碼檔.zip"), ""), MergeSource::Kind::RecordFile);
    EXPECT_EQ(MergeSource::kindOf("records", "x,y"), MergeSource::Kind::RecordFile);
}

TEST_F(MergeFiles, CsvHeaderGivesCaptionsAndTheBarcodeColumn) {
    const MergeTable t = table(write(
        "a.csv", QStringLiteral("\uFEFF名稱,條碼,售價\r\n品名一,A-1,10\r\n\"品名,二\",B-2\r\n")));
    EXPECT_EQ(t.captions, (QStringList{"名稱", "條碼", "售價"}));
    EXPECT_EQ(t.barcodeColumn, 1);
    ASSERT_EQ(t.rows.size(), 2);
    EXPECT_EQ(t.rows[0].cells, (QStringList{"品名一", "A-1", "10"}));
    // A short row is filled with empty cells.
    EXPECT_EQ(t.rows[1].cells, (QStringList{"品名,二", "B-2", ""}));
    EXPECT_EQ(t.whereIs(t.rows[1]), QStringLiteral("第 3 行"));
}

TEST_F(MergeFiles, WithoutABarcodeCaptionTheFirstColumnIsTheBarcode) {
    const MergeTable t = table(write("b.tsv", QStringLiteral("CODE\tNAME\nX-1\t甲\n")));
    EXPECT_EQ(t.barcodeColumn, 0);
    EXPECT_EQ(t.columnOf(QStringLiteral("NAME")), 1);
    EXPECT_FALSE(t.columnOf(QStringLiteral("name")));
}

TEST_F(MergeFiles, RecordFileGivesTheSevenFieldsUnderTheStoredCaptions) {
    const QString path =
        write("條碼檔.zip",
              QStringLiteral("\"A-1\",\"食品\",\"餅乾\",\"20\",\"\",\"\",\"\",\"r1\",\"\",\"\","
                             "\"\",\"\",1\r\n"
                             "\"B-2\",\"文具\",\"\",\"\",\"\",\"\",\"x\",\"\",\"\",\"\","
                             "\"\",\"\",20\r\n"),
              "cp950");
    const MergeTable t = table(path);
    EXPECT_EQ(t.captions, captions);
    EXPECT_EQ(t.barcodeColumn, 0);
    const QList<MergeTable::Row> rows = rowsOf(t);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].cells, (QStringList{"A-1", "食品", "餅乾", "20", "", "", ""}));
    EXPECT_EQ(rows[1].cells[6], QStringLiteral("x"));
    EXPECT_EQ(t.whereIs(rows[1]), QStringLiteral("第 2 筆記錄"));
}

TEST_F(MergeFiles, DamageIsReportedAndTheFileStaysAsItWas) {
    const QString cut = write(
        "cut.zip",
        QStringLiteral("\"A-1\",\"食品\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n"
                       "\"B-2\",\"文具\",\"\",\"\"\r\n"),
        "cp950");
    QFile before(cut);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    const BatchFailure f = failure(cut);
    EXPECT_EQ(f.exit, BatchExit::Damaged);
    EXPECT_TRUE(f.message.contains(QStringLiteral("第 2 筆記錄損壞"))) << f.message.toStdString();
    QFile after(cut);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
    EXPECT_FALSE(QFile::exists(cut + QLatin1Char('_')));

    EXPECT_EQ(failure(write("latin.csv", QStringLiteral("條碼\nÀ-1\n"), "latin-1")).exit,
              BatchExit::Damaged);
    const BatchFailure wide = failure(write("wide.csv", QStringLiteral("條碼,名稱\nA,b,c\n")));
    EXPECT_EQ(wide.exit, BatchExit::Damaged);
    EXPECT_TRUE(wide.message.contains(QStringLiteral("第 2 行有 3 個欄位")))
        << wide.message.toStdString();
    EXPECT_EQ(failure(write("empty.csv", QString())).exit, BatchExit::Damaged);
    EXPECT_EQ(failure(dir.filePath(QStringLiteral("none.csv"))).exit, BatchExit::NotFound);
}
