// Barcode formats and page layouts at their largest: a format file of 30,000 records (10,000
// formats of a barcode, a label and a picture in 50 categories), listing its categories and the
// names of one category, previewing a format on the preview item and saving one into it; and a
// page of 245 items saved as a layout and taken back.
#include "BenchHosts.h"
#include "page/FormatSaver.h"
#include "page/ui/FormatPanels.h"
#include "page/ui/LayoutPanel.h"
#include "page/ui/PageEditor.h"
#include "platform/FontMetricsTwips.h"
#include "platform/LocalFileSystem.h"
#include "platform/MessageBoxes.h"
#include "records/FormatRecordFile.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

using namespace brevmark;

namespace {

QString line(const QStringList& f) {
    QStringList quoted;
    for (int i = 0; i < 11; ++i)
        quoted << QLatin1Char('"') + f.value(i) + QLatin1Char('"');
    return quoted.join(QLatin1Char(',')) + QStringLiteral(",\"\",1\r\n");
}

// The bytes python3's cp950 codec makes of a text, as a user's file would hold them.
QByteArray pythonCp950(const QString& text) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys; sys.stdout.buffer.write("
                                 "sys.stdin.buffer.read().decode('utf-8').encode('cp950'))")});
    python.write(text.toUtf8());
    python.closeWriteChannel();
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        throw std::runtime_error("python3 cp950 encoding failed");
    return python.readAllStandardOutput();
}

QString category(int c) {
    return QStringLiteral("倉庫%1區").arg(c);
}
QString formatName(int i) {
    return QStringLiteral("貨架標籤-%1").arg(i, 5, 10, QLatin1Char('0'));
}

QByteArray formatFile() {
    QString text;
    for (int i = 0; i < 10000; ++i) {
        const QString c = category(i % 50);
        const QString n = formatName(i);
        text += line({c, n, QStringLiteral("條碼"), "3600", "900", QStringLiteral("A%1").arg(i),
                      "16777215", "1", "120 120 480", "False False False 0 10", "2 0 0 0"});
        text += line({c, n, QStringLiteral("標籤"), QStringLiteral("品名 %1").arg(i), "2460", "60",
                      "0", "12", QStringLiteral("新細明體"), "True False False"});
        text += line({c, n, QStringLiteral("圖片"), "logo.bmp", "3000", "300", "375", "375"});
    }
    return pythonCp950(text);
}

struct Bench {
    bench::EditorBenchServices host{MessageAnswer::Yes};
    LocalFileSystem& files = host.files;
    QString records = host.location.recordsFolder();
    QWidget window;
    QWidget* viewport = new QWidget(&window);
    std::unique_ptr<PageEditor> editor;
    FormatPanels* panels = nullptr;

    Bench() {
        window.resize(806, 498);
        viewport->setGeometry(10, 30, 780, 440);
        editor = std::make_unique<PageEditor>(viewport, &window, host.services());
        editor->setLayoutMode(LayoutMode::Professional);
        panels = &editor->formats();
        window.show();
        editor->paperAdjust();
    }
    void writeFormats() {
        static const QByteArray bytes = formatFile();
        files.replaceBytes(records + QLatin1Char('/') + FormatRecordFile::fileName(), bytes,
                           nullptr);
    }
    // 245 items of one record each (a layout holds at most 301), in 7 columns.
    void fillPage() { bench::fillPageWithLabels(editor->model()); }
};

void BM_ListCategories(benchmark::State& state) {
    Bench b;
    b.writeFormats();
    FormatBrowser browser(b.files, b.records);
    for (auto _ : state) {
        browser.listCategories();
        benchmark::DoNotOptimize(browser.categories().size());
    }
    state.counters["categories"] = double(browser.categories().size());
}
BENCHMARK(BM_ListCategories)->Unit(benchmark::kMillisecond);

void BM_ListNamesOfACategory(benchmark::State& state) {
    Bench b;
    b.writeFormats();
    FormatBrowser browser(b.files, b.records);
    browser.listCategories();
    for (auto _ : state) {
        browser.chooseCategory(category(25));
        benchmark::DoNotOptimize(browser.names().size());
    }
    state.counters["names"] = double(browser.names().size());
}
BENCHMARK(BM_ListNamesOfACategory)->Unit(benchmark::kMillisecond);

// Read, keep the format's records, put them into the preview item and draw it.
void BM_PreviewFormat(benchmark::State& state) {
    Bench b;
    b.writeFormats();
    b.panels->openFormatRecordPanel({300, 300}, FormatBrowser::TakeMode::Add, 0);
    b.panels->chooseCategory(category(25));
    int i = 25;
    for (auto _ : state) {
        b.panels->previewFormat(formatName(i));
        i = i == 9975 ? 25 : i + 50;
    }
}
BENCHMARK(BM_PreviewFormat)->Unit(benchmark::kMillisecond);

// A format of three records saved anew into the file: read, replace, rewrite in one step.
void BM_SaveFormatIntoTheFile(benchmark::State& state) {
    Bench b;
    b.writeFormats();
    FormatSaver saver(b.files, b.records);
    FormatBrowser browser(b.files, b.records);
    browser.listCategories();
    browser.chooseCategory(category(7));
    const QList<FormatRecord> format = *browser.preview(formatName(7));
    for (auto _ : state) {
        if (saver.store({category(7), formatName(7)}, format))
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveFormatIntoTheFile)->Unit(benchmark::kMillisecond);

void BM_SaveLayoutOf245Items(benchmark::State& state) {
    Bench b;
    b.fillPage();
    b.panels->openLayoutPanel(5295);
    b.panels->layoutPanel()->nameBox()->setText(QStringLiteral("整頁"));
    for (auto _ : state) {
        if (!b.panels->saveLayout())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveLayoutOf245Items)->Unit(benchmark::kMillisecond);

// Taking the layout onto an empty page: 245 new items, each filled and drawn.
void BM_TakeLayoutOf245Items(benchmark::State& state) {
    Bench b;
    b.fillPage();
    b.panels->openLayoutPanel(5295);
    b.panels->layoutPanel()->nameBox()->setText(QStringLiteral("整頁"));
    b.panels->saveLayout();
    for (auto _ : state) {
        state.PauseTiming();
        b.editor->clearPage();
        QApplication::processEvents(); // the removed item widgets go
        b.panels->listLayouts();
        b.panels->chooseLayout(0);
        state.ResumeTiming();
        if (b.panels->takeLayout() != ItemTable::pageCapacity)
            state.SkipWithError("the take failed");
    }
}
BENCHMARK(BM_TakeLayoutOf245Items)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
