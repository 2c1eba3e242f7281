// Result processing with hand-computed expectations: the money, the calendar lines, the table counters,
// prestige, the crowd's support, the cup's loser and a level tie decided by penalties.
#include "../world/world_fixture.h"

#include "datafiles/referee_attr.h"
#include "foundation/kol_random.h"
#include "foundation/reals.h"
#include "match/result_processing.h"
#include "world/calendar.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

// Two clubs of eleven players (salary 100 each, no loan, balance 0) with a calendar entry each for the
// game, a referee, and a coach without a club who could take over.
struct ResultWorld {
    TWorld world;
    TTeam& home = MakeClub(world, "Home");
    TTeam& away = MakeClub(world, "Away");
    TReferee* referee;

    ResultWorld(int homeLevel = 40, int awayLevel = 40) {
        for (int i = 0; i < 11; ++i) {
            TPlayer& h = AddPlayer(home, i == 0 ? 0 : 1 + i % 3, homeLevel, 25);
            TPlayer& a = AddPlayer(away, i == 0 ? 0 : 1 + i % 3, awayLevel, 25);
            h.SetSalary(100);
            a.SetSalary(100);
            h.matchState.lineupRole = 1;
            a.matchState.lineupRole = 1;
        }
        auto attr = std::make_unique<TRefereeAttr>();
        referee = new TReferee(77, std::move(attr));
        referee->available = 0;
        world.AllReferees.Add(referee);
        auto spare = std::make_unique<TCoach>(world);
        spare->SetName("Free Coach");
        world.AllCoaches.Add(spare.release());
        world.SeasonYear = 2003;
        world.CurrentRound = 4;
        world.Options.viewComputerPenalties = false;
    }

    TGame& Game(std::uint8_t kind, int gH, int gA, std::int32_t prize) {
        if (kind == gkLeague) {
            home.calendar->InsertCupEntry(away.id, 0)->isCup = 0;
            away.calendar->InsertCupEntry(home.id, 1)->isCup = 0;
        }
        auto* game = new TGame(world, kind, prize, kind == gkCup ? 50000 : 0, 0, 3.0L, "", &away, &home);
        world.RoundGames.Add(game);
        game->attendance = 10001;
        game->ticketPrice = 3.0L;
        game->referee = referee;
        home.match.matchGoals = gH;
        away.match.matchGoals = gA;
        return *game;
    }
};

} // namespace

TEST(ProcessResult, LevelCupTieDecidedOnPenalties) {
    // The home side's level is 1: its three shoot-out draws are Random(1) = 0 each, and the away side goes
    // through on a tie.
    SetRandSeed(5);
    ResultWorld w(1, 40);
    w.world.CupTeams.Add(&w.home);
    w.world.CupTeams.Add(&w.away);
    TGame& game = w.Game(gkCup, 1, 1, 10);
    game.extraTime = 1;
    w.home.players[3]->suspendedGames = 2;
    TCalendarEntry* homeEntry = w.home.calendar->NextEntry(0);
    TCalendarEntry* awayEntry = w.away.calendar->NextEntry(0);

    ProcessResult(game);

    // 10 001 x 3.0 = 30 003 at the gate, shared: Round(15 001.5) = 15 002 each; the calendars note half
    // the receipts in whole units, 30 003 div 2 = 15 001.
    EXPECT_EQ(game.receipts, 30003);
    EXPECT_EQ(w.home.balance(), 15002 - 1100);
    EXPECT_EQ(w.away.balance(), 15002 + 50000 - 1100);
    EXPECT_EQ(w.away.season.financeTotals[static_cast<std::size_t>(FinanceSlot(fcPrizes))], 50000);
    EXPECT_EQ(w.home.season.financeTotals[static_cast<std::size_t>(FinanceSlot(fcWages))], -1100);
    EXPECT_EQ(homeEntry->decision, 3);
    EXPECT_EQ(awayEntry->decision, 2);
    EXPECT_EQ(homeEntry->goalsFor, 1);
    EXPECT_EQ(homeEntry->goalsAgainst, 1);
    EXPECT_EQ(homeEntry->receipts, 15001);
    EXPECT_EQ(awayEntry->receipts, 15001);
    EXPECT_EQ(awayEntry->attendance, 10001);
    EXPECT_EQ(awayEntry->refereeId, 77);
    EXPECT_EQ(w.home.season.cupEliminated, 1);
    EXPECT_EQ(w.away.season.cupEliminated, 0);
    ASSERT_EQ(w.world.CupTeams.Count(), 1);
    EXPECT_EQ(w.world.CupTeams[0], &w.away);
    EXPECT_EQ(w.away.prestige(), 10);
    EXPECT_EQ(w.away.coach->prestige(), 10);
    EXPECT_EQ(w.home.prestige(), 0);
    // Support: the away winner 0.9 x 1 + 0.1 x 2.0, the loser 0.9 x 1.
    EXPECT_NEAR(static_cast<double>(w.away.supportFactor()), 1.1, 1e-10);
    EXPECT_NEAR(static_cast<double>(w.home.supportFactor()), 0.9, 1e-10);
    // A cup tie counts in no table.
    EXPECT_EQ(w.home.season.played, 0);
    // Common end: one game of suspension served, the coach one week longer in his job, the home club
    // keeps the meeting, the referee is free again and the game has let go of its clubs.
    EXPECT_EQ(w.home.players[3]->suspendedGames, 1);
    EXPECT_EQ(w.away.coach->weeksInJob, 1);
    ASSERT_EQ(w.home.lastResults.Count(), 1);
    EXPECT_EQ(w.home.lastResults[0]->competition, 1);
    EXPECT_EQ(w.home.lastResults[0]->opponentId, w.away.id);
    EXPECT_EQ(w.home.lastResults[0]->season, 2003);
    EXPECT_EQ(w.away.lastResults.Count(), 0);
    EXPECT_EQ(w.referee->available, 1);
    EXPECT_EQ(game.homeTeam, nullptr);
    EXPECT_EQ(game.awayTeam, nullptr);
}

TEST(ProcessResult, CupTieWonInNormalTimeByTheHomeSide) {
    ResultWorld w;
    w.world.CupTeams.Add(&w.away);
    w.world.CupTeams.Add(&w.home);
    TGame& game = w.Game(gkCup, 2, 0, 10);
    TCalendarEntry* homeEntry = w.home.calendar->NextEntry(0);
    ProcessResult(game);
    EXPECT_EQ(homeEntry->decision, 0);
    EXPECT_EQ(w.away.season.cupEliminated, 1);
    ASSERT_EQ(w.world.CupTeams.Count(), 1);
    EXPECT_EQ(w.world.CupTeams[0], &w.home);
    EXPECT_EQ(w.home.balance(), 15002 + 50000 - 1100);
    // A home winner's crowd: 0.9 + 0.1 x 1.5.
    EXPECT_NEAR(static_cast<double>(w.home.supportFactor()), 1.05, 1e-10);
}

TEST(ProcessResult, GoallessLeagueDrawGivesHalfThePrizeRoundedDown) {
    for (auto [prize, half] : {std::pair{8, 4}, {7, 3}, {2, 1}, {0, 0}}) {
        SCOPED_TRACE(prize);
        ResultWorld w;
        TGame& game = w.Game(gkLeague, 0, 0, prize);
        TCalendarEntry* homeEntry = w.home.calendar->NextEntry(0);
        TCalendarEntry* awayEntry = w.away.calendar->NextEntry(0);
        ProcessResult(game);
        for (TTeam* club : {&w.home, &w.away}) {
            EXPECT_EQ(club->prestige(), half);
            EXPECT_EQ(club->coach->prestige(), half);
            EXPECT_EQ(club->season.played, 1);
            EXPECT_EQ(club->season.drawn, 1);
            EXPECT_EQ(club->season.points, 1);
            EXPECT_EQ(club->season.won + club->season.lost, 0);
        }
        EXPECT_NEAR(static_cast<double>(w.home.supportFactor()), 0.98, 1e-10);
        EXPECT_NEAR(static_cast<double>(w.away.supportFactor()), 1.03, 1e-10);
        // The home club keeps the whole gate; only its calendar line notes the receipts.
        EXPECT_EQ(w.home.balance(), 30003 - 1100);
        EXPECT_EQ(w.away.balance(), -1100);
        EXPECT_EQ(homeEntry->receipts, 30003);
        EXPECT_EQ(awayEntry->receipts, 0);
        EXPECT_EQ(homeEntry->goalsFor, 0);
        EXPECT_EQ(awayEntry->attendance, 10001);
    }
}

TEST(ProcessResult, HomeDefeatCostsTheHomeCrowdNineteenPerCent) {
    ResultWorld w;
    w.home.SetSupportFactor(1.5L);
    w.away.SetSupportFactor(1.5L);
    TGame& game = w.Game(gkLeague, 1, 3, 6);
    ProcessResult(game);
    EXPECT_NEAR(static_cast<double>(w.home.supportFactor()), 1.5 * 0.81, 1e-10);
    EXPECT_NEAR(static_cast<double>(w.away.supportFactor()), 1.35 + 0.25, 1e-10);
    EXPECT_EQ(w.away.season.won, 1);
    EXPECT_EQ(w.away.season.points, 3);
    EXPECT_EQ(w.home.season.lost, 1);
    EXPECT_EQ(w.home.season.points, 0);
    EXPECT_EQ(w.away.prestige(), 6);
    EXPECT_EQ(w.home.prestige(), 0);
    EXPECT_EQ(w.home.season.goalsFor, 1);
    EXPECT_EQ(w.home.season.goalsAgainst, 3);
    EXPECT_EQ(w.away.season.goalsFor, 3);
    EXPECT_EQ(w.away.season.goalsAgainst, 1);
}

TEST(ProcessResult, ADefeatedCoachGoesAfterNineWeeksWithAnUnhappyCrowd) {
    struct Case {
        int weeks;
        long double support;
        bool dismissed;
    };
    for (const Case& c : {Case{10, 0.7L, true}, Case{9, 0.7L, false}, Case{10, 0.75L, false}}) {
        SCOPED_TRACE(c.weeks);
        ResultWorld w;
        TCoach* old = w.home.coach;
        old->weeksInJob = static_cast<std::int16_t>(c.weeks);
        w.home.SetSupportFactor(c.support);
        ProcessResult(w.Game(gkLeague, 0, 1, 6));
        EXPECT_EQ(w.home.coach != old, c.dismissed);
    }
}
