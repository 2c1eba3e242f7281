// Text lookups in the labels file. The file is read forwards and a smaller number than the last rewinds it:
// asking in increasing order reads the file once, asking in decreasing order reads it again for every text.
#include "bench/bench_data.h"
#include "foundation/errors.h"
#include "foundation/texts.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {
constexpr int kTexts = 550;

// The English labels file, or nothing (and the benchmark skipped) when the data folder is not laid out.
std::unique_ptr<TLabelsFile> EnglishLabels(benchmark::State& state) {
    try {
        return std::make_unique<TLabelsFile>(BenchDataDir() + "/Int/en/KOLB2002_01_en.kbl");
    } catch (const EFileNotFound& e) {
        state.SkipWithError(e.what());
        return nullptr;
    }
}

void BM_TextsIncreasing(benchmark::State& state) {
    const auto file = EnglishLabels(state);
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int n = 1; n <= count; ++n) benchmark::DoNotOptimize(file->GetText(n));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_TextsIncreasing)->Arg(50)->Arg(kTexts)->Unit(benchmark::kMicrosecond);

void BM_TextsDecreasing(benchmark::State& state) {
    const auto file = EnglishLabels(state);
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int n = count; n >= 1; --n) benchmark::DoNotOptimize(file->GetText(n));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_TextsDecreasing)->Arg(50)->Arg(kTexts)->Unit(benchmark::kMicrosecond);

// Two neighbouring texts asked in turn: every ask of the smaller number rewinds and reads up to it again, so
// the cost grows with the number (a dialog that fills its captions out of order pays this).
void BM_TextsAlternating(benchmark::State& state) {
    const auto file = EnglishLabels(state);
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(file->GetText(n + 1));
        benchmark::DoNotOptimize(file->GetText(n));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_TextsAlternating)->Arg(10)->Arg(500)->Unit(benchmark::kMicrosecond);
} // namespace
