// brevmark-batch --sheet and --list-sheets as scripts run them, over the tests' own template
// database (template_files.py, found through XDG_DATA_DIRS and XDG_DATA_HOME): a sheet of 65
// labels filled from 65 records on one A4 page, every symbol read by zbarimg and ZXing inside its
// own label, a US Letter sheet on Letter paper, and the refusals.
#include "BatchLabels.h"
#include "BatchProcess.h"

#include "support/FixtureScript.h"
#include "support/PrintedPageReader.h"
#include "support/TestTemplates.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

constexpr double mm = 1440 / 25.4;
constexpr double in = 1440;

class BatchSheet : public ::testing::Test {
protected:
    void SetUp() override {
        const QString missing = printed::missingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "skipped: " << missing.toStdString();
        ASSERT_TRUE(work.isValid());
        runFixtureScript(QStringLiteral("tests/batch/fixtures/batch_data.py"), {data()});
        environment.insert(QStringLiteral("XDG_DATA_DIRS"), templates.dataDirs());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), templates.dataHome());
    }
    QString data() const { return work.filePath(QStringLiteral("program")); }
    QString pdf() const { return work.filePath(QStringLiteral("out.pdf")); }
    BatchResult run(QStringList arguments) {
        arguments << QStringLiteral("--data") << data();
        return runBatch(arguments, environment);
    }

    QTemporaryDir work;
    TestTemplates templates;
    QProcessEnvironment environment = headlessEnvironment();
};

// Brevtest B65: 5 × 13 labels of 38.1 × 21.2 mm from (4.75, 10.7) mm, 40.6 and 21.2 mm apart.
QRectF b65Label(int k) {
    return {(4.75 + k % 5 * 40.6) * mm, (10.7 + k / 5 * 21.2) * mm, 38.1 * mm, 21.2 * mm};
}

