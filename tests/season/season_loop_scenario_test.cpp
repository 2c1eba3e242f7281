// A seeded season of the round loop over the shipped clubs: every club prepares (selling, pricing, buying,
// loans, stadium, line-up), every matchday is played through the scripted port (its autopilot answers for
// the human coach, who refuses every raise), results are booked, and the invariants of the career, of the
// market and of the money are checked before every matchday and after the last one.
#include "../match/headless_matchday.h"
#include "../world/career_world.h"

#include "match/substitutions.h"
#include "season/game_loop.h"
#include "season/price_level.h"
#include "world/calendar.h"
#include "world/division.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace {

constexpr int kClubs = 60;

// Until the season's own draw is linked in: the clubs in their present order, the first 2 x games
// playing in pairs, the others through.
void ListOrderCupDraw(TWorld& world, int games) {
    const int n = world.CupTeams.Count();
    if (games == 0) {
        int d = 1;
        while (n * 0.5 > d) d *= 2;
        games = n - d;
    }
    for (int i = 0; i < n; ++i)
        world.CupTeams[i]->cupSlot = static_cast<std::int16_t>(i < 2 * games ? i + 1 : 9999);
}

struct TMatchdaySeen {
    int round, kind, games;
    bool operator==(const TMatchdaySeen&) const = default;
};

struct TSave {
    int round, resumeTeam;
    bool leagueRoundDone;
    bool operator==(const TSave&) const = default;
};

// The scripted port that checks the world before every matchday and keeps what was played.
class TCheckingPort : public TScriptedUserPort {
public:
    TWorld* world = nullptr;
    std::function<void()> check;
    std::vector<TMatchdaySeen> matchdays;
    // Cup opponents of every club, in the order of the ties.
    std::map<std::int16_t, std::vector<std::int16_t>> cupOpponents;
    // The club screens opened: round and club.
    std::vector<std::pair<int, std::int16_t>> clubScreens;
    // The league matchdays in which a person's club played.
    std::set<int> humanLeagueRounds;

    void ClubScreen(TTeam& club) override {
        clubScreens.push_back({world->CurrentRound, club.id});
        TScriptedUserPort::ClubScreen(club);
    }

    void ShowMatchday(TMatchdayTicker& matchday) override {
        if (check) check();
        auto& runner = static_cast<TMatchdayRunner&>(matchday);
        int games = 0;
        for (const TGame* game : world->RoundGames)
            if (game->HasTeams()) {
                ++games;
                for (const TTeam* club : {game->homeTeam, game->awayTeam})
                    if (game->kind == gkLeague && club->coach->IsHumanActive())
                        humanLeagueRounds.insert(world->CurrentRound);
                if (game->kind == gkCup) {
                    cupOpponents[game->homeTeam->id].push_back(game->awayTeam->id);
                    cupOpponents[game->awayTeam->id].push_back(game->homeTeam->id);
                }
            }
        // A cup round puts the ties of a person's club first.
        if (runner.JourneyKind() == gkCup) {
            bool otherSeen = false;
            for (const TGame* game : world->RoundGames) {
                const bool person = game->homeTeam->HasHumanCoach() || game->awayTeam->HasHumanCoach();
                EXPECT_FALSE(person && otherSeen) << "round " << world->CurrentRound;
                otherSeen = otherSeen || !person;
            }
        }
        matchdays.push_back({world->CurrentRound, runner.JourneyKind(), games});
        TScriptedUserPort::ShowMatchday(matchday);
    }
};

struct TRun {
    std::vector<TMatchdaySeen> matchdays;
    std::vector<TSave> saves;
    std::vector<std::pair<int, std::int16_t>> clubScreens;
    std::set<int> humanLeagueRounds;
    std::vector<int> tablesShown;
    std::string fingerprint;
    int transfers = 0;
    std::vector<std::uint8_t> finalBytes; // the game file the season ends with
    int seasonsEnded = 0;
    bool stopped = false;
};

// Thrown by the save step to leave the season right after a save, as a program that stops there would.
struct TStopAfterSave {};

