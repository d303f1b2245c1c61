// The page editor on a full page of 245 items: redrawing every item, and one drag step of an
// item (the match line is checked against every other item at each step).
#include "BenchHosts.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "platform/FontMetricsTwips.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace brevmark;

namespace {

struct FullPage {
    QWidget window;
    QWidget* viewport = new QWidget(&window);
    bench::EditorBenchServices host;
    std::unique_ptr<PageEditor> editor;

    FullPage() {
        window.resize(806, 498);
        viewport->setGeometry(10, 30, 780, 440);
        editor = std::make_unique<PageEditor>(viewport, &window, host.services());
        editor->setLayoutMode(LayoutMode::Professional);
        window.show();
        editor->paperAdjust();
        bench::fillPageWithLabels(editor->model());
    }
};

void BM_RedrawAllItems(benchmark::State& state) {
    FullPage page;
    for (auto _ : state) {
        for (int k : ItemTable::pageIndexes())
            page.editor->redrawItem(k);
    }
    state.SetItemsProcessed(state.iterations() * ItemTable::pageCapacity);
}
BENCHMARK(BM_RedrawAllItems)->Unit(benchmark::kMillisecond);

// One frame of a full page: every item redrawn, then the page widget painted with its 245 item
// widgets (into an off-screen picture), as after a change that touches them all. A frame at
// 60 Hz has 16 ms.
void BM_RedrawAndPaintPage(benchmark::State& state) {
    FullPage page;
    for (auto _ : state) {
        for (int k : ItemTable::pageIndexes())
            page.editor->redrawItem(k);
        QPixmap shot = page.editor->pageWidget()->grab();
        benchmark::DoNotOptimize(shot);
    }
}
BENCHMARK(BM_RedrawAndPaintPage)->Unit(benchmark::kMillisecond);

void BM_DragStepOnFullPage(benchmark::State& state) {
    FullPage page;
    const int index = 125;
    page.editor->itemPress(index, Qt::LeftButton, {1000, 400});
    bool down = true;
    for (auto _ : state) {
        page.editor->itemDrag(index, Qt::LeftButton, {1000, down ? 490.0 : 310.0});
        down = !down;
    }
}
BENCHMARK(BM_DragStepOnFullPage)->Unit(benchmark::kMicrosecond);

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
