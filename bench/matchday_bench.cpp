// A whole matchday played headless, as a career plays it between two club screens: the league round of the
// four leagues (20 games) and a cup round of every club (30 ties), each through the matchday runner with
// every step of every minute, extra time and shoot-outs where a tie needs them, and the result processing.
// The clubs' own preparation before the matchday and the building of the world are not timed. The figure
// is microseconds per game (counters wall_us_per_game and cpu_us_per_game; on a busy machine the
// CPU figure is the one to compare); the empty loop and the memory pass beside it show the
// machine's speed at the same moment.
#include "bench/bench_career.h"
#include "club/computer_management.h"
#include "foundation/kol_random.h"
#include "match/matchday_runner.h"
#include "world/game_factory.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace {

constexpr int kClubs = 60;

constexpr int kMinutes = 90;

// The stopwatch's figures in microseconds per game, wall and CPU.
void Report(benchmark::State& state, const TStopwatch& watch, double games) {
    state.counters["wall_us_per_game"] = static_cast<double>(watch.wallNs) / 1000.0 / games;
    state.counters["cpu_us_per_game"] = static_cast<double>(watch.cpuNs) / 1000.0 / games;
}

void PrepareClubs(TWorld& world) {
    for (TGame* game : world.RoundGames)
        if (game->HasTeams()) {
            ComputerRound(*game->homeTeam);
            ComputerRound(*game->awayTeam);
        }
}

// Plays the round's games through the runner and processes them; the games created since the last call.
int PlayRound(TWorld& world, int journeyKind, benchmark::State& state, TStopwatch& watch) {
    int games = 0;
    for (const TGame* game : world.RoundGames) games += game->HasTeams() ? 1 : 0;
    state.ResumeTiming();
    watch.Start();
    ShowMatchday(world, journeyKind, journeyKind == 0 ? "League" : "Cup");
    ProcessFinishedGames(world);
    watch.Stop();
    state.PauseTiming();
    return games;
}

void BM_MatchdayPerGame(benchmark::State& state) {
    const std::vector<TTeamFile> files = worldtest::CareerTeamFiles(kClubs);
    std::int64_t games = 0;
    std::uint32_t seed = 1;
    TStopwatch watch;
    for (auto _ : state) {
        state.PauseTiming();
        TBenchCareer career(files, seed++);
        TWorld& world = career.world;
        world.CurrentRound = 2;

        for (int d = 0; d < 4; ++d) world.Divisions[d]->GenerateRound(2);
        PrepareClubs(world);
        games += PlayRound(world, 0, state, watch);

        std::vector<TTeam*> cup(world.AllTeams.begin(), world.AllTeams.end());
        CreateCompetitionGames(world, cup, gkCup, "Cup", 10, 1000000, kClubs / 2, "");
        PrepareClubs(world);
        games += PlayRound(world, 1, state, watch);
        state.ResumeTiming();
    }
    state.counters["games"] = static_cast<double>(games);
    Report(state, watch, static_cast<double>(games));
}
BENCHMARK(BM_MatchdayPerGame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The floor: the same number of calls (50 games x 90 minutes) to a function that does nothing.
__attribute__((noinline)) void NothingPerMinute(int& sink, int game, int minute) {
    benchmark::DoNotOptimize(sink += game ^ minute);
}

void BM_EmptyMinuteLoop(benchmark::State& state) {
    int sink = 0;
    TStopwatch watch;
    watch.Start();
    for (auto _ : state)
        for (int minute = 1; minute <= kMinutes; ++minute)
            for (int game = 0; game < 50; ++game) NothingPerMinute(sink, game, minute);
    watch.Stop();
    Report(state, watch, 50.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_EmptyMinuteLoop)->Unit(benchmark::kMicrosecond);

// A plain pass over 8 MB of memory: how fast this machine reads right now.
void BM_MemoryPass(benchmark::State& state) {
    std::vector<std::uint64_t> block(1 << 20, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(std::accumulate(block.begin(), block.end(), std::uint64_t{0}));
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(block.size() * sizeof(std::uint64_t)));
}
BENCHMARK(BM_MemoryPass)->Unit(benchmark::kMicrosecond);

// The generator with its log off: what every draw of the match costs.
void BM_RandomDraw(benchmark::State& state) {
    std::int32_t sum = 0;
    SetRandSeed(1);
    for (auto _ : state) benchmark::DoNotOptimize(sum += Random(1000));
}
BENCHMARK(BM_RandomDraw);

} // namespace