// `stopRound` > 0: the save made in that round (at a cup club screen with `stopInCup`) ends the run there;
// the game file it wrote is loaded into a fresh world, and the season goes on from there.
TRun PlayOneSeason(std::uint32_t seed, const std::function<void(TCheckingPort&)>& adjust = {},
                   int stopRound = 0, bool stopInCup = false) {
    TRun run;
    SetRandSeed(seed);
    TCheckingPort port;
    port.RecordBeeps = false;
    port.AutoAcceptSalary = false; // the person refuses raises: those players go to auction
    InstallSubstitutionAutopilot(port);
    std::unique_ptr<TWorld> owned = std::make_unique<TWorld>();
    TWorld* wp = owned.get();
    const auto W = [&wp]() -> TWorld& { return *wp; };
    W().SetPort(port);
    port.world = wp;
    worldtest::BuildCareerWorld(W(), worldtest::CareerTeamFiles(kClubs));
    headless::LoadShippedReferees(W());
    W().Options.viewComputerPenalties = false;
    W().Options.saveGameWhen = 2;
    if (adjust) adjust(port);

    const int playerCount = W().AllPlayers.Count();
    // Each player's appearances and club at the start.
    std::map<std::int16_t, std::pair<int, std::int16_t>> startOf; // by player id: appearances, club id
    for (const TTeam* team : W().AllTeams)
        for (const TPlayer* p : team->players) startOf[p->id] = {p->career.appearances, team->id};
    // What no rule may change: balance - loan - the season's finance totals (every amount goes through a
    // season account or the loan); and the smallest squad a club may sell down to.
    const auto ledger = [](const TTeam& team) {
        std::int64_t sum = static_cast<std::int64_t>(team.balance()) - team.loan;
        for (std::int32_t t : team.season.financeTotals) sum -= t;
        return sum;
    };
    std::map<std::int16_t, std::int64_t>
        ledgerAtStart; // by club id, as every map here: a load renews the objects
    std::map<std::int16_t, std::array<int, 3>> floorAtStart; // squad, goalkeepers, outfield
    for (const TTeam* team : W().AllTeams) {
        ledgerAtStart[team->id] = ledger(*team);
        floorAtStart[team->id] = {team->squadSize, team->positionCounts[0],
                                  team->squadSize - team->positionCounts[0]};
    }
    std::map<std::int16_t, int> squadLimit;
    for (const TTeam* team : W().AllTeams)
        squadLimit[team->id] = std::max<int>(team->squadSize, TTeam::MaxSquad);

    // Each club's transfer accounts as of the last check, and the newest transfer record then.
    std::map<std::int16_t, std::pair<std::int64_t, std::int64_t>> accounts;
    for (const TTeam* team : W().AllTeams) accounts[team->id] = {0, 0};
    const TLastTransfer* newestSeen = nullptr;

    port.check = [&] {
        SCOPED_TRACE("round " + std::to_string(W().CurrentRound));
        // Four leagues of ten and the pool; every club in exactly one division.
        ASSERT_EQ(W().Divisions.Count(), 5);
        std::map<const TTeam*, int> divisionsOf;
        for (int d = 0; d < 5; ++d) {
            if (d < 4) {
                EXPECT_EQ(W().Divisions[d]->teams.Count(), 10);
            }
            for (const TTeam* team : W().Divisions[d]->teams) ++divisionsOf[team];
        }
        EXPECT_EQ(W().Divisions[4]->teams.Count(), kClubs - 40);
        for (const TTeam* team : W().AllTeams) EXPECT_EQ(divisionsOf[team], 1);
        // The players: as many as ever, each in exactly one squad.
        std::map<const TPlayer*, int> squadsOf;
        for (const TTeam* team : W().AllTeams)
            for (const TPlayer* p : team->players) ++squadsOf[p];
        EXPECT_EQ(W().AllPlayers.Count(), playerCount);
        for (const TPlayer* p : W().AllPlayers) EXPECT_EQ(squadsOf[p], 1);
        // Transfer money leaves one club and enters another; squads stay within their limit.
        std::int64_t sales = 0, purchases = 0;
        for (const TTeam* team : W().AllTeams) {
            sales += team->season.financeTotals[1];
            purchases += team->season.financeTotals[3];
            SCOPED_TRACE(team->ShortName());
            EXPECT_LE(team->squadSize + team->purchasesThisSeason, squadLimit[team->id]);
            EXPECT_EQ(ledger(*team), ledgerAtStart[team->id]);
            EXPECT_EQ(team->BalanceCopy() - 1, team->balance());
            // No club sells below its floor; the position counts follow the squad.
            const auto& f = floorAtStart[team->id];
            EXPECT_GE(team->squadSize, std::min(f[0], 14 - team->season.retiringCount));
            EXPECT_GE(team->positionCounts[0], std::min(f[1], 1));
            EXPECT_GE(team->squadSize - team->positionCounts[0], std::min(f[2], 10));
            int counted[4] = {0, 0, 0, 0};
            for (const TPlayer* p : team->players)
                if (p->soldToTeamId == 0) ++counted[p->position()];
            for (int pos = 0; pos < 4; ++pos)
                EXPECT_EQ(team->positionCounts[static_cast<std::size_t>(pos)], counted[pos]);
        }
        EXPECT_EQ(sales, -purchases);
        // Each transfer since the last check moved its price out of the buyer's account into the seller's.
        int from = 0;
        for (int i = 0; i < W().LastTransfersList.Count(); ++i)
            if (W().LastTransfersList[i] == newestSeen) from = i + 1;
        std::map<std::int16_t, std::pair<std::int64_t, std::int64_t>> moved;
        for (int i = from; i < W().LastTransfersList.Count(); ++i) {
            const TLastTransfer& t = *W().LastTransfersList[i];
            EXPECT_NE(t.sellerId, t.buyerId);
            moved[t.sellerId].first += t.price;
            moved[t.buyerId].second -= t.price;
        }
        for (const TTeam* team : W().AllTeams) {
            auto& [sold, bought] = accounts[team->id];
            EXPECT_EQ(team->season.financeTotals[1] - sold, moved[team->id].first) << team->ShortName();
            EXPECT_EQ(team->season.financeTotals[3] - bought, moved[team->id].second) << team->ShortName();
            sold = team->season.financeTotals[1];
            bought = team->season.financeTotals[3];
        }
        newestSeen = W().LastTransfersList.Last();
        EXPECT_GE(W().PriceIndex, 0.5L);
        EXPECT_LE(W().PriceIndex, 10.0L);
    };

    TSeasonSteps steps;
    steps.drawCupRound = ListOrderCupDraw;
    steps.endSeason = [&](TWorld&) {
        ++run.seasonsEnded;
        port.check();
    };
    std::vector<std::uint8_t> savedBytes;
    steps.saveGame = [&](TWorld& w) {
        run.saves.push_back({w.CurrentRound, w.ResumeTeam, w.LeagueRoundDone});
        if (w.CurrentRound == stopRound && w.LeagueRoundDone == stopInCup) {
            stopRound = 0; // once: the resumed season saves again later
            run.stopped = true;
            savedBytes = w.SaveGameBytes();
            throw TStopAfterSave{};
        }
        return true;
    };
    try {
        PlaySeason(W(), steps);
    } catch (const TStopAfterSave&) {
        // The game file loaded into a fresh world, the generator as it stood; the options come from the
        // settings, not from the file.
        const TGameOptions options = W().Options;
        const int seen = W().LastTransfersList.IndexOf(newestSeen) + 1; // transfers checked before the save
        owned = TWorld::LoadGameBytes(savedBytes, &port);
        wp = owned.get();
        port.world = wp;
        W().Options = options;
        newestSeen = seen > 0 ? W().LastTransfersList[seen - 1] : nullptr;
        PlaySeason(W(), steps);
    }
    run.matchdays = port.matchdays;
    run.clubScreens = port.clubScreens;
    run.humanLeagueRounds = port.humanLeagueRounds;
    for (const std::string& call : port.Calls)
        if (call.rfind("ShowClassification ", 0) == 0) run.tablesShown.push_back(std::stoi(call.substr(19)));

    if (run.seasonsEnded == 1) {
        // One cup winner, still in the cup.
        int stillIn = 0;
        for (const TTeam* team : W().AllTeams) stillIn += team->season.cupEliminated == 0 ? 1 : 0;
        EXPECT_EQ(stillIn, 1);
        EXPECT_EQ(W().CupTeams.Count(), 1);
        if (W().CupTeams.Count() == 1) {
            EXPECT_EQ(W().CupTeams[0]->season.cupEliminated, 0);
        }
        // Every result on its own calendar entry: the 18 league games in order, each played, adding up to
        // the table's goals; the cup ties against the opponents actually met, in order.
        for (const TTeam* team : W().AllTeams) {
            SCOPED_TRACE(team->ShortName());
            const bool league = W().DivisionIndexOfTeam(*team) < 4;
            int matchday = 0, goalsFor = 0, goalsAgainst = 0;
            std::vector<std::int16_t> cup;
            for (const TCalendarEntry* e : *team->calendar) {
                EXPECT_TRUE(e->Played());
                if (e->isCup) {
                    cup.push_back(e->opponentId);
                    continue;
                }
                EXPECT_EQ(e->matchday, ++matchday);
                goalsFor += e->goalsFor;
                goalsAgainst += e->goalsAgainst;
            }
            EXPECT_EQ(matchday, league ? 18 : 0);
            EXPECT_EQ(goalsFor, team->season.goalsFor);
            EXPECT_EQ(goalsAgainst, team->season.goalsAgainst);
            EXPECT_EQ(cup, port.cupOpponents[team->id]);
            // A player who stayed makes at most one appearance for each game his club played: a club
            // that does not play keeps nobody on the field from an earlier matchday.
            for (const TPlayer* p : team->players)
                if (startOf[p->id].second == team->id) {
                    EXPECT_LE(p->career.appearances - startOf[p->id].first,
                              matchday + static_cast<int>(cup.size()))
                        << "player " << p->id;
                }
        }
    }

    run.transfers = W().LastTransfersList.Count();
    run.finalBytes = W().SaveGameBytes();
    std::ostringstream out;
    out << static_cast<double>(W().PriceIndex) << '|' << W().LastTransfersList.Count() << '|';
    for (const TTeam* team : W().AllTeams) {
        out << team->id << ':' << team->balance() << ':' << team->season.points << ':'
            << team->season.goalsFor << ':';
        for (const TPlayer* p : team->players) out << p->id << ',' << p->level() << ';';
        out << '\n';
    }
    run.fingerprint = out.str();
    return run;
}

