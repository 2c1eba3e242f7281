// Reading every shipped team file, as a new career's scan and the editor's load do.
#include "bench/bench_data.h"
#include "datafiles/team_file.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void BM_ReadAllTeamFiles(benchmark::State& state) {
    const std::vector<std::string> files = BenchTeamFiles();
    if (files.empty()) state.SkipWithError("no team files: build the data folder first");
    std::size_t players = 0;
    for (auto _ : state) {
        for (const std::string& f : files) players += TTeamFile::ReadFile(f, kDataFormat2002).players.size();
    }
    benchmark::DoNotOptimize(players);
    state.counters["files"] = static_cast<double>(files.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(BM_ReadAllTeamFiles)->Unit(benchmark::kMillisecond);

// The same files already in memory: the cost of the reader itself, without the file system.
void BM_ParseAllTeamFiles(benchmark::State& state) {
    std::vector<std::vector<std::uint8_t>> contents;
    for (const std::string& f : BenchTeamFiles()) contents.push_back(ReadWholeFile(f));
    if (contents.empty()) state.SkipWithError("no team files: build the data folder first");
    for (auto _ : state) {
        for (const auto& bytes : contents) benchmark::DoNotOptimize(TTeamFile::Read(bytes, kDataFormat2002));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(contents.size()));
}
BENCHMARK(BM_ParseAllTeamFiles)->Unit(benchmark::kMillisecond);

// Only the header and the team record, as the new-career scan reads them.
void BM_ReadTeamOnlyAll(benchmark::State& state) {
    std::vector<std::vector<std::uint8_t>> contents;
    for (const std::string& f : BenchTeamFiles()) contents.push_back(ReadWholeFile(f));
    if (contents.empty()) state.SkipWithError("no team files: build the data folder first");
    for (auto _ : state) {
        for (const auto& bytes : contents)
            benchmark::DoNotOptimize(TTeamFile::ReadTeamOnly(bytes, kDataFormat2002));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(contents.size()));
}
BENCHMARK(BM_ReadTeamOnlyAll)->Unit(benchmark::kMillisecond);
} // namespace
