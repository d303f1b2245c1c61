// brevmark-batch printing through real CUPS: a scheduler of the test's own (the machine's
// printing stays as it is) with its default queue and a second, named one, each writing its jobs
// as PDFs that are rasterised at 600 dpi and read by zbarimg and ZXing; and queues with printers'
// own drivers (Zebra ZPL, PostScript, HP LaserJet PCL) whose output is read back as the printer's
// dots.
#include "BatchLabels.h"
#include "BatchProcess.h"

#include "support/FixtureScript.h"
#include "support/PclRaster.h"
#include "support/PrintedPageReader.h"
#include "support/PrivateCupsScheduler.h"
#include "support/TestTemplates.h"
#include "support/ZplGraphics.h"

#include <QDir>
#include <QSet>
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

// Every narrow bar the same whole number of dots, every wide bar the same, and so the spaces:
// what a scanner at its default settings needs of a printed symbol.
void expectEvenBars(const printed::BarWidths& read, const std::string& what) {
    const QSet<int> bars(read.bars.begin(), read.bars.end());
    const QSet<int> spaces(read.spaces.begin(), read.spaces.end());
    EXPECT_EQ(bars.size(), 2) << what << ": bar widths in dots "
                              << ::testing::PrintToString(read.bars);
    EXPECT_EQ(spaces.size(), 2) << what << ": space widths in dots "
                                << ::testing::PrintToString(read.spaces);
}

// brevmark-batch on queues with a printer's own CUPS driver: the Zebra ZPL label printer at 203
// dpi, whose job is decoded from the driver's ZPL graphics, a PostScript printer at 300 dpi,
// whose job Ghostscript rasterises as the printer's interpreter would, and an HP LaserJet at 300
// dpi on A4, whose PCL raster is read as the printer's dots.
class BatchOnPrinterDrivers : public BatchOnCups {
protected:
    void SetUp() override {
        BatchOnCups::SetUp();
        if (IsSkipped())
            return;
        QString why;
        ASSERT_TRUE(cups.addDriverQueue(zebra, QStringLiteral("drv:///sample.drv/zebra.ppd"),
                                        {QStringLiteral("PageSize=w288h144")}, &why))
            << why.toStdString();
        ASSERT_TRUE(cups.addDriverQueue(postScript, QStringLiteral("drv:///sample.drv/generic.ppd"),
                                        {QStringLiteral("PageSize=A4")}, &why))
            << why.toStdString();
        ASSERT_TRUE(cups.addDriverQueue(
            laserJet, QStringLiteral("drv:///sample.drv/laserjet.ppd"),
            {QStringLiteral("PageSize=A4"), QStringLiteral("Resolution=300dpi")}, &why))
            << why.toStdString();
    }
    BatchResult printOn(const QString& queue, const QString& kind) {
        return print({QStringLiteral("--printer"), queue, kind});
    }

    // A format, once per barcode record, onto a stock sheet of the tests' template database on a
    // queue.
    BatchResult printSheet(const QString& category, const QString& format, const QString& sheet,
                           const QString& queue) {
        QProcessEnvironment environment = headlessEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_DIRS"), templates.dataDirs());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), templates.dataHome());
        return runBatch({QStringLiteral("--data"), data(), QStringLiteral("format"), category,
                         format, QStringLiteral("--records"),
                         data() + QStringLiteral("/記錄資料/條碼檔.zip"), QStringLiteral("--sheet"),
                         sheet, QStringLiteral("--printer"), queue},
                        environment);
    }

    const QString zebra = QStringLiteral("zebra-zpl");
    const QString postScript = QStringLiteral("postscript-300");
    const QString laserJet = QStringLiteral("laserjet-pcl");
    TestTemplates templates;
};

struct LabelMedia {
    const char* name;
    const char* userChoice; // lpoptions for the queue; empty: the queue's default, 4 x 2 in
    QSize dots;             // the label at 203 dpi
};

class BatchOnZebraMedia : public BatchOnPrinterDrivers,
                          public ::testing::WithParamInterface<LabelMedia> {};

