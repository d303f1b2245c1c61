// Code 39 against Debian's libzint, both sides doing the same work on the same 10-character text,
// in two steps:
//   encode:            the text into the symbol's modules (Brevmark's Code39Symbol; zint's
//                      ZBarcode_Encode into a symbol reused from one run to the next);
//   encode + geometry: and the symbol's printed geometry kept in memory, bars as rectangles and
//                      the human-readable text as one string (Brevmark's PrintedSymbol drawn into
//                      a surface that keeps what it gets; zint's ZBarcode_Buffer_Vector, which
//                      builds its list of rectangles and its string).
// Prints both ratios (Brevmark's symbols per second over zint's, medians when repeated) after the
// runs.
#include "GeometrySurface.h"

#include "symbology/Code39Symbol.h"
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

void BM_BrevmarkEncode(benchmark::State& state) {
    const QString text = QString::fromLatin1(sampleText);
    for (auto _ : state) {
        const brevmark::Code39Symbol symbol = brevmark::Code39Symbol::assemble(text, 0);
        benchmark::DoNotOptimize(symbol.moduleCount());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BrevmarkEncode);

void BM_BrevmarkEncodeAndGeometry(benchmark::State& state) {
    const QString text = QString::fromLatin1(sampleText);
    const brevmark::Fixed4 resolution = brevmark::Fixed4::fromRaw(72000);
    brevmark::HumanReadableLine line;
    line.alignment = 1; // one string under the symbol, as zint's
    GeometrySurface surface;
    for (auto _ : state) {
        surface.clear();
        const brevmark::PrintedSymbol symbol(brevmark::Code39Symbol::assemble(text, 0), 2,
                                             resolution, 4.8);
        symbol.draw(surface, brevmark::Fixed4::fromRaw(7200000), brevmark::Fixed4::fromRaw(7200000),
                    brevmark::Fixed4::fromRaw(5000000), line);
        benchmark::DoNotOptimize(surface.rectangles.data());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["rectangles"] = double(surface.rectangles.size());
}
BENCHMARK(BM_BrevmarkEncodeAndGeometry);

#ifdef BREVMARK_HAVE_ZINT
struct ZintSymbol {
    zint_symbol* symbol = ZBarcode_Create();
    ZintSymbol() { symbol->symbology = BARCODE_CODE39; }
    ~ZintSymbol() { ZBarcode_Delete(symbol); }
};

void BM_ZintEncode(benchmark::State& state) {
    const auto* data = reinterpret_cast<const unsigned char*>(sampleText);
    const int length = int(sizeof sampleText - 1);
    ZintSymbol zint;
    for (auto _ : state) {
        ZBarcode_Clear(zint.symbol);
        if (ZBarcode_Encode(zint.symbol, data, length) >= ZINT_ERROR)
            state.SkipWithError("zint could not encode");
        benchmark::DoNotOptimize(zint.symbol->width);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ZintEncode);

void BM_ZintEncodeAndGeometry(benchmark::State& state) {
    const auto* data = reinterpret_cast<const unsigned char*>(sampleText);
    const int length = int(sizeof sampleText - 1);
    ZintSymbol zint;
    long long rectangles = 0;
    for (auto _ : state) {
        ZBarcode_Clear(zint.symbol);
        if (ZBarcode_Encode(zint.symbol, data, length) >= ZINT_ERROR ||
            ZBarcode_Buffer_Vector(zint.symbol, 0) >= ZINT_ERROR) {
            state.SkipWithError("zint could not encode");
            break;
        }
        rectangles = 0;
        for (const zint_vector_rect* r = zint.symbol->vector->rectangles; r; r = r->next)
            ++rectangles;
        benchmark::DoNotOptimize(rectangles);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["rectangles"] = double(rectangles);
}
BENCHMARK(BM_ZintEncodeAndGeometry);
#endif

// Console output as usual; the symbols-per-second rate of each benchmark kept aside (the median
// when the runs are repeated).
class RateReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> rates;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median)
                continue;
            const auto found = run.counters.find("items_per_second");
            if (found == run.counters.end())
                continue;
            const std::string& name = run.run_name.function_name;
            if (median || !medians_.count(name))
                rates[name] = found->second;
            if (median)
                medians_[name] = true;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio(const char* label, const char* ours, const char* zint) const {
        const auto a = rates.find(ours);
        const auto b = rates.find(zint);
        if (a != rates.end() && b != rates.end() && b->second > 0)
            std::printf("ratio %s: %.2f (Brevmark %.0f symbols/s, zint %.0f symbols/s)\n", label,
                        a->second / b->second, a->second, b->second);
        else
            std::printf("ratio %s: not measured (zint missing or a benchmark filtered out)\n",
                        label);
    }

private:
    std::map<std::string, bool> medians_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printRatio("encode", "BM_BrevmarkEncode", "BM_ZintEncode");
    reporter.printRatio("encode + geometry", "BM_BrevmarkEncodeAndGeometry",
                        "BM_ZintEncodeAndGeometry");
    return 0;
}
