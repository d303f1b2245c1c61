// The bulk import: a spreadsheet copy of 150 rows by 7 columns converted into the grid and the
// full grid drawn (the model alone, and the window's whole import with its 150 row labels), and
// the save of 150 rows as records in one append that reaches the disk. Each run checks what it
// made before it counts.
#include "BenchHosts.h"
#include "BenchServices.h"
#include "import/BulkImport.h"
#include "import/GridPainter.h"
#include "import/SpreadsheetImport.h"
#include "import/ui/ImportGridView.h"
#include "import/ui/ImportWindow.h"
#include "platform/Clipboard.h"
#include "platform/FontMetricsTwips.h"
#include "platform/ImageSurface.h"
#include "platform/LocalFileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemServices.h"
#include "records/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace brevmark;

namespace {

using bench::QuietSystem;
using bench::TextClipboard;

constexpr int rows = 150;
const QStringList captions{"條碼", "種類", "名稱", "售價", "進貨日期", "存放", "備註"};

// Header and 150 rows as LibreOffice Calc copies them: Tabs, LF line ends, a final LF.
QString spreadsheetCopy() {
    const QStringList categories{"飲料", "零食", "文具", "日用品", "冷凍食品", "生鮮蔬果"};
    const QStringList names{"烏龍茶 600ml", "綠茶",          "洋芋片 原味", "原子筆 0.5mm 藍",
                            "衛生紙",       "冷凍水餃 韭菜", "高麗菜",      "牛奶 1L"};
    QString text = captions.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int i = 0; i < rows; ++i)
        text += QStringList{QStringLiteral("TW-%1").arg(100000 + i),
                            categories.at(i % categories.size()),
                            names.at(i % names.size()) + QString::number(i),
                            QStringLiteral("NT$%1").arg(25 + i % 300),
                            QStringLiteral("2024年%1月%2日").arg(1 + i % 12).arg(1 + i % 28),
                            QStringLiteral("倉庫 %1 區").arg(i % 9),
                            QStringLiteral("備註%1").arg(i)}
                    .join(QLatin1Char('\t')) +
                QLatin1Char('\n');
    return text;
}

// A records folder whose settings give the grid seven columns under the captions above.
struct ImportFolder {
    QTemporaryDir dir;
    LocalFileSystem files;
    bench::SilentMessages messages;
    TextClipboard clipboard;
    QuietSystem system;
    SettingsStore settings{files, dir.path()};
    BarcodeRecordFile records{files, dir.path()};

    ImportFolder() {
        settings.load();
        settings.set(QStringLiteral("標籤_數量"), QStringLiteral("6"));
        settings.set(QStringLiteral("標籤A"),
                     (captions + QStringList(5, QStringLiteral("自訂"))).join(QStringLiteral("★")));
        clipboard.setText(spreadsheetCopy());
    }
    BulkImport::Services services() {
        return {settings, clipboard, system, records, nullptr};
    }
    QString recordFile() const { return dir.filePath(QStringLiteral("條碼檔.zip")); }
};

bool fullGrid(const ImportGrid& grid) {
    return grid.range().count() == rows &&
           grid.cells().text(rows - 1, 0) == QStringLiteral("TW-%1").arg(100000 + rows - 1) &&
           grid.cells().text(rows - 1, 6) == QStringLiteral("備註%1").arg(rows - 1);
}

void BM_ConvertAndDrawFullGrid(benchmark::State& state) {
    ImportFolder folder;
    BulkImport model(folder.services());
    model.open();
    const QString text = folder.clipboard.text();
    ImageSurface surface({15, 15});
    for (auto _ : state) {
        if (!SpreadsheetImport::run(model.grid(), text).changed || !fullGrid(model.grid()))
            state.SkipWithError("the grid does not hold the 150 rows");
        surface.resize(model.grid().size());
        grid_painter::drawGrid(surface, model.grid());
        benchmark::DoNotOptimize(surface.image().constBits());
    }
    if (surface.image().height() < 2000)
        state.SkipWithError("the grid image is not the full grid");
}
BENCHMARK(BM_ConvertAndDrawFullGrid)->Unit(benchmark::kMillisecond);

// As the window does it from its button: the import, the 150 row labels and backgrounds made,
// the grid drawn and the scroll bars checked; then the range back to one row, untimed.
void BM_WindowImport(benchmark::State& state) {
    ImportFolder folder;
    ImportWindow window(folder.services(), folder.messages);
    window.show();
    for (auto _ : state) {
        window.grid()->importSpreadsheet();
        state.PauseTiming();
        if (!fullGrid(window.model().grid()) ||
            window.findChildren<QWidget*>(QStringLiteral("數字籤")).size() < rows)
            state.SkipWithError("the window does not show the 150 rows");
        window.model().grid().range().setRange(1);
        window.grid()->applyRange();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowImport)->Unit(benchmark::kMillisecond);

void BM_Save150Rows(benchmark::State& state) {
    ImportFolder folder;
    BulkImport model(folder.services());
    model.open();
    const QString text = folder.clipboard.text();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(folder.recordFile());
        SpreadsheetImport::run(model.grid(), text);
        state.ResumeTiming();
        const ImportSave::Result result = model.save();
        state.PauseTiming();
        QFile file(folder.recordFile());
        if (result.outcome != ImportSave::Outcome::Saved || !file.open(QIODevice::ReadOnly) ||
            file.readAll().count('\n') != rows)
            state.SkipWithError("the file does not hold the 150 records");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Save150Rows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