TEST(SeasonLoopScenario, EighteenRoundsAndACupThatEndsInRoundEighteen) {
    const TRun run = PlayOneSeason(20021);
    EXPECT_EQ(run.seasonsEnded, 1);
    EXPECT_GT(run.transfers, 0); // a lively market: the checks of the money did see transfers
    // 60 clubs: the cup starts when 2^k < 60, in round 8 (k = 5), and halves to the final in round 18.
    const std::map<int, int> cupGames = {{8, 28}, {10, 16}, {12, 8}, {14, 4}, {16, 2}, {18, 1}};
    std::vector<TMatchdaySeen> expected;
    for (int r = 1; r <= 18; ++r) {
        expected.push_back({r, 0, 20});
        if (cupGames.count(r)) expected.push_back({r, 1, cupGames.at(r)});
    }
    EXPECT_EQ(run.matchdays, expected);
    // "saveGameWhen" 2: the first club screen of a person in rounds 1, 3, 6, ... 18 saves (a league one:
    // the league prepares first), recording that club; then the season's end saves with no club open.
    std::vector<TSave> saves;
    for (const auto& [round, club] : run.clubScreens)
        if ((round == 1 || round % 3 == 0) && (saves.empty() || saves.back().round != round))
            saves.push_back({round, club, false});
    saves.push_back({18, 0, false});
    EXPECT_EQ(run.saves, saves);
    // The person's coach may lose his job during the season: the table is shown after each league
    // matchday in which a person's club played, and always after round 18.
    std::vector<int> tables(run.humanLeagueRounds.begin(), run.humanLeagueRounds.end());
    if (tables.empty() || tables.back() != 18) tables.push_back(18);
    EXPECT_EQ(run.tablesShown, tables);
    EXPECT_GE(run.humanLeagueRounds.size(), 3u); // the scenario does have a person's club playing
}

