// brevmark-batch as scripts run it: a child process without DISPLAY or QT_QPA_PLATFORM, over a
// data folder python3 writes (code page 950, CR LF). Every PDF is rasterised at 600 dpi and each
// label read by zbarimg and by ZXing.
#include "BatchLabels.h"
#include "BatchProcess.h"

#include "support/FixtureScript.h"
#include "support/PrintedPageReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

// Labels of format 商品/價格 (3600 x 1200 twips) as the simple print flows them from (300, 300):
// three to a row, 20 twips apart.
QList<LabelPlace> flowed(int count) {
    QList<LabelPlace> places;
    for (int k = 0; k < count; ++k)
        places << LabelPlace{0, QRectF(300 + (k % 3) * 3620, 300 + (k / 3) * 1220, 3600, 1200)};
    return places;
}

QStringList codes(const char* prefix, const QList<int>& numbers) {
    QStringList list;
    for (int n : numbers)
        list << QStringLiteral("%1-%2")
                    .arg(QString::fromLatin1(prefix))
                    .arg(n, 3, 10, QLatin1Char('0'));
    return list;
}

QList<int> oneTo(int n) {
    QList<int> list;
    for (int k = 1; k <= n; ++k)
        list << k;
    return list;
}

// Names, sizes, times and contents of everything under a folder.
QStringList snapshot(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const FileState s = fileState(path);
        entries << path + QLatin1Char(' ') + QString::number(s.modified) + QLatin1Char(' ') +
                       QString::fromLatin1(s.bytes.toBase64());
    }
    entries.sort();
    return entries;
}

class BatchProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const QString missing = printed::missingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "skipped: " << missing.toStdString();
        ASSERT_TRUE(work.isValid());
        makeData(QString());
    }
    void makeData(const QString& variant) {
        QDir(data()).removeRecursively();
        QStringList arguments{data()};
        if (!variant.isEmpty())
            arguments << variant;
        runFixtureScript(QStringLiteral("tests/batch/fixtures/batch_data.py"), arguments);
    }
    QString data() const { return work.filePath(QStringLiteral("program")); }
    QString in(const QString& name) const { return data() + QLatin1Char('/') + name; }
    QString pdf(const char* name = "out.pdf") const {
        return work.filePath(QString::fromUtf8(name));
    }

    // Runs the command with the data folder and a PDF output; expects it to succeed.
    ReadLabels printed(QStringList arguments, const QList<LabelPlace>& places) {
        arguments << QStringLiteral("--data") << data() << QStringLiteral("--output") << pdf();
        const BatchResult r = runBatch(arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, QString()) << "nothing to say on success";
        return readLabels(pdf(), places, work.path());
    }
    void expectRead(const ReadLabels& read, const QStringList& expected) {
        EXPECT_EQ(read.zbar, expected) << "zbarimg";
        EXPECT_EQ(read.zxing, expected) << "ZXing";
    }

    QTemporaryDir work;
};

TEST_F(BatchProgram, LayoutOfThreeItemsPrintsAsThePageEditorPlacesIt) {
    const ReadLabels read = printed({QStringLiteral("layout"), QStringLiteral("三個標籤")},
                                    {{0, QRectF(300, 300, 3600, 900)},
                                     {0, QRectF(4200, 300, 3600, 900)},
                                     {0, QRectF(300, 1500, 3600, 900)}});
    EXPECT_EQ(read.pages, 1);
    expectRead(read,
               {QStringLiteral("LAY-A1"), QStringLiteral("LAY-B2"), QStringLiteral("LAY-C3")});
    EXPECT_TRUE(pdfText(pdf()).contains(QStringLiteral("第二個")));
}

TEST_F(BatchProgram, AStoredResolutionBeyondAnInchIsPassedOver) {
    // Bars that far apart would overflow every place on paper; the resolution in force stays.
    makeData(QStringLiteral("far-resolution"));
    const ReadLabels read = printed({QStringLiteral("layout"), QStringLiteral("三個標籤")},
                                    {{0, QRectF(300, 300, 3600, 900)},
                                     {0, QRectF(4200, 300, 3600, 900)},
                                     {0, QRectF(300, 1500, 3600, 900)}});
    expectRead(read,
               {QStringLiteral("LAY-A1"), QStringLiteral("LAY-B2"), QStringLiteral("LAY-C3")});
}

