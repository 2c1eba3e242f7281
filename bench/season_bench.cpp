// A whole season played headless over 256 shipped clubs: the cup draws, 18 league matchdays of the four
// leagues, the cup rounds from the first one that halves the field to the final, every club's
// preparation, the results, the transfers, the price level and the end of the season (titles, promotion
// and relegation, retirements, prizes), through the round loop with the autopilot at the one person's
// club. The game is not written. The building of the world is not timed.
// Counters: wall_ms_per_season and cpu_ms_per_season (on a busy machine compare the CPU figure); the
// memory pass and the draw of the matchday benchmark, run beside it, show the machine's speed.
#include "bench/bench_data.h"
#include "datafiles/referee_file.h"
#include "foundation/kol_random.h"
#include "match/substitutions.h"
#include "season/game_loop.h"
#include "tests/world/career_world.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <ctime>
#include <vector>

namespace {

constexpr int kSeasonClubs = 256;

std::int64_t NowNs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

void BM_HeadlessSeason256(benchmark::State& state) {
    const std::vector<TTeamFile> files = worldtest::CareerTeamFiles(kSeasonClubs);
    if (static_cast<int>(files.size()) != kSeasonClubs) {
        state.SkipWithError("fewer shipped clubs than the season needs");
        return;
    }
    std::int64_t wallNs = 0, cpuNs = 0, seasons = 0;
    std::uint32_t seed = 1;
    TSeasonSteps steps = DefaultSeasonSteps();
    steps.saveGame = [](TWorld&) { return true; };
    for (auto _ : state) {
        state.PauseTiming();
        SetRandSeed(seed++);
        TScriptedUserPort port;
        port.RecordBeeps = false;
        InstallSubstitutionAutopilot(port);
        TWorld world;
        world.SetPort(port);
        worldtest::BuildCareerWorld(world, files);
        bool dataError = false;
        for (TRefereeAttr& attr : LoadRefereeFile(BenchDataDir() + "/" + kRefereeFileName, dataError))
            world.AllReferees.Add(new TReferee(world.NewObjectId(), std::make_unique<TRefereeAttr>(attr)));
        world.Options.viewComputerPenalties = false;
        state.ResumeTiming();
        const std::int64_t wall0 = NowNs(CLOCK_MONOTONIC), cpu0 = NowNs(CLOCK_THREAD_CPUTIME_ID);
        PlaySeason(world, steps);
        wallNs += NowNs(CLOCK_MONOTONIC) - wall0;
        cpuNs += NowNs(CLOCK_THREAD_CPUTIME_ID) - cpu0;
        ++seasons;
        // The freeing of the world counts in the framework's time only, not in the counters.
    }
    state.counters["wall_ms_per_season"] = static_cast<double>(wallNs) / 1e6 / static_cast<double>(seasons);
    state.counters["cpu_ms_per_season"] = static_cast<double>(cpuNs) / 1e6 / static_cast<double>(seasons);
}
BENCHMARK(BM_HeadlessSeason256)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace
