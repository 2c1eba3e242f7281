// A new career from a Teams folder of 5 000 generated team files, as the game sets one up: the folder
// scanned (each file read once), the clubs counted by country, every country chosen and the choice
// trimmed to 256 clubs, and the world built from the same reading (clubs, players, coaches, referees,
// divisions, starting strength and money). Beside it, in the same iteration, the raw yardstick: listing
// the folder and reading every file once. Counters: CPU milliseconds of each and their ratio (aim: the
// career at most 1.5 times the reading).
#include "bench/bench_data.h"
#include "bench/generated_teams.h"
#include "datafiles/referee_file.h"
#include "season/country_selection.h"
#include "season/new_world.h"
#include "world/world.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace {

std::int64_t CpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

std::size_t ReadEveryFileOnce(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().string());
    std::sort(names.begin(), names.end());
    std::size_t players = 0;
    for (const std::string& f : names) players += TTeamFile::ReadFile(f, kDataFormat2002).players.size();
    return players;
}

void BM_NewCareerFrom5000TeamFiles(benchmark::State& state) {
    const std::string& folder = GeneratedTeamFolder();
    const std::string referees = BenchDataDir() + "/" + kRefereeFileName;
    std::int64_t readNs = 0, careerNs = 0;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        std::int64_t t0 = CpuNs();
        benchmark::DoNotOptimize(ReadEveryFileOnce(folder));
        std::int64_t t1 = CpuNs();
        readNs += t1 - t0;

        auto world = std::make_unique<TWorld>();
        t0 = CpuNs();
        const std::vector<TScannedTeamFile> files = ScanTeamFolder(folder, kDataFormat2002);
        TCountrySelection selection(CountTeamsByCountry(files));
        selection.SelectAll();
        SetRandSeed(seed++);
        if (!selection.Confirm()) state.SkipWithError("the generated clubs cannot make a career");
        TNewWorldSetup setup;
        setup.teamFiles = &files;
        setup.refereeFile = referees;
        setup.seed = seed;
        BuildNewWorld(*world, setup);
        t1 = CpuNs();
        careerNs += t1 - t0;
        if (world->AllTeams.Count() != TCountrySelection::kMaxTeams || world->QuitRequested)
            state.SkipWithError("the new career did not take 256 clubs (is the data folder laid out?)");
        state.PauseTiming(); // the world is freed outside the figures
        world.reset();
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["read_cpu_ms"] = static_cast<double>(readNs) / 1e6 / n;
    state.counters["career_cpu_ms"] = static_cast<double>(careerNs) / 1e6 / n;
    state.counters["career_per_read"] = static_cast<double>(careerNs) / static_cast<double>(readNs);
}
BENCHMARK(BM_NewCareerFrom5000TeamFiles)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace
