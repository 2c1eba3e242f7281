// A whole matchday played headless, as a career plays it between two club screens: the league round of the
// four leagues (20 games) and a cup round of every club (30 ties), each through the matchday runner with
// every step of every minute, extra time and shoot-outs where a tie needs them, and the result processing.
// The clubs' own preparation before the matchday and the building of the world are not timed. The figure
// is microseconds per game (counter us_per_game); the empty loop and the memory pass beside it show the
// machine's speed at the same moment.
#include "bench/bench_data.h"
#include "club/computer_management.h"
#include "datafiles/referee_file.h"
#include "foundation/kol_random.h"
#include "match/matchday_runner.h"
#include "match/substitutions.h"
#include "tests/world/career_world.h"
#include "world/game_factory.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace {

constexpr int kClubs = 60;
constexpr int kMinutes = 90;

void LoadReferees(TWorld& world) {
    bool dataError = false;
    for (TRefereeAttr& attr : LoadRefereeFile(BenchDataDir() + "/" + kRefereeFileName, dataError))
        world.AllReferees.Add(new TReferee(world.NewObjectId(), std::make_unique<TRefereeAttr>(attr)));
}

void PrepareClubs(TWorld& world) {
    for (TGame* game : world.RoundGames)
        if (game->HasTeams()) {
            ComputerRound(*game->homeTeam);
            ComputerRound(*game->awayTeam);
        }
}

// Plays the round's games through the runner and processes them; the games created since the last call.
int PlayRound(TWorld& world, int journeyKind, benchmark::State& state) {
    int games = 0;
    for (const TGame* game : world.RoundGames) games += game->HasTeams() ? 1 : 0;
    state.ResumeTiming();
    ShowMatchday(world, journeyKind, journeyKind == 0 ? "League" : "Cup");
    ProcessFinishedGames(world);
    state.PauseTiming();
    return games;
}

void BM_MatchdayPerGame(benchmark::State& state) {
    const std::vector<TTeamFile> files = worldtest::CareerTeamFiles(kClubs);
    std::int64_t games = 0;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        SetRandSeed(seed++);
        TScriptedUserPort port;
        port.RecordBeeps = false;
        InstallSubstitutionAutopilot(port);
        TWorld world;
        world.SetPort(port);
        worldtest::BuildCareerWorld(world, files);
        LoadReferees(world);
        world.Options.viewComputerPenalties = false;
        world.CurrentRound = 2;

        for (int d = 0; d < 4; ++d) world.Divisions[d]->GenerateRound(2);
        PrepareClubs(world);
        games += PlayRound(world, 0, state);

        std::vector<TTeam*> cup(world.AllTeams.begin(), world.AllTeams.end());
        CreateCompetitionGames(world, cup, gkCup, "Cup", 10, 1000000, kClubs / 2, "");
        PrepareClubs(world);
        games += PlayRound(world, 1, state);
        state.ResumeTiming();
    }
    state.counters["games"] = benchmark::Counter(static_cast<double>(games));
    // Seconds per game, shown in microseconds.
    state.counters["us_per_game"] = benchmark::Counter(static_cast<double>(games) / 1e6,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MatchdayPerGame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The floor: the same number of calls (50 games x 90 minutes) to a function that does nothing.
__attribute__((noinline)) void NothingPerMinute(int& sink, int game, int minute) {
    benchmark::DoNotOptimize(sink += game ^ minute);
}

void BM_EmptyMinuteLoop(benchmark::State& state) {
    int sink = 0;
    for (auto _ : state)
        for (int minute = 1; minute <= kMinutes; ++minute)
            for (int game = 0; game < 50; ++game) NothingPerMinute(sink, game, minute);
    state.counters["us_per_game"] = benchmark::Counter(50.0 / 1e6, benchmark::Counter::kIsIterationInvariantRate |
                                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_EmptyMinuteLoop)->Unit(benchmark::kMicrosecond);

// A plain pass over 8 MB of memory: how fast this machine reads right now.
void BM_MemoryPass(benchmark::State& state) {
    std::vector<std::uint64_t> block(1 << 20, 1);
    for (auto _ : state) benchmark::DoNotOptimize(std::accumulate(block.begin(), block.end(), std::uint64_t{0}));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size() * sizeof(std::uint64_t)));
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
