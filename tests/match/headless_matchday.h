#pragma once
// A matchday without windows, for the match tests and the season tests: a career's world from the shipped
// clubs, a league round of the four leagues and then a cup round of every club, each club prepared as
// before a real matchday, played through the runner with the scripted port (its autopilot answers for the
// human coach), and the results processed. It returns the event log as text lines and, for each game, what
// the invariants of a match need: the players on the field at the start of every minute, the bench, the
// referee, the score and the outcome of a cup tie.
#include "../world/career_world.h"

#include "club/computer_management.h"
#include "datafiles/referee_file.h"
#include "foundation/kol_random.h"
#include "match/matchday_runner.h"
#include "match/substitutions.h"
#include "world/game_factory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace headless {

constexpr int kClubs = 60;

struct TRecordedEvent {
    int minute, side, kind, playerId;
};

struct TRecordedGame {
    int number = 0; // 1.. in the order the games were created over the whole run
    int kind = 0;
    std::array<std::int16_t, 2> clubIds{};
    std::array<std::string, 2> countries;
    bool hasReferee = false;
    std::string refereeCountry;
    std::array<int, 2> benchAtStart{};         // players on the bench when the matchday began
    std::array<int, 2> substitutionsAllowed{}; // benchCount when it began
    std::array<int, 2> goals{};
    std::array<int, 2> disallowed{};
    std::array<int, 2> lowestBenchCount{99, 99};
    std::uint8_t extraTime = 0;
    std::array<bool, 2> eliminated{};
    bool processed = false;
    std::vector<TRecordedEvent> events;
    // Players on the field at the start of minute m (the key), per side.
    std::map<int, std::array<std::set<int>, 2>> onField;
};

struct THeadlessMatchday {
    std::vector<std::string> log;
    std::vector<TRecordedGame> games;
};

// The scripted port with the autopilot's substitutions, which looks at the games before every tick.
class THeadlessPort : public TScriptedUserPort {
public:
    THeadlessMatchday* out = nullptr;
    std::map<const TGame*, std::size_t> live;

    void ShowMatchday(TMatchdayTicker& matchday) override {
        auto& runner = static_cast<TMatchdayRunner&>(matchday);
        for (;;) {
            const int minute = runner.MinuteCounter() + 1;
            if (minute >= 1 && minute <= runner.LastMinute())
                for (auto& [game, index] : live) {
                    if (game->homeTeam == nullptr) continue;
                    TRecordedGame& g = out->games[index];
                    const TTeam* clubs[2] = {game->homeTeam, game->awayTeam};
                    for (int s = 0; s < 2; ++s) {
                        auto& field = g.onField[minute][static_cast<std::size_t>(s)];
                        for (const TPlayer* p : clubs[s]->players)
                            if (p != nullptr && p->matchState.lineupRole == 1) field.insert(p->id);
                        g.lowestBenchCount[static_cast<std::size_t>(s)] = std::min(
                            g.lowestBenchCount[static_cast<std::size_t>(s)], clubs[s]->match.benchCount);
                    }
                }
            if (!matchday.Tick()) break;
        }
    }
};

inline void LoadShippedReferees(TWorld& world) {
    const std::filesystem::path path = std::filesystem::path(KOLBRIN_BINARY_DIR) / "bin" / kRefereeFileName;
    bool dataError = false;
    for (TRefereeAttr& attr : LoadRefereeFile(path.string(), dataError))
        world.AllReferees.Add(new TReferee(world.NewObjectId(), std::make_unique<TRefereeAttr>(attr)));
    EXPECT_FALSE(dataError) << path;
}

// Records the games now in the round's games and prepares their clubs.
inline void BeginMatchday(TWorld& world, THeadlessPort& port) {
    port.live.clear();
    for (TGame* game : world.RoundGames)
        if (game->HasTeams()) {
            ComputerRound(*game->homeTeam);
            ComputerRound(*game->awayTeam);
        }
    for (TGame* game : world.RoundGames) {
        if (!game->HasTeams()) continue;
        TRecordedGame g;
        g.number = static_cast<int>(port.out->games.size()) + 1;
        g.kind = game->kind;
        const TTeam* clubs[2] = {game->homeTeam, game->awayTeam};
        for (std::size_t s = 0; s < 2; ++s) {
            g.clubIds[s] = clubs[s]->id;
            g.countries[s] = clubs[s]->Country();
            g.substitutionsAllowed[s] = clubs[s]->match.benchCount;
            for (const TPlayer* p : clubs[s]->players)
                if (p->matchState.lineupRole == 2) ++g.benchAtStart[s];
        }
        g.hasReferee = game->referee != nullptr;
        if (game->referee != nullptr) g.refereeCountry = game->referee->Country();
        port.live[game] = port.out->games.size();
        port.out->games.push_back(g);
    }
}

