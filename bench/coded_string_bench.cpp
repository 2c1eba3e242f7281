// The coded strings of the data files: a 20-character name coded once (players), a 44-character referee
// entry coded twice, a 40-character header text coded five times, and the longest short string.
#include "foundation/coded_string.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
std::string Text(std::int64_t length) {
    std::string text;
    for (std::int64_t i = 0; i < length; ++i) text += static_cast<char>('A' + i % 26);
    return text;
}

void BM_EncodeCodedString(benchmark::State& state) {
    const std::string text = Text(state.range(0));
    const int passes = static_cast<int>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(EncodeCodedString(text, passes));
}
BENCHMARK(BM_EncodeCodedString)->Args({20, 1})->Args({44, 2})->Args({40, 5})->Args({255, 1});

void BM_DecodeCodedString(benchmark::State& state) {
    const int passes = static_cast<int>(state.range(1));
    const std::string coded = EncodeCodedString(Text(state.range(0)), passes);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeCodedString(coded, passes));
}
BENCHMARK(BM_DecodeCodedString)->Args({20, 1})->Args({44, 2})->Args({40, 5})->Args({255, 1});
} // namespace