TEST_F(BatchProgram, FormatMergedWithTheRecordFilePrintsOneLabelPerRecord) {
    const ReadLabels read =
        printed({QStringLiteral("format"), QStringLiteral("商品"), QStringLiteral("價格"),
                 QStringLiteral("--records"), in(QStringLiteral("記錄資料/條碼檔.zip"))},
                flowed(10) << LabelPlace{0, QRectF(300, 4960, 3600, 1200)});
    EXPECT_EQ(read.pages, 1);
    expectRead(read, codes("BM", oneTo(10)) << QString());
    // {名稱} and {售價} print the record's fields; other labels print as they are.
    const QString text = pdfText(pdf());
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(text.contains(QStringLiteral("品名%1\n").arg(n))) << n;
        EXPECT_TRUE(text.contains(QStringLiteral("NT$%1\n").arg(n * 10))) << n;
    }
    EXPECT_EQ(text.count(QStringLiteral("特價")), 10);
    EXPECT_FALSE(text.contains(QLatin1Char('{')));
}

TEST_F(BatchProgram, FormatMergedWithAUtf8Csv) {
    const ReadLabels read =
        printed({QStringLiteral("format"), QStringLiteral("商品"), QStringLiteral("價格"),
                 QStringLiteral("--records"), in(QStringLiteral("records.csv"))},
                flowed(10));
    expectRead(read, codes("CSV", oneTo(10)));
    EXPECT_TRUE(pdfText(pdf()).contains(QStringLiteral("品名7\n")));
}

TEST_F(BatchProgram, FiltersSelectRecordsAsTheManagersFilterDoes) {
    // A prefix of the field, exact comparison; several filters must all hold.
    const QStringList base{QStringLiteral("format"), QStringLiteral("商品"), QStringLiteral("價格"),
                           QStringLiteral("--records"), in(QStringLiteral("記錄資料/條碼檔.zip"))};
    ReadLabels read = printed(
        QStringList(base) << QStringLiteral("--filter") << QStringLiteral("種類=食"), flowed(6));
    expectRead(read, codes("BM", {1, 3, 5, 7, 9}) << QString());

    read = printed(QStringList(base) << QStringLiteral("--filter=名稱=品名1")
                                     << QStringLiteral("--filter") << QStringLiteral("種類=文具"),
                   flowed(2));
    expectRead(read, {QStringLiteral("BM-010"), QString()});
}

TEST_F(BatchProgram, CopiesRepeatEachLabelInTurn) {
    const ReadLabels read =
        printed({QStringLiteral("format"), QStringLiteral("商品"), QStringLiteral("價格"),
                 QStringLiteral("--records"), in(QStringLiteral("records.tsv")),
                 QStringLiteral("--copies"), QStringLiteral("2")},
                flowed(6));
    expectRead(read, {"TSV-001", "TSV-001", "TSV-002", "TSV-002", "TSV-003", "TSV-003"});
}

TEST_F(BatchProgram, LabelPrinterPagesHoldOneLabelEachAtTheirSize) {
    QList<LabelPlace> pages;
    for (int p = 0; p < 4; ++p)
        pages << LabelPlace{p, QRectF(0, 0, 3600, 1200)};
    ReadLabels read = printed({QStringLiteral("--label-printer"), QStringLiteral("format"),
                               QStringLiteral("商品"), QStringLiteral("價格"),
                               QStringLiteral("--records"), in(QStringLiteral("records.tsv"))},
                              pages);
    EXPECT_EQ(read.pages, 3);
    EXPECT_EQ(read.pageSizes, QList<QSize>(3, QSize(1500, 500)));
    expectRead(read, {"TSV-001", "TSV-002", "TSV-003", "<no page>"});

    // The printer kind of TOP.reg does the same; --page-printer overrides it.
    makeData(QStringLiteral("label-printer"));
    read = printed({QStringLiteral("format"), QStringLiteral("貨架"), QStringLiteral("標準"),
                    QStringLiteral("--copies"), QStringLiteral("2")},
                   {{0, QRectF(0, 0, 3600, 900)}, {1, QRectF(0, 0, 3600, 900)}});
    EXPECT_EQ(read.pages, 2);
    expectRead(read, {"SHELF-01", "SHELF-01"});
    read =
        printed({QStringLiteral("--page-printer"), QStringLiteral("format"), QStringLiteral("貨架"),
                 QStringLiteral("標準"), QStringLiteral("--copies"), QStringLiteral("2")},
                {{0, QRectF(300, 300, 3600, 900)}, {0, QRectF(3920, 300, 3600, 900)}});
    EXPECT_EQ(read.pages, 1);
    expectRead(read, {"SHELF-01", "SHELF-01"});
}

