// Symbols per second: a 10-character Code 39 symbol encoded, assembled and drawn in printed
// geometry (bars and spread text), against zint encoding the same text into its vector form.
// Prints "ratio: X" (Brevmark's rate over zint's) after the runs.
#include "CountingSurface.h"

#include "symbology/BarcodeAppearance.h"
#include "symbology/PrintedSymbol.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

#ifdef BREVMARK_HAVE_ZINT
#include <zint.h>
#endif

namespace {

const char sampleText[] = "AB-1234/.Z";

void BM_BrevmarkPrintedSymbol(benchmark::State& state) {
    const QString text = QString::fromLatin1(sampleText);
    const brevmark::Fixed4 resolution = brevmark::Fixed4::fromRaw(72000);
    brevmark::HumanReadableLine line;
    CountingSurface surface;
    for (auto _ : state) {
        const brevmark::PrintedSymbol symbol(brevmark::Code39Symbol::assemble(text, 0), 2,
                                             resolution);
        symbol.draw(surface, brevmark::Fixed4::fromRaw(7200000), brevmark::Fixed4::fromRaw(7200000),
                    brevmark::Fixed4::fromRaw(5000000), line);
        benchmark::DoNotOptimize(surface.lines);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["lines_per_symbol"] =
        double(surface.lines) / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
}
BENCHMARK(BM_BrevmarkPrintedSymbol);

#ifdef BREVMARK_HAVE_ZINT
void BM_ZintVector(benchmark::State& state) {
    const auto* data = reinterpret_cast<const unsigned char*>(sampleText);
    const int length = int(sizeof sampleText - 1);
    long long rectangles = 0;
    for (auto _ : state) {
        zint_symbol* symbol = ZBarcode_Create();
        symbol->symbology = BARCODE_CODE39;
        if (ZBarcode_Encode(symbol, data, length) < ZINT_ERROR &&
            ZBarcode_Buffer_Vector(symbol, 0) < ZINT_ERROR) {
            for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
                ++rectangles;
        }
        ZBarcode_Delete(symbol);
        benchmark::DoNotOptimize(rectangles);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ZintVector);
#endif

// Console output as usual, and the symbols-per-second rate of each benchmark kept aside.
class RateReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> rates;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto found = run.counters.find("items_per_second");
            if (found != run.counters.end())
                rates[run.benchmark_name()] = found->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto ours = reporter.rates.find("BM_BrevmarkPrintedSymbol");
    const auto zint = reporter.rates.find("BM_ZintVector");
    if (ours != reporter.rates.end() && zint != reporter.rates.end() && zint->second > 0)
        std::printf("ratio: %.2f (Brevmark %.0f symbols/s, zint %.0f symbols/s)\n",
                    ours->second / zint->second, ours->second, zint->second);
    else
        std::printf("ratio: not measured (zint missing or a benchmark filtered out)\n");
    return 0;
}