TEST(SeasonLoopScenario, TheSameSeedGivesTheSameSeason) {
    const std::string first = PlayOneSeason(777).fingerprint;
    EXPECT_EQ(first, PlayOneSeason(777).fingerprint);
    EXPECT_NE(first, PlayOneSeason(778).fingerprint);
}

TEST(SeasonLoopScenario, QuittingAtAClubScreenEndsTheCareerWithoutItsMatchday) {
    const TRun run = PlayOneSeason(31, [](TCheckingPort& port) {
        port.ClubScreenHook = [&port](TTeam& club) {
            if (port.world->CurrentRound == 3)
                port.world->QuitRequested = true;
            else
                club.AutoLineup();
        };
    });
    EXPECT_EQ(run.seasonsEnded, 0);
    EXPECT_EQ(run.matchdays, (std::vector<TMatchdaySeen>{{1, 0, 20}, {2, 0, 20}}));
}

TEST(SeasonLoopScenario, WithoutAPersonsClubOnlyTheLastRoundShowsTheTableAndNothingSavesBeforeTheEnd) {
    const TRun run = PlayOneSeason(20021, [](TCheckingPort& port) {
        for (TCoach* coach : port.world->AllCoaches)
            if (coach->isHuman) coach->onHoliday = 1;
    });
    EXPECT_TRUE(run.clubScreens.empty());
    EXPECT_EQ(run.tablesShown, std::vector<int>{18});
    EXPECT_EQ(run.saves, (std::vector<TSave>{{18, 0, false}}));
}