TEST_F(BatchSheet, SixtyFiveRecordsFillOneA4SheetEachSymbolInsideItsLabel) {
    const BatchResult r = run({QStringLiteral("format"), QStringLiteral("標籤紙"),
                               QStringLiteral("小"), QStringLiteral("--records"),
                               data() + QStringLiteral("/sheet.csv"), QStringLiteral("--sheet"),
                               QStringLiteral("brevtest b65"), QStringLiteral("--output"), pdf()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
    QList<LabelPlace> places;
    QStringList expected;
    for (int k = 0; k < 65; ++k) {
        places << LabelPlace{0, b65Label(k)};
        expected << QStringLiteral("S%1").arg(k + 1, 2, 10, QLatin1Char('0'));
    }
    const ReadLabels read = readLabels(pdf(), places, work.path());
    EXPECT_EQ(read.pages, 1);
    EXPECT_NEAR(read.pageSizes.value(0).width(), 4961, 2) << "A4 at 600 dpi";
    EXPECT_NEAR(read.pageSizes.value(0).height(), 7016, 2);
    EXPECT_EQ(read.zbar, expected) << "zbarimg, left to right, then down";
    EXPECT_EQ(read.zxing, expected) << "ZXing";

    // No ink outside the labels: not in the margins, not in the gaps between the columns.
    const QTemporaryDir raster(work.path() + QStringLiteral("/ink-XXXXXX"));
    const QList<QImage> pages = printed::rasterise(pdf(), raster.path());
    ASSERT_EQ(pages.size(), 1);
    const double bottom = b65Label(64).bottom();
    QList<QRectF> outside{{0, 0, 210 * mm, b65Label(0).top()},
                          {0, bottom, 210 * mm, 297 * mm - bottom},
                          {0, 0, b65Label(0).left(), 297 * mm},
                          {b65Label(4).right(), 0, 210 * mm - b65Label(4).right(), 297 * mm}};
    for (int column = 0; column < 4; ++column)
        outside << QRectF(b65Label(column).right(), 0, 2.5 * mm, 297 * mm);
    for (const QRectF& r : outside)
        EXPECT_EQ(printed::inkCount(pages.first(), printed::toPixels(r.adjusted(8, 8, -8, -8))), 0)
            << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

TEST_F(BatchSheet, AUsLetterSheetPrintsOnLetterPagesPageAfterPage) {
    // 10 records, 4 copies each: 40 labels on Brevtest L30 (30 labels of 2.625 × 1 in from
    // (0.1875, 0.5) in, 2.75 in apart, margin 0.05 in), so a second page holds the last 10.
    const BatchResult r =
        run({QStringLiteral("format"), QStringLiteral("商品"), QStringLiteral("價格"),
             QStringLiteral("--records"), data() + QStringLiteral("/記錄資料/條碼檔.zip"),
             QStringLiteral("--copies"), QStringLiteral("4"),
             QStringLiteral("--sheet=Brevtest L30"), QStringLiteral("--output"), pdf()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QList<LabelPlace> places;
    QStringList expected;
    for (int k = 0; k < 40; ++k) {
        const int slot = k % 30;
        places << LabelPlace{
            k / 30, QRectF((0.1875 + slot % 3 * 2.75) * in, (0.5 + slot / 3) * in, 2.625 * in, in)};
        expected << QStringLiteral("BM-%1").arg(k / 4 + 1, 3, 10, QLatin1Char('0'));
    }
    const ReadLabels read = readLabels(pdf(), places, work.path());
    EXPECT_EQ(read.pages, 2);
    EXPECT_EQ(read.pageSizes, QList<QSize>(2, QSize(5100, 6600))) << "US Letter at 600 dpi";
    EXPECT_EQ(read.zbar, expected);
    EXPECT_EQ(read.zxing, expected);
}

TEST_F(BatchSheet, ListsTheSheetsThatHoldEveryWordAndTellsWhatWasLeftOut) {
    const BatchResult r =
        run({QStringLiteral("--list-sheets"), QStringLiteral("MINI"), QStringLiteral("65")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              QStringLiteral("Brevtest B65\t38.1 × 21.2 mm\t65\tA4\tMini labels 65 per sheet\n"
                             "Brevtest E65\t38.1 × 21.2 mm\t65\tA4\tMini labels 65 per sheet\n"
                             "Brevtest E65B\t38.1 × 21.2 mm\t65\tA4\tMini labels 65 per sheet\n"));
    // The broken file and the named pipe are named with their reasons; nothing waits for the pipe.
    EXPECT_TRUE(r.err.contains(QStringLiteral("broken-templates.xml：第 6 行")))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("pipe-templates.xml：不是一般檔案")));

    const BatchResult all = run({QStringLiteral("--list-sheets=card")});
    EXPECT_EQ(all.out, QStringLiteral("Brevtest CARD\t90 × 140 mm\t1\t100 × 150 mm\tCard\n"));
}

struct SheetFailure {
    const char* name;
    QStringList arguments;
    int exitCode;
    const char* says;
};

void PrintTo(const SheetFailure& c, std::ostream* os) {
    *os << c.name;
}

class BatchSheetFailures : public BatchSheet, public ::testing::WithParamInterface<SheetFailure> {};

TEST_P(BatchSheetFailures, SayWhyAndWriteNothing) {
    const SheetFailure& c = GetParam();
    QStringList arguments;
    for (QString a : c.arguments)
        arguments << a.replace(QStringLiteral("%D"), data()).replace(QStringLiteral("%O"), pdf());
    const BatchResult r = run(arguments);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    EXPECT_EQ(r.out, QString());
    EXPECT_FALSE(QFile::exists(pdf()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchSheetFailures,
    ::testing::Values(
        SheetFailure{"UnknownSheetNamesTheNearest",
                     args({"format", "標籤紙", "小", "--sheet", "Brevtest B56", "--output", "%O"}),
                     3, "找不到標籤紙「Brevtest B56」；最接近的有 Brevtest B65"},
        SheetFailure{"FormatLargerThanTheLabelNamesBothSizes",
                     args({"format", "商品", "價格", "--sheet", "Brevtest B65", "--output", "%O"}),
                     4,
                     "條碼格式「商品/價格」為 63.5 × 21.2 mm（3600 × 1200 twips），大於 Brevtest "
                     "B65 的標籤可放的 35.1 × 18.2 mm（標籤 38.1 × 21.2 mm，扣除邊界 1.5 mm）"},
        SheetFailure{"LabelPrinterRefused",
                     args({"format", "標籤紙", "小", "--sheet", "Brevtest B65", "--label-printer",
                           "--output", "%O"}),
                     2, "--label-printer"},
        SheetFailure{"LayoutRefused",
                     args({"layout", "三個標籤", "--sheet", "Brevtest B65", "--output", "%O"}), 2,
                     "--sheet 只能與 format 一起使用"},
        SheetFailure{"ArrangementRefused",
                     args({"format", "標籤紙", "小", "--sheet", "Brevtest B65", "--arrangement",
                           "--output", "%O"}),
                     2, "--arrangement"},
        SheetFailure{"NoSheetMatchesTheWords", args({"--list-sheets", "zzz"}), 3,
                     "沒有標籤紙的廠牌、型號或說明含有「zzz」"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchSheet, WithoutADatabaseTheSheetIsNotFoundAndTheFoldersAreNamed) {
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), work.filePath(QStringLiteral("none")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), work.filePath(QStringLiteral("none")));
    const BatchResult r = run({QStringLiteral("format"), QStringLiteral("標籤紙"),
                               QStringLiteral("小"), QStringLiteral("--sheet"),
                               QStringLiteral("Avery L7651"), QStringLiteral("--output"), pdf()});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains(QStringLiteral("找不到標籤紙範本資料庫"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(work.filePath(QStringLiteral("none/Brevmark/templates"))));
}

} // namespace
} // namespace brevmark::test
