// A whole season played headless over 256 shipped clubs: the cup draws, 18 league matchdays of the four
// leagues, the cup rounds from the first one that halves the field to the final, every club's
// preparation, the results, the transfers, the price level and the end of the season (titles, promotion
// and relegation, retirements, prizes), through the round loop with the autopilot at the one person's
// club. The game is not written. The building of the world is not timed.
// Counters: wall_ms_per_season and cpu_ms_per_season (on a busy machine compare the CPU figure); the
// memory pass and the draw of the matchday benchmark, run beside it, show the machine's speed.
#include "bench/bench_career.h"
#include "season/game_loop.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kSeasonClubs = 256;

void BM_HeadlessSeason256(benchmark::State& state) {
    const std::vector<TTeamFile> files = worldtest::CareerTeamFiles(kSeasonClubs);
    if (static_cast<int>(files.size()) != kSeasonClubs) {
        state.SkipWithError("fewer shipped clubs than the season needs");
        return;
    }
    TStopwatch watch;
    std::int64_t seasons = 0;
    std::uint32_t seed = 1;
    TSeasonSteps steps = DefaultSeasonSteps();
    steps.saveGame = [](TWorld&) { return true; };
    for (auto _ : state) {
        state.PauseTiming();
        TBenchCareer career(files, seed++);
        state.ResumeTiming();
        watch.Start();
        PlaySeason(career.world, steps);
        watch.Stop();
        ++seasons;
        // The freeing of the world counts in the framework's time only, not in the counters.
    }
    state.counters["wall_ms_per_season"] =
        static_cast<double>(watch.wallNs) / 1e6 / static_cast<double>(seasons);
    state.counters["cpu_ms_per_season"] =
        static_cast<double>(watch.cpuNs) / 1e6 / static_cast<double>(seasons);
}
BENCHMARK(BM_HeadlessSeason256)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace
