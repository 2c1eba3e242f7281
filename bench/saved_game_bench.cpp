// Saving and loading a career of 256 clubs, each beside a raw write and read of the same number of bytes
// through the same file primitives, so the cost of the records shows apart from the disk's.
#include "bench/bench_data.h"
#include "datafiles/team_file.h"
#include "foundation/binary_file.h"
#include "world/division.h"
#include "world/world.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

namespace {
constexpr std::size_t kClubs = 256;

struct TBenchCareer {
    TWorld world;
    std::string path;
    std::string rawPath;
    std::size_t size = 0;
    bool ok = false;

    TBenchCareer() {
        const std::vector<std::string> files = BenchTeamFiles();
        if (files.size() < kClubs) return;
        for (std::size_t i = 0; i < kClubs; ++i)
            world.AllTeams.Add(
                TTeam::CreateFromTeamFile(world, TTeamFile::ReadFile(files[i], kDataFormat2002)).release());
        CreateDivisions(world);
        for (int i = 0; i < world.AllTeams.Count(); ++i) {
            world.Divisions[std::min(i / 10, 4)]->teams.Add(world.AllTeams[i]);
            world.CupTeams.Add(world.AllTeams[i]);
            world.AllTeams[i]->coach->SetCurrentClub(world.AllTeams[i]);
        }
        for (int d = 0; d < 5; ++d) world.Divisions[d]->NewSeasonAll(d < 4);
        for (int d = 0; d < 4; ++d) world.Divisions[d]->GenerateRound(1);
        const std::filesystem::path dir = std::filesystem::temp_directory_path();
        path = (dir / "kolbrin_bench_career.kbg").string();
        rawPath = (dir / "kolbrin_bench_raw.bin").string();
        size = world.SaveGameBytes().size();
        ok = world.SaveGame(path);
        WriteWholeFile(rawPath, std::vector<std::uint8_t>(size, 0x5A));
    }
};

TBenchCareer& Career() {
    static TBenchCareer career;
    return career;
}

void Report(benchmark::State& state) {
    state.counters["bytes"] = static_cast<double>(Career().size);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Career().size));
}

void BM_SaveGame(benchmark::State& state) {
    if (!Career().ok) state.SkipWithError("fewer than 256 team files: build the data folder first");
    for (auto _ : state) benchmark::DoNotOptimize(Career().world.SaveGame(Career().path));
    Report(state);
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_RawWrite(benchmark::State& state) {
    if (!Career().ok) state.SkipWithError("fewer than 256 team files: build the data folder first");
    const std::vector<std::uint8_t> bytes(Career().size, 0x5A);
    for (auto _ : state) WriteWholeFile(Career().rawPath, bytes);
    Report(state);
}
BENCHMARK(BM_RawWrite)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
    if (!Career().ok) state.SkipWithError("fewer than 256 team files: build the data folder first");
    for (auto _ : state) benchmark::DoNotOptimize(TWorld::LoadGame(Career().path));
    Report(state);
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

void BM_RawRead(benchmark::State& state) {
    if (!Career().ok) state.SkipWithError("fewer than 256 team files: build the data folder first");
    for (auto _ : state) benchmark::DoNotOptimize(ReadWholeFile(Career().rawPath));
    Report(state);
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

// The records alone, in memory.
void BM_SaveGameBytes(benchmark::State& state) {
    if (!Career().ok) state.SkipWithError("fewer than 256 team files: build the data folder first");
    for (auto _ : state) benchmark::DoNotOptimize(Career().world.SaveGameBytes());
    Report(state);
}
BENCHMARK(BM_SaveGameBytes)->Unit(benchmark::kMillisecond);
} // namespace
