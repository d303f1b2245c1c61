// Killing the program at any moment of a format save or delete never leaves the format file
// missing or unreadable: every rewrite replaces the whole file in one step.
#include "platform/LocalFileSystem.h"
#include "records/FormatRecordFile.h"
#include "support/TempDataFolder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

using namespace brevmark;

TEST(FormatCrashSafety, RandomKillsDuringSavesLeaveAReadableFile) {
    test::TempDataFolder data;
    const QString file = data.recordsFile(FormatRecordFile::fileName());
    // A file of a good size, so that kills also land while it is being written.
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("\"舊種類\",\"舊格式%1\",\"條碼\",\"3600\",\"900\",\"OLD-%1\","
                               "\"16777215\",\"1\",\"120 120 480\",\"False False False 0 10\","
                               "\"2 0 0 0\",\"\",1\r\n")
                    .arg(i);
    data.writeRecordsFile(FormatRecordFile::fileName(), test::pythonCp950(text));

    LocalFileSystem files;
    FormatRecordFile reader(files);
    QRandomGenerator random(20261209);
    int killsDuringWork = 0;
    for (int round = 0; round < 25; ++round) {
        QProcess helper;
        helper.start(QStringLiteral(BREVMARK_FORMAT_SAVE_LOOP), {data.location().recordsFolder()});
        ASSERT_TRUE(helper.waitForStarted(5000));
        ASSERT_TRUE(helper.waitForReadyRead(10000)) << "the helper never saved";
        QThread::msleep(random.bounded(1, 80));
        if (helper.state() == QProcess::Running)
            ++killsDuringWork;
        helper.kill(); // SIGKILL: no chance to clean up
        ASSERT_TRUE(helper.waitForFinished(5000));
        // Killed, not ended by a failed save of its own.
        EXPECT_EQ(helper.exitStatus(), QProcess::CrashExit)
            << helper.readAllStandardError().toStdString();

        ASSERT_TRUE(QFile::exists(file)) << "round " << round;
        const std::optional<QList<FormatRecord>> records = reader.read(file);
        ASSERT_TRUE(records) << "round " << round << ": " << reader.errorString().toStdString();
        ASSERT_GE(records->size(), 3000);
    }
    EXPECT_EQ(killsDuringWork, 25);
}