// What result processing is about to settle: the final score and the events.
inline void RecordFinal(THeadlessPort& port, TGame& game) {
    const auto found = port.live.find(&game);
    if (found == port.live.end()) return;
    TRecordedGame& g = port.out->games[found->second];
    g.goals = {game.homeTeam->match.matchGoals, game.awayTeam->match.matchGoals};
    g.disallowed = {game.homeTeam->match.disallowedGoals, game.awayTeam->match.disallowedGoals};
    g.extraTime = game.extraTime;
    g.processed = true;
    for (const TGameEvent* e : game.events)
        g.events.push_back({e->minute, e->side, e->eventKind, e->playerId});
    port.live.erase(found);
}

inline void PlayAndProcess(TWorld& world, THeadlessPort& port, int journeyKind) {
    BeginMatchday(world, port);
    const auto observer = [&port](TGame& game) { RecordFinal(port, game); };
    ShowMatchday(world, journeyKind, journeyKind == 0 ? "League" : "Cup", observer);
    ProcessFinishedGames(world, observer);
}

// The whole run from `seed`: round 2 of a new season, its league matchday, then a cup round of every club.
inline THeadlessMatchday PlayHeadlessMatchday(std::uint32_t seed) {
    THeadlessMatchday out;
    const std::filesystem::path teams = std::filesystem::path(KOLBRIN_BINARY_DIR) / "bin" / "Teams";
    std::error_code ec;
    if (!std::filesystem::is_directory(teams, ec)) {
        ADD_FAILURE() << "the shipped clubs are not laid out in " << teams;
        return out;
    }
    SetRandSeed(seed);
    THeadlessPort port;
    port.out = &out;
    port.RecordBeeps = false;
    InstallSubstitutionAutopilot(port);
    TWorld world;
    world.SetPort(port);
    worldtest::BuildCareerWorld(world, worldtest::CareerTeamFiles(kClubs));
    LoadShippedReferees(world);
    world.Options.viewComputerPenalties = false;
    world.CurrentRound = 2;

    for (int d = 0; d < 4; ++d) world.Divisions[d]->GenerateRound(2);
    PlayAndProcess(world, port, 0);
    for (int d = 0; d < 4; ++d) world.Divisions[d]->SortTable();

    world.CupTeams.Clear();
    for (TTeam* team : world.AllTeams) world.CupTeams.Add(team);
    const std::vector<TTeam*> cup(world.CupTeams.begin(), world.CupTeams.end());
    CreateCompetitionGames(world, cup, gkCup, "Cup", 10, 1000000, kClubs / 2, "");
    PlayAndProcess(world, port, 1);

    for (TRecordedGame& g : out.games) {
        for (std::size_t s = 0; s < 2; ++s) {
            const TTeam* club = world.TeamById(g.clubIds[s]);
            g.eliminated[s] = club != nullptr && club->season.cupEliminated != 0;
        }
        for (const TRecordedEvent& e : g.events)
            out.log.push_back(std::to_string(e.minute) + "\t" + std::to_string(g.number) + "\t" +
                              std::to_string(e.side) + "\t" + std::to_string(e.kind) + "\t" +
                              std::to_string(e.playerId));
        out.log.push_back("end\t" + std::to_string(g.number) + "\t" + std::to_string(g.clubIds[0]) + "-" +
                          std::to_string(g.clubIds[1]) + "\t" + std::to_string(g.goals[0]) + ":" +
                          std::to_string(g.goals[1]) + (g.extraTime ? " aet" : "") +
                          (g.kind == gkCup ? (g.eliminated[0] ? " away through" : " home through") : ""));
    }
    return out;
}

} // namespace headless
