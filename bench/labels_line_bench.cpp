// The line coding of the language files, both ways, for a short and a long text.
#include "foundation/labels_line.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
std::string Text(std::int64_t length) {
    const std::string words = "The referee shows the yellow card to %s after %d minutes of play. ";
    std::string text;
    while (static_cast<std::int64_t>(text.size()) < length) text += words;
    return text.substr(0, static_cast<std::size_t>(length));
}

void BM_EncodeLabelsLine(benchmark::State& state) {
    const std::string text = Text(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(EncodeLabelsLine(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EncodeLabelsLine)->Arg(20)->Arg(200)->Arg(2000);

void BM_DecodeLabelsLine(benchmark::State& state) {
    const std::string line = EncodeLabelsLine(Text(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(DecodeLabelsLine(line));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DecodeLabelsLine)->Arg(20)->Arg(200)->Arg(2000);
} // namespace