TEST_P(BatchOnZebraMedia, EveryLabelIsTheQueuesMediaAndEverySymbolReads) {
    const LabelMedia media = GetParam();
    if (*media.userChoice) {
        QString why;
        ASSERT_TRUE(cups.setUserOptions(zebra, {QString::fromLatin1(media.userChoice)}, &why))
            << why.toStdString();
    }
    const BatchResult r = printOn(zebra, QStringLiteral("--label-printer"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray job = cups.waitForPrinterData(zebra);
    ASSERT_FALSE(job.isEmpty()) << "no job arrived; the scheduler's log:\n"
                                << cups.errorLog().toStdString();
    const QList<QImage> labels = zpl::graphics(job);
    ASSERT_EQ(labels.size(), 3) << "one graphic per label";
    const QStringList texts{"TSV-001", "TSV-002", "TSV-003"};
    for (int k = 0; k < 3; ++k) {
        const std::string what = "label " + std::to_string(k + 1);
        // The graphic covers the label (its rows padded to whole bytes), not a scaled page.
        EXPECT_EQ(labels[k].height(), media.dots.height()) << what;
        EXPECT_EQ((labels[k].width() + 7) / 8, (media.dots.width() + 7) / 8) << what;
        const printed::Readings read =
            printed::readImage(labels[k], work.path(), QStringLiteral("label%1").arg(k));
        EXPECT_EQ(read.zbar, QStringList{texts[k]}) << "zbarimg, " << what;
        EXPECT_EQ(read.zxing, QStringList{texts[k]}) << "ZXing, " << what;
        expectEvenBars(printed::barWidths(labels[k], 5 * (7 + 2)), what);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Media, BatchOnZebraMedia,
    ::testing::Values(LabelMedia{"QueueDefault4x2in", "", QSize(812, 406)},
                      LabelMedia{"UserChoice3x2in", "PageSize=w216h144", QSize(609, 406)}),
    [](const ::testing::TestParamInfo<LabelMedia>& info) { return std::string(info.param.name); });

TEST_F(BatchOnPrinterDrivers, PostScriptPrinterAt300DotsReadsEverySymbolWithEvenBars) {
    const BatchResult r = printOn(postScript, QStringLiteral("--page-printer"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray job = cups.waitForPrinterData(postScript);
    ASSERT_FALSE(job.isEmpty()) << cups.errorLog().toStdString();
    const QList<QImage> pages = printed::rasterisePostScript(job, work.path(), 300);
    ASSERT_EQ(pages.size(), 1);
    // The queue's A4, as the printer lays it out.
    EXPECT_NEAR(pages[0].width(), 2480, 2);
    EXPECT_NEAR(pages[0].height(), 3508, 2);
    const QStringList texts{"TSV-001", "TSV-002", "TSV-003"};
    for (int k = 0; k < 3; ++k) {
        const QRectF twips(300 + k * 3620, 300, 3600, 1200);
        const QRect dots(qRound(twips.left() / 4.8), qRound(twips.top() / 4.8),
                         qRound(twips.width() / 4.8), qRound(twips.height() / 4.8));
        const std::string what = "label " + std::to_string(k + 1);
        const QImage label = pages[0].copy(dots);
        const printed::Readings read =
            printed::readImage(label, work.path(), QStringLiteral("ps%1").arg(k));
        EXPECT_EQ(read.zbar, QStringList{texts[k]}) << "zbarimg, " << what;
        EXPECT_EQ(read.zxing, QStringList{texts[k]}) << "ZXing, " << what;
        expectEvenBars(printed::barWidths(label, 5 * (7 + 2)), what);
    }
}

TEST_F(BatchOnPrinterDrivers, LetterSheetOnAnA4LaserJetAsksForLetterAndEverySymbolReads) {
    // Brevtest L30: US Letter, 30 labels of 2.625 x 1 in from (0.1875, 0.5) in, 2.75 in apart;
    // the queue prints on A4 unless a job asks for other paper.
    const BatchResult r = printSheet(QStringLiteral("商品"), QStringLiteral("價格"),
                                     QStringLiteral("Brevtest L30"), laserJet);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray data = cups.waitForPrinterData(laserJet);
    ASSERT_FALSE(data.isEmpty()) << cups.errorLog().toStdString();
    const pcl::Job job = pcl::read(data);
    ASSERT_EQ(job.error, QString());
    EXPECT_EQ(job.dotsPerInch, 300);
    ASSERT_EQ(job.pages.size(), 1);
    EXPECT_EQ(job.pages[0].paper.size(), QSize(2550, 3300)) << "US Letter at 300 dpi";
    for (int k = 0; k < 10; ++k) {
        const std::string what = "label " + std::to_string(k + 1);
        const QRect label(qRound((0.1875 + k % 3 * 2.75) * 300), qRound((0.5 + k / 3) * 300),
                          qRound(2.625 * 300), 300);
        const QImage printed = job.pages[0].paper.copy(label);
        const QString text = QStringLiteral("BM-%1").arg(k + 1, 3, 10, QLatin1Char('0'));
        const printed::Readings read =
            printed::readImage(printed, work.path(), QStringLiteral("pcl%1").arg(k));
        EXPECT_EQ(read.zbar, QStringList{text}) << "zbarimg, " << what;
        EXPECT_EQ(read.zxing, QStringList{text}) << "ZXing, " << what;
        expectEvenBars(printed::barWidths(printed, 5 * (6 + 2)), what);
    }
}

TEST_F(BatchOnPrinterDrivers, ASheetWhosePaperTheQueueLacksIsRefusedBeforeAnythingPrints) {
    // CUPS's DYMO driver offers its label sizes only: no A4, no custom size.
    const QString dymo = QStringLiteral("dymo");
    QString why;
    ASSERT_TRUE(cups.addDriverQueue(dymo, QStringLiteral("drv:///sample.drv/dymo.ppd"), {}, &why))
        << why.toStdString();
    const BatchResult r = printSheet(QStringLiteral("商品"), QStringLiteral("價格"),
                                     QStringLiteral("Brevtest L30"), dymo);
    EXPECT_EQ(r.exitCode, 6) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("印表機「dymo」沒有 US-Letter（215.9 × 279.4 mm，標籤紙 "
                                              "Brevtest L30）這種紙張（它有 w81h252、")))
        << r.err.toStdString();
    EXPECT_TRUE(cups.waitForPrinterData(dymo, 5000).isEmpty()) << "nothing printed";
}

} // namespace
} // namespace brevmark::test
