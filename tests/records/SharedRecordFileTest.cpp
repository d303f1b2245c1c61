// One barcode record file written by two Brevmark processes, as desks sharing a data folder write
// it: another process (the record_rewriter helper) appends records while this one rewrites the
// file. An append waits for the rewrite's lock and lands in the file that took the old one's
// place, so no appended record is ever lost.
#include "platform/LocalFileSystem.h"
#include "records/BarcodeRecordFile.h"
#include "support/TempDataFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

QString line(const QString& barcode, const QString& name = QString()) {
    return QStringLiteral(
               "\"%1\",\"共用\",\"%2\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n")
        .arg(barcode, name);
}

// A record the helper appends.
QString appendedLine(const QString& barcode) {
    return QStringLiteral("\"%1\",\"附加\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n")
        .arg(barcode);
}

class SharedRecordFile : public ::testing::Test {
protected:
    test::TempDataFolder folder;
    LocalFileSystem files;
    BarcodeRecordFile file{files, folder.location().recordsFolder()};
    QProcess appender;

    QString path() const { return folder.recordsFile(BarcodeRecordFile::fileName()); }
    QByteArray bytes() const { return folder.readRecordsFile(BarcodeRecordFile::fileName()); }
    void startAppending(int count, const QString& prefix) {
        appender.start(QStringLiteral(BREVMARK_RECORD_REWRITER),
                       {folder.location().recordsFolder(), QStringLiteral("append"),
                        QString::number(count), prefix});
        ASSERT_TRUE(appender.waitForStarted(10000));
    }
    void finishAppending() {
        if (appender.state() != QProcess::NotRunning)
            ASSERT_TRUE(appender.waitForFinished(60000));
        ASSERT_EQ(appender.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(appender.exitCode(), 0) << appender.readAllStandardError().constData();
    }
};

} // namespace

TEST_F(SharedRecordFile, AnAppendWaitsForARewriteAndLandsInTheFileThatReplacedTheOld) {
    folder.writeRecordsFile(BarcodeRecordFile::fileName(),
                            test::pythonCp950(line("S1") + line("S2") + line("S3")));
    const QByteArray s1 = test::pythonCp950(line("S1"));
    QByteArray rewritten;
    ASSERT_TRUE(files.rewrite(
        path(),
        [&](QIODevice& current, QIODevice& replacement) {
            // While this rewrite works, the other process's append waits.
            startAppending(1, QStringLiteral("X"));
            EXPECT_FALSE(appender.waitForFinished(1500));
            rewritten = current.readAll().mid(s1.size());
            replacement.write(rewritten);
            return FileSystem::Rewrite::Replace;
        },
        nullptr));
    finishAppending();
    EXPECT_EQ(bytes(), rewritten + test::pythonCp950(appendedLine("X1")));
}

TEST_F(SharedRecordFile, RecordsAppendedDuringRewritesAreNeverLost) {
    folder.writeRecordsFile(BarcodeRecordFile::fileName(),
                            test::pythonCp950(line("S1", "0") + line("S2") + line("S3")));
    constexpr int appended = 300;
    startAppending(appended, QStringLiteral("X"));
    // Changes of record 1 rewrite the whole file again and again meanwhile.
    int rewrites = 0;
    while (appender.state() != QProcess::NotRunning || rewrites < 20) {
        const BarcodeRecordFile::ReadResult read = file.readAll();
        ASSERT_EQ(read.outcome, BarcodeRecordFile::ReadOutcome::Complete);
        RecordEntry entry = read.records[0].record.entry();
        entry[2] = QString::number(entry[2].toInt() + 1);
        ASSERT_TRUE(file.change(read.records[0], entry).written());
        ++rewrites;
        appender.waitForFinished(5);
    }
    finishAppending();
    const BarcodeRecordFile::ReadResult read = file.readAll();
    ASSERT_EQ(read.outcome, BarcodeRecordFile::ReadOutcome::Complete);
    QStringList barcodes;
    for (const StoredRecord& r : read.records)
        barcodes << r.record.barcode();
    QStringList expected{"S1", "S2", "S3"};
    for (int i = 1; i <= appended; ++i)
        expected << QStringLiteral("X%1").arg(i);
    QStringList lost;
    for (const QString& barcode : expected)
        if (!barcodes.contains(barcode))
            lost << barcode;
    EXPECT_TRUE(lost.isEmpty()) << lost.size() << " records lost: " << lost.join(' ').toStdString();
    EXPECT_EQ(barcodes, expected);
    EXPECT_EQ(read.records[0].record[2], QString::number(rewrites));
}