TEST_F(BatchProgram, ArrangementUsesTheStoredGapsAndStart) {
    // TOP.reg: 列印排列 20 40 10 30, that is gaps of 300 and 600 twips from (150, 450).
    makeData(QStringLiteral("arranged"));
    QList<LabelPlace> places;
    for (int k = 0; k < 5; ++k)
        places << LabelPlace{0, QRectF(150 + (k % 3) * 3900, 450 + (k / 3) * 1800, 3600, 1200)};
    const ReadLabels read = printed({QStringLiteral("format"), QStringLiteral("商品"),
                                     QStringLiteral("價格"), QStringLiteral("--records"),
                                     in(QStringLiteral("records.csv")), QStringLiteral("--filter"),
                                     QStringLiteral("種類=食"), QStringLiteral("--arrangement")},
                                    places);
    expectRead(read, codes("CSV", {1, 3, 5, 7, 9}));
}

TEST_F(BatchProgram, PicturesPrintAndAMissingOneIsToldButLeftEmpty) {
    printed({QStringLiteral("format"), QStringLiteral("貨架"), QStringLiteral("圖示")}, {});
    const QList<QImage> pages = printed::rasterise(pdf(), work.path());
    ASSERT_EQ(pages.size(), 1);
    // logo.bmp at (2700, 60) of the item at (300, 300), 600 twips square: half of it is black.
    const int ink = printed::inkCount(pages[0], printed::toPixels(QRectF(3000, 360, 600, 600)));
    const int area = printed::toPixels(QRectF(3000, 360, 600, 600)).width() *
                     printed::toPixels(QRectF(3000, 360, 600, 600)).height();
    EXPECT_NEAR(double(ink) / area, 0.5, 0.1);

    const BatchResult r = runBatch({QStringLiteral("--data"), data(), QStringLiteral("format"),
                                    QStringLiteral("貨架"), QStringLiteral("缺圖"),
                                    QStringLiteral("--output"), pdf("missing.pdf")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("missing.bmp"))) << r.err.toStdString();
    EXPECT_EQ(readLabels(pdf("missing.pdf"), {{0, QRectF(300, 300, 3600, 900)}}, work.path()).zbar,
              QStringList{QStringLiteral("NOPIC-1")});
}

TEST_F(BatchProgram, NeedsNoDisplayWhateverThePlatformVariableSays) {
    QProcessEnvironment env = headlessEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const BatchResult r = runBatch({QStringLiteral("--data"), data(), QStringLiteral("layout"),
                                    QStringLiteral("三個標籤"), QStringLiteral("--output"), pdf()},
                                   env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(pdf()));
}

TEST_F(BatchProgram, LinksNoWidgetsAndNoPrintSupport) {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {batchProgram()});
    ASSERT_TRUE(ldd.waitForFinished(20000));
    const QString libraries = QString::fromUtf8(ldd.readAllStandardOutput());
    EXPECT_TRUE(libraries.contains(QStringLiteral("libQt6Gui"))) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains(QStringLiteral("libQt6Widgets"))) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains(QStringLiteral("libQt6PrintSupport")))
        << libraries.toStdString();
}