// Resuming: a career saved at a club screen and loaded into a fresh world goes on exactly as it would
// have without stopping there (the same game file at the end of the season), whether the save came at a
// league club screen or at a cup one after the league matchday of the round was played.
TEST(SeasonLoopScenario, ASeasonResumedAfterASaveEndsAsTheUninterruptedOne) {
    // Saves in every round; in rounds 4, 8, ... the person's cup club screen saves as well. The person's
    // line-up is the autopilot's: the screen opened again after the load keeps the one chosen before the
    // save (a new choice would shuffle the squad again).
    const auto everyRound = [](TCheckingPort& port) {
        port.world->Options.saveGameWhen = 1;
        port.ClubScreenHook = [&port](TTeam& club) {
            TWorld& w = *port.world;
            if (!w.RoundGames.Empty() && w.RoundGames.First()->kind == gkCup && w.CurrentRound % 4 == 0)
                w.SavedThisRound = false;
            AutopilotLineup(club);
        };
    };
    const TRun whole = PlayOneSeason(4242, everyRound);
    ASSERT_EQ(whole.seasonsEnded, 1);
    // Stopped at every save made at a club screen: the person's league screen of each round while he had
    // a club, and his cup screen in the rounds 4, 8, ... while his club was in the cup.
    std::vector<std::pair<int, bool>> stops;
    for (const TSave& save : whole.saves)
        if (save.resumeTeam != 0) stops.push_back({save.round, save.leagueRoundDone});
    // This seed: the person loses his club after round 10 and finds another for round 12; his first club
    // plays one cup tie, in round 8.
    ASSERT_GE(stops.size(), 15u);
    ASSERT_EQ(std::count(stops.begin(), stops.end(), std::pair{8, true}), 1);
    for (const auto& [stop, inCup] : stops) {
        SCOPED_TRACE("stopped in round " + std::to_string(stop) + (inCup ? " (cup)" : ""));
        const TRun resumed = PlayOneSeason(4242, everyRound, stop, inCup);
        EXPECT_TRUE(resumed.stopped);
        EXPECT_TRUE(resumed.fingerprint == whole.fingerprint);
        EXPECT_TRUE(resumed.finalBytes == whole.finalBytes);
        EXPECT_EQ(resumed.matchdays, whole.matchdays);
        EXPECT_EQ(resumed.seasonsEnded, 1);
    }
}

} // namespace
