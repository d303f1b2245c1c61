// Printing a full label page: 245 items, each a 10-character Code 39 symbol with two text labels
// beside it, into a PDF file through Qt's print support, and into a printer that only counts.

#include "page/PageModel.h"
#include "page/TagTable.h"
#include "platform/FontMetricsTwips.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureLoader.h"
#include "platform/qt/QtPrinter.h"
#include "print/PrintCommands.h"
#include "print/PrintHost.h"
#include "print/PrintSettings.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace brevmark {
namespace {

class NoPictures : public PictureLoader {
public:
    Picture load(const QString&, QString*) const override { return {}; }
};

class BenchHost : public PrintHost {
public:
    void setSimpleItemVisible(bool) override {}
    void refocusBarcodeEntry() override {}
    void closePanels() override {}
    LayoutMode layoutMode() const override { return LayoutMode::Professional; }
};

// A printer that draws nothing: the cost of the print job's own work.
class CountingPrinter : public Printer {
public:
    long long calls = 0;
    bool isAvailable() const override { return true; }
    QString name() const override { return QStringLiteral("counting"); }
    double dotsPerInch() const override { return 300; }
    void newPage() override { ++calls; }
    void endDocument() override { ++calls; }
    void abortDocument() override {}
    void setClipRect(const QRectF&) override { ++calls; }
    void resetClip() override { ++calls; }
    void drawLine(QPointF, QPointF, const QColor&, double) override { ++calls; }
    void fillRect(const QRectF&, const QColor&) override { ++calls; }
    void drawRect(const QRectF&, const QColor&, LineStyle) override { ++calls; }
    void drawText(QPointF, const QString&, const TextFont&, const QColor&) override { ++calls; }
    double textWidth(const QString& t, const TextFont&) const override { return t.size() * 100.0; }
    double textHeight(const TextFont&) const override { return 240; }
    bool drawPicture(const Picture&, const QRectF&) override { return true; }
};

// The page that bench/print_vs_glabels.sh reads back: 245 labels of 1620 x 440 twips (81 x 22 pt)
// in 7 columns of 35 rows from (300, 300), 20 twips apart. Each holds a 10-character symbol at bar
// width 1 (921.6 twips at 4.8 twips a module) with quiet zones of 60 and 78 twips (12 and 16
// modules), its spread text in 6 points below the bars, and two 6-point text labels beside it.
constexpr int columns = 7;
constexpr double pitchX = 1640;
constexpr double pitchY = 460;
constexpr double firstLeft = 300;
constexpr double firstTop = 300;

QString labelText(int n) {
    return QStringLiteral("BM-%1-XYZ").arg(n + 1, 3, 10, QLatin1Char('0'));
}

void fillLabel(PageModel& model, int index, int n) {
    BarcodeItem item = BarcodeItem::blank(
        QPointF(firstLeft + (n % columns) * pitchX, firstTop + (n / columns) * pitchY), false);
    item.width = 1620;
    item.height = 440;
    item.symbol.text = labelText(n);
    item.symbol.barWidth = 1;
    item.symbol.barHeight = QStringLiteral("200");
    item.symbol.symbolLeft = 60;
    item.symbol.symbolTop = 30;
    item.symbol.textSize = 6;
    PlacedItem placed{index, item, {}, {}};
    TextLabelItem name;
    name.caption = QStringLiteral("品名 %1").arg(n + 1);
    name.left = 1060;
    name.top = 20;
    name.fontSize = 6;
    placed.labels.append({1, name});
    TextLabelItem price;
    price.caption = QStringLiteral("NT$ %1").arg(100 + n);
    price.left = 1060;
    price.top = 220;
    price.fontSize = 6;
    placed.labels.append({2, price});
    model.insertItems({placed});
}

void fillPage(PageModel& model, int labels) {
    int n = 0;
    for (int index : ItemTable::pageIndexes()) {
        if (n == labels)
            break;
        fillLabel(model, index, n++);
    }
}

void runPage(benchmark::State& state, int labels, const PrinterFactory& factory) {
    PageModel model;
    fillPage(model, labels);
    NoPictures pictures;
    BenchHost host;
    const PrintSettings settings{0, Fixed4::fromRaw(48000)};
    PrintCommands commands(model, pictures, DataLocation(QStringLiteral("/nowhere")), factory,
                           settings, host);
    for (auto _ : state)
        commands.printPage();
    state.counters["items"] = double(model.items().count());
}

// Where the PDF goes: BREVMARK_BENCH_PDF keeps it for bench/print_vs_glabels.sh to read back.
QString pdfPath(const QTemporaryDir& dir, const char* name) {
    const QString kept = qEnvironmentVariable("BREVMARK_BENCH_PDF");
    return kept.isEmpty() ? dir.filePath(QString::fromLatin1(name)) : kept;
}

// The whole print job, warm, in the process: 245 labels into a PDF file at 300 dpi.
void BM_FullPageToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pdf = pdfPath(dir, "page.pdf");
    runPage(state, ItemTable::pageCapacity, [&] { return std::make_unique<QtPrinter>(pdf, 300); });
    state.counters["pdf_kB"] = double(QFileInfo(pdf).size()) / 1024.0;
}
BENCHMARK(BM_FullPageToPdf)->Unit(benchmark::kMillisecond);

// The same job with one label: what the document costs whatever it holds, so that the labels'
// own work is the difference.
void BM_OneLabelToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("one.pdf"));
    runPage(state, 1, [&] { return std::make_unique<QtPrinter>(pdf, 300); });
}
BENCHMARK(BM_OneLabelToPdf)->Unit(benchmark::kMillisecond);

// The print job's own work: the same page into a printer that only counts.
void BM_FullPageJobOnly(benchmark::State& state) {
    runPage(state, ItemTable::pageCapacity, [] { return std::make_unique<CountingPrinter>(); });
}
BENCHMARK(BM_FullPageJobOnly)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brevmark

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    brevmark::installFontSubstitutions();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