TEST_F(BatchProgram, HelpAndVersion) {
    BatchResult r = runBatch({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("用法：brevmark-batch"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("--records")));
    r = runBatch({QStringLiteral("--version")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("brevmark-batch "))) << r.out.toStdString();
}

TEST_F(BatchProgram, ProgressLineOnlyOnATerminal) {
    const QStringList arguments{QStringLiteral("--data"),
                                data(),
                                QStringLiteral("--label-printer"),
                                QStringLiteral("format"),
                                QStringLiteral("貨架"),
                                QStringLiteral("標準"),
                                QStringLiteral("--copies"),
                                QStringLiteral("3"),
                                QStringLiteral("--output"),
                                pdf()};
    BatchResult r = runBatch(arguments);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QString());

    // Standard error on a pseudo-terminal of python3's.
    QProcess terminal;
    terminal.setProcessEnvironment(headlessEnvironment());
    terminal.start(QStringLiteral("python3"),
                   QStringList{QStringLiteral(BREVMARK_SOURCE_DIR "/tests/batch/on_terminal.py"),
                               batchProgram()} +
                       arguments);
    ASSERT_TRUE(terminal.waitForFinished(120000));
    EXPECT_EQ(terminal.exitCode(), 0);
    const QString shown = QString::fromUtf8(terminal.readAllStandardOutput());
    EXPECT_TRUE(shown.contains(QStringLiteral("列印第 1 頁，共 3 頁"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("列印第 3 頁，共 3 頁"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QLatin1Char('\n'))) << shown.toStdString();
}

// ---------------------------------------------------------------- failures

struct FailureCase {
    const char* name;
    QStringList arguments; // %D the data folder, %O the output PDF
    int exitCode;
    const char* says;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class BatchFailures : public BatchProgram, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(BatchFailures, SayWhyEndWithTheirStatusAndWriteNothing) {
    const FailureCase& c = GetParam();
    // An earlier PDF of the same name stays as it was.
    const QString kept = pdf("kept.pdf");
    {
        QFile f(kept);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("an earlier PDF");
    }
    const QStringList dataBefore = snapshot(data());
    QStringList arguments;
    for (QString a : c.arguments)
        arguments << a.replace(QStringLiteral("%D"), data()).replace(QStringLiteral("%O"), kept);
    const BatchResult r = runBatch(arguments);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("brevmark-batch: "))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    EXPECT_EQ(r.out, QString());
    EXPECT_EQ(fileState(kept).bytes, QByteArray("an earlier PDF"));
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")})
        << "no other file, not even a temporary one";
    EXPECT_EQ(snapshot(data()), dataBefore) << "the data folder is left as it was";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchFailures,
    ::testing::Values(
        FailureCase{"NoCommand", args({"--data", "%D", "--output", "%O"}), 2, "layout"},
        FailureCase{"UnknownOption", args({"--data", "%D", "--bogus", "layout", "三個標籤"}), 2,
                    "--bogus"},
        FailureCase{
            "PrinterAndOutput",
            args({"--data", "%D", "layout", "三個標籤", "--printer", "q", "--output", "%O"}), 2,
            "只能選一個"},
        FailureCase{"LayoutNameLeadingOut",
                    args({"--data", "%D", "layout", "../三個標籤", "--output", "%O"}), 2, "不可含"},
        FailureCase{"NoDataFolder",
                    args({"--data", "%D/none", "layout", "三個標籤", "--output", "%O"}), 3,
                    "找不到程式資料夾"},
        FailureCase{"NoRecordsFolder",
                    args({"--data", "%D/圖形資料", "layout", "三個標籤", "--output", "%O"}), 3,
                    "記錄資料"},
        FailureCase{"NoSuchLayout", args({"--data", "%D", "layout", "沒有", "--output", "%O"}), 3,
                    "找不到排版「沒有」"},
        FailureCase{"NoSuchFormat",
                    args({"--data", "%D", "format", "貨架", "沒有", "--output", "%O"}), 3,
                    "找不到條碼格式"},
        FailureCase{"NoSuchRecordFile",
                    args({"--data", "%D", "format", "商品", "價格", "--records", "%D/none.csv",
                          "--output", "%O"}),
                    3, "找不到記錄檔"},
        FailureCase{"DamagedRecordFile",
                    args({"--data", "%D", "format", "商品", "價格", "--records", "%D/damaged.zip",
                          "--output", "%O"}),
                    4, "第 10 筆記錄損壞"},
        FailureCase{"DamagedLayout", args({"--data", "%D", "layout", "壞掉", "--output", "%O"}), 4,
                    "壞掉.wab 無法使用"},
        FailureCase{"UnprintableBarcode",
                    args({"--data", "%D", "format", "商品", "價格", "--records",
                          "%D/bad-barcode.csv", "--output", "%O"}),
                    4, "第 3 行的條碼「AB*C」含有 Code 39 無法列印的字元「*」"},
        // The symbol would run past the label's edge, where the print stops: it could not scan.
        FailureCase{"BarcodeLongerThanTheLabel",
                    args({"--data", "%D", "format", "商品", "價格", "--records",
                          "%D/long-barcode.zip", "--output", "%O"}),
                    4, "第 2 筆記錄的條碼「LLLL"},
        FailureCase{"UnknownFilterField",
                    args({"--data", "%D", "format", "商品", "價格", "--records", "%D/records.csv",
                          "--filter", "產地=台", "--output", "%O"}),
                    5, "--filter 的欄位「產地」"},
        FailureCase{"UnknownLabelField",
                    args({"--data", "%D", "format", "商品", "錯欄", "--records", "%D/records.csv",
                          "--output", "%O"}),
                    5, "{產地}"},
        FailureCase{"UnwritableOutput",
                    args({"--data", "%D", "layout", "三個標籤", "--output", "%D/none/x.pdf"}), 7,
                    "無法寫入"},
        FailureCase{"FilterKeepsNothing",
                    args({"--data", "%D", "format", "商品", "價格", "--records", "%D/records.csv",
                          "--filter", "種類=衣", "--output", "%O"}),
                    8, "沒有符合篩選條件的記錄"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(BatchProgram, DamagedSettingsAreToldNeverRepaired) {
    makeData(QStringLiteral("damaged-settings"));
    const QString settings = in(QStringLiteral("記錄資料/TOP.reg"));
    const FileState before = fileState(settings);
    const BatchResult r = runBatch({QStringLiteral("--data"), data(), QStringLiteral("layout"),
                                    QStringLiteral("三個標籤"), QStringLiteral("--output"), pdf()});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_TRUE(r.err.contains(QStringLiteral("TOP.reg 無法使用"))) << r.err.toStdString();
    EXPECT_EQ(fileState(settings), before);
    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(BatchProgram, ADamagedRecordFileInTheDataFolderStaysByteForByte) {
    const QString records = in(QStringLiteral("記錄資料/條碼檔.zip"));
    ASSERT_TRUE(QFile::remove(records));
    ASSERT_TRUE(QFile::copy(in(QStringLiteral("damaged.zip")), records));
    const FileState before = fileState(records);
    const BatchResult r =
        runBatch({QStringLiteral("--data"), data(), QStringLiteral("format"),
                  QStringLiteral("商品"), QStringLiteral("價格"), QStringLiteral("--records"),
                  records, QStringLiteral("--output"), pdf()});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(fileState(records), before);
    EXPECT_FALSE(QFile::exists(records + QLatin1Char('_')));
    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(BatchProgram, NoPrinterWithoutAScheduler) {
    QProcessEnvironment env = headlessEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), work.filePath(QStringLiteral("no-such-socket")));
    for (const QStringList& target :
         {QStringList{}, QStringList{QStringLiteral("--printer"), QStringLiteral("any")}}) {
        const BatchResult r =
            runBatch(QStringList{QStringLiteral("--data"), data(), QStringLiteral("layout"),
                                 QStringLiteral("三個標籤")} +
                         target,
                     env);
        EXPECT_EQ(r.exitCode, 6) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(target.isEmpty() ? QStringLiteral("沒有預設印表機")
                                                    : QStringLiteral("找不到印表機「any」")))
            << r.err.toStdString();
    }
}

} // namespace
} // namespace brevmark::test
