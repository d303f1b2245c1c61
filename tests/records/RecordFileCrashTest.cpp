#include "platform/LocalFileSystem.h"
#include "records/BarcodeRecordFile.h"
#include "records/TemporaryFiles.h"
#include "support/TempDataFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

QString recordLine(int i, const QString& name) {
    return QStringLiteral(
               "\"B%1\",\"類別%2★\",\"%3\",\"自訂 €%1\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
               "\"保留\",1\r\n")
        .arg(i)
        .arg(i % 17)
        .arg(name);
}

} // namespace

// A process that rewrites the record file is killed at random moments, again and again. Every
// time, before anything could repair or restore it, the file must be there, read completely and
// hold either the records before or after one of the rewrites.
TEST(RecordFileCrash, KilledRewritesLeaveTheOldOrTheNewRecords) {
    constexpr int recordCount = 1500;
    test::TempDataFolder folder;
    const QString records = folder.location().recordsFolder();
    const QString path = folder.recordsFile(BarcodeRecordFile::fileName());

    QString text = recordLine(0, QStringLiteral("0"));
    for (int i = 1; i < recordCount; ++i)
        text += recordLine(i, QStringLiteral("名稱%1").arg(i));
    const QByteArray original = test::pythonCp950(text);
    folder.writeRecordsFile(BarcodeRecordFile::fileName(), original);
    const QList<QByteArray> originalLines = original.split('\n');

    QRandomGenerator random(20240611);
    long lastCount = 0;
    int changedRounds = 0;
    constexpr int rounds = 40;
    for (int round = 0; round < rounds; ++round) {
        QProcess rewriter;
        rewriter.start(QStringLiteral(BREVMARK_RECORD_REWRITER), {records});
        ASSERT_TRUE(rewriter.waitForStarted());
        // The random moment counts from the end of the first rewrite, however long a busy machine
        // takes to start the process and read the file: every round kills a rewriter at work.
        ASSERT_TRUE(rewriter.waitForReadyRead(30000));
        QThread::msleep(random.bounded(120));
        rewriter.kill();
        rewriter.waitForFinished();
        ASSERT_EQ(rewriter.exitStatus(), QProcess::CrashExit)
            << "the rewriter stopped by itself: " << rewriter.readAllStandardError().constData();

        ASSERT_TRUE(QFile::exists(path)) << "round " << round;
        LocalFileSystem files;
        BarcodeRecordFile file(files, records);
        const auto read = file.readAll();
        ASSERT_EQ(read.outcome, BarcodeRecordFile::ReadOutcome::Complete) << "round " << round;
        ASSERT_EQ(read.records.size(), recordCount);

        // Record 0 only ever changes its name; records 1 and 2 only ever trade places; every
        // other line stays byte for byte.
        const long count = read.records[0].record[2].toLong();
        EXPECT_GE(count, lastCount);
        if (count > lastCount)
            ++changedRounds;
        lastCount = count;
        const QStringList pair{read.records[1].record.barcode(), read.records[2].record.barcode()};
        EXPECT_TRUE(pair == QStringList({"B1", "B2"}) || pair == QStringList({"B2", "B1"}));
        const QList<QByteArray> lines =
            folder.readRecordsFile(BarcodeRecordFile::fileName()).split('\n');
        ASSERT_EQ(lines.size(), originalLines.size());
        for (int i = 3; i < recordCount; ++i)
            ASSERT_EQ(lines[i], originalLines[i]) << "round " << round << " line " << i + 1;

        // The next start clears what the killed rewrite left behind.
        tidyTemporaryFiles(files, records);
        EXPECT_FALSE(QFile::exists(FileSystem::temporaryPath(path)));
    }
    // Every round changed the file before its kill.
    EXPECT_EQ(changedRounds, rounds);
}
