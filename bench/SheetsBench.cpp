// The template database of stock label sheets as Debian's glabels-data installs it (1,756 sheets
// in 38 files): the first read in a fresh process, which the alignment window and --sheet pay once
// (with the memory it leaves in use, from the process's resident size before and after), the read
// again with the files in the page cache, the search run at every key typed into the finder, and
// the finder's list of every sheet built for the window. Skipped without the package.
#include "alignment/TemplateDatabase.h"
#include "alignment/ui/SheetFinder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

using namespace brevmark;

namespace {

const QString systemFolder = QStringLiteral("/usr/share/libglabels-3.0/templates");

// Resident memory of this process, kB (/proc/self/status VmRSS).
long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

bool installed(benchmark::State& state) {
    if (QDir(systemFolder).exists())
        return true;
    state.SkipWithError("glabels-data is not installed");
    return false;
}

// Runs first (benchmarks run in the order registered): nothing of the database was read before.
void BM_FirstRead(benchmark::State& state) {
    if (!installed(state))
        return;
    std::unique_ptr<TemplateDatabase> kept;
    long before = 0, after = 0;
    for (auto _ : state) {
        before = residentKilobytes();
        kept = std::make_unique<TemplateDatabase>(TemplateDatabase::load({systemFolder}));
        after = residentKilobytes();
    }
    state.counters["sheets"] = double(kept->sheets().size());
    state.counters["files"] = kept->filesRead();
    state.counters["problems"] = double(kept->problems().size());
    state.counters["resident_growth_kB"] = double(after - before);
}
BENCHMARK(BM_FirstRead)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ReadAgain(benchmark::State& state) {
    if (!installed(state))
        return;
    for (auto _ : state) {
        TemplateDatabase db = TemplateDatabase::load({systemFolder});
        benchmark::DoNotOptimize(db.sheets().size());
    }
}
BENCHMARK(BM_ReadAgain)->Unit(benchmark::kMillisecond);

void BM_SearchPerKey(benchmark::State& state) {
    if (!installed(state))
        return;
    static const TemplateDatabase db = TemplateDatabase::load({systemFolder});
    const QStringList typed{QStringLiteral("a"), QStringLiteral("av"), QStringLiteral("avery l"),
                            QStringLiteral("avery l76"), QStringLiteral("avery l7651")};
    qsizetype found = 0;
    for (auto _ : state)
        for (const QString& text : typed)
            found += db.matching(text).size();
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * typed.size());
}
BENCHMARK(BM_SearchPerKey)->Unit(benchmark::kMicrosecond);

// The finder as the window opens it: every sheet the page can take listed.
void BM_FinderListsEverySheet(benchmark::State& state) {
    if (!installed(state))
        return;
    static const TemplateDatabase db = TemplateDatabase::load({systemFolder});
    int rows = 0;
    for (auto _ : state) {
        SheetFinder finder(db, QString(), nullptr);
        rows = finder.list()->topLevelItemCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_FinderListsEverySheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
