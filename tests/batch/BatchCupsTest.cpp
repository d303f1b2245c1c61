// brevmark-batch printing through real CUPS: a scheduler of the test's own (the machine's
// printing stays as it is) with its default queue and a second, named one, each writing its jobs
// as PDFs that are rasterised at 600 dpi and read by zbarimg and ZXing.
#include "BatchLabels.h"
#include "BatchProcess.h"

#include "support/FixtureScript.h"
#include "support/PrintedPageReader.h"
#include "support/PrivateCupsScheduler.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

const QString secondQueue = QStringLiteral("brevmark-second");

class BatchOnCups : public ::testing::Test {
protected:
    void SetUp() override {
        QString missing = PrivateCupsScheduler::missingParts();
        if (missing.isEmpty())
            missing = printed::missingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "skipped: " << missing.toStdString();
        ASSERT_TRUE(work.isValid());
        runFixtureScript(QStringLiteral("tests/batch/fixtures/batch_data.py"), {data()});
        QString why;
        ASSERT_TRUE(cups.start(&why)) << why.toStdString();
        ASSERT_TRUE(cups.addQueue(secondQueue, &why)) << why.toStdString();
    }
    void TearDown() override { cups.stop(); }

    QString data() const { return work.filePath(QStringLiteral("program")); }
    // The run's environment: this process's, which now reaches the test's scheduler, without a
    // display.
    BatchResult print(const QStringList& target) {
        return runBatch(QStringList{QStringLiteral("--data"), data(), QStringLiteral("format"),
                                    QStringLiteral("商品"), QStringLiteral("價格"),
                                    QStringLiteral("--records"),
                                    data() + QStringLiteral("/records.tsv")} +
                        target);
    }
    void expectThreeLabels(const QString& pdf) {
        ASSERT_FALSE(pdf.isEmpty()) << "no job arrived; the scheduler's log:\n"
                                    << cups.errorLog().toStdString();
        QList<LabelPlace> places;
        for (int k = 0; k < 3; ++k)
            places << LabelPlace{0, QRectF(300 + k * 3620, 300, 3600, 1200)};
        const ReadLabels read = readLabels(pdf, places, work.path());
        EXPECT_EQ(read.pages, 1);
        // The queue's default media, A4 (210 x 297 mm), at 600 dpi.
        EXPECT_NEAR(read.pageSizes.value(0).width(), 4961, 2);
        EXPECT_NEAR(read.pageSizes.value(0).height(), 7016, 2);
        const QStringList expected{"TSV-001", "TSV-002", "TSV-003"};
        EXPECT_EQ(read.zbar, expected);
        EXPECT_EQ(read.zxing, expected);
    }

    PrivateCupsScheduler cups;
    QTemporaryDir work;
};

TEST_F(BatchOnCups, PrintsOnTheDefaultPrinter) {
    const BatchResult r = print({});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
    expectThreeLabels(cups.waitForPdf());
}

TEST_F(BatchOnCups, PrintsOnANamedQueueOnly) {
    const BatchResult r = print({QStringLiteral("--printer"), secondQueue});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    expectThreeLabels(cups.waitForPdf(90000, secondQueue));
    EXPECT_EQ(QDir(cups.outputFolder()).entryList(QDir::Files), QStringList())
        << "nothing went to the default queue";
}

TEST_F(BatchOnCups, AQueueOfNoSuchNameIsNoPrinter) {
    const BatchResult r = print({QStringLiteral("--printer"), QStringLiteral("no-such-queue")});
    EXPECT_EQ(r.exitCode, 6);
    EXPECT_TRUE(r.err.contains(QStringLiteral("找不到印表機「no-such-queue」")))
        << r.err.toStdString();
    EXPECT_TRUE(cups.waitForPdf(3000).isEmpty());
}

} // namespace
} // namespace brevmark::test
