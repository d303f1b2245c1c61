// What brevmark-batch prints is what the program prints: the layout of the batch tests' data
// folder is put on a page model as the page editor takes it and printed with the program's own
// printer (Qt's print support), then printed by the batch command; both documents rasterise at
// 600 dpi to the same pixels, to a PDF file and through a CUPS queue.
#include "BatchProcess.h"
#include "PrintDoubles.h"

#include "page/LayoutPlacement.h"
#include "platform/LocalFileSystem.h"
#include "platform/QtPictureLoader.h"
#include "platform/qt/QtPrinter.h"
#include "print/PrintCommands.h"
#include "print/PrintSettings.h"
#include "records/LayoutFile.h"
#include "support/FixtureScript.h"
#include "support/PrintedPageReader.h"
#include "support/PrivateCupsScheduler.h"
#include "support/ScriptedMessageBoxes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

class BatchParity : public ::testing::Test {
protected:
    void SetUp() override {
        const QString missing = printed::missingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "skipped: " << missing.toStdString();
        ASSERT_TRUE(work.isValid());
        runFixtureScript(QStringLiteral("tests/batch/fixtures/batch_data.py"), {data()});
    }
    QString data() const { return work.filePath(QStringLiteral("program")); }

    // The layout printed by the program's print command on `printer`.
    void printWithTheProgram(const PrinterFactory& printer) {
        LocalFileSystem files;
        LayoutFile file(files);
        const std::optional<Layout> layout =
            file.read(data() + QStringLiteral("/記錄資料/三個標籤.wab"));
        ASSERT_TRUE(layout);
        PageModel model;
        QtPictureLoader pictures;
        ASSERT_EQ(
            LayoutPlacement::place(model, *layout, [](const QString&) { return true; }).size(), 3);
        FakePrintHost host;
        const PrintSettings settings; // page printer, 7.2 twips, as the data folder's TOP.reg
        PrintCommands commands(model, pictures, DataLocation(data()), printer, settings, host);
        commands.printPage();
        EXPECT_EQ(commands.failedItems(), 0);
    }
    QList<QImage> pages(const QString& pdf, const char* name) {
        const QString folder = work.filePath(QString::fromUtf8(name));
        QDir().mkpath(folder);
        return printed::rasterise(pdf, folder);
    }
    void expectSamePixels(const QList<QImage>& program, const QList<QImage>& batch) {
        ASSERT_EQ(program.size(), 1);
        ASSERT_EQ(batch.size(), 1);
        ASSERT_EQ(program[0].size(), batch[0].size());
        EXPECT_GT(printed::inkCount(batch[0], batch[0].rect()), 10000) << "something printed";
        int differing = 0;
        for (int y = 0; y < program[0].height(); ++y)
            differing += std::memcmp(program[0].constScanLine(y), batch[0].constScanLine(y),
                                     std::size_t(program[0].width())) != 0;
        EXPECT_EQ(differing, 0) << "rows of pixels that differ";
    }

    QTemporaryDir work;
};

TEST_F(BatchParity, APdfFileShowsWhatTheProgramsPdfShows) {
    const QString programPdf = work.filePath(QStringLiteral("program.pdf"));
    printWithTheProgram([&] { return std::make_unique<QtPrinter>(programPdf, 600); });
    const QString batchPdf = work.filePath(QStringLiteral("batch.pdf"));
    const BatchResult r =
        runBatch({QStringLiteral("--data"), data(), QStringLiteral("layout"),
                  QStringLiteral("三個標籤"), QStringLiteral("--output"), batchPdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    expectSamePixels(pages(programPdf, "program"), pages(batchPdf, "batch"));
}

TEST_F(BatchParity, ACupsJobPrintsWhatTheProgramsJobPrints) {
    const QString missing = PrivateCupsScheduler::missingParts();
    if (!missing.isEmpty())
        GTEST_SKIP() << "skipped: " << missing.toStdString();
    PrivateCupsScheduler cups;
    QString why;
    ASSERT_TRUE(cups.start(&why)) << why.toStdString();
    printWithTheProgram([] { return std::make_unique<QtPrinter>(); });
    const QString programPdf = cups.waitForPdf();
    ASSERT_FALSE(programPdf.isEmpty()) << cups.errorLog().toStdString();
    const BatchResult r = runBatch(
        {QStringLiteral("--data"), data(), QStringLiteral("layout"), QStringLiteral("三個標籤")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString batchPdf = cups.waitForPdf();
    ASSERT_FALSE(batchPdf.isEmpty()) << cups.errorLog().toStdString();
    expectSamePixels(pages(programPdf, "program"), pages(batchPdf, "batch"));
    cups.stop();
}

} // namespace
} // namespace brevmark::test
