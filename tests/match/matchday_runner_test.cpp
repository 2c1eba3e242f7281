// The matchday runner: its pace, its clock through half time, the settling of a cup round after 90
// minutes and extra time, the appearances of the starters, the half-time questions to a person, and the
// game lines' geometry that the window's mouse handling relies on.
#include "../world/world_fixture.h"

#include "match/game_lines.h"
#include "match/matchday_runner.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

// `ties` games of `kind` between fresh clubs of eleven starters each; the scores are set by hand and the
// minute steps do nothing, so the clock alone is under test.
struct RunnerWorld {
    TScriptedUserPort port;
    TWorld world;
    std::vector<TGame*> games;
    std::vector<int> settledAtMinute;

    RunnerWorld(int ties, std::uint8_t kind) {
        world.SetPort(port);
        for (int t = 0; t < ties; ++t) {
            TTeam& home = MakeClub(world, "H" + std::to_string(t));
            TTeam& away = MakeClub(world, "A" + std::to_string(t));
            for (TTeam* club : {&home, &away})
                for (int i = 0; i < 11; ++i)
                    AddPlayer(*club, i == 0 ? 0 : 1 + i % 3, 40, 25).matchState.lineupRole = 1;
            games.push_back(new TGame(world, kind, 10, 0, 0, 2.0L, "", &away, &home));
            world.RoundGames.Add(games.back());
        }
    }

    // Ticks until the runner ends; the number of ticks.
    int Run(TMatchdayRunner& runner) {
        runner.minuteStep = [](TGame&, int) {};
        runner.beforeResult = [this, &runner](TGame&) { settledAtMinute.push_back(runner.MinuteCounter()); };
        runner.Start();
        int ticks = 0;
        while (runner.Tick()) ++ticks;
        return ticks + 1;
    }
};

} // namespace

TEST(MatchdayRunner, ACupRoundDecidedAtNinetyEndsAtTick96) {
    RunnerWorld w(3, gkCup);
    for (TGame* game : w.games) game->homeTeam->match.matchGoals = 1;
    TMatchdayRunner runner(w.world, 1, "Cup");
    EXPECT_EQ(w.Run(runner), 101);
    EXPECT_EQ(runner.MinuteCounter(), 96);
    EXPECT_EQ(runner.LastMinute(), 90);
    EXPECT_TRUE(runner.CanClose());
    EXPECT_EQ(w.world.RoundGames.Count(), 0);
    EXPECT_EQ(w.settledAtMinute, (std::vector<int>{90, 90, 90}));
}

TEST(MatchdayRunner, ALevelCupTiePlaysExtraTimeAndIsLeftForAfterTheWindow) {
    RunnerWorld w(3, gkCup);
    w.games[0]->homeTeam->match.matchGoals = 1;
    w.games[2]->awayTeam->match.matchGoals = 2;
    TGame* level = w.games[1];
    TMatchdayRunner runner(w.world, 1, "Cup");
    w.Run(runner);
    EXPECT_EQ(runner.MinuteCounter(), 126);
    EXPECT_EQ(runner.LastMinute(), 120);
    EXPECT_EQ(runner.ClockPhase(), cpExtraTime);
    ASSERT_EQ(w.world.RoundGames.Count(), 1);
    EXPECT_EQ(w.world.RoundGames[0], level);
    EXPECT_EQ(level->extraTime, 1);
    EXPECT_EQ(w.settledAtMinute, (std::vector<int>{90, 90}));
}

TEST(MatchdayRunner, ALeagueMatchdayNeverSettlesAtNinety) {
    RunnerWorld w(2, gkLeague);
    w.games[0]->homeTeam->match.matchGoals = 1;
    TMatchdayRunner runner(w.world, 0, "League");
    w.Run(runner);
    EXPECT_EQ(runner.MinuteCounter(), 96);
    EXPECT_EQ(w.world.RoundGames.Count(), 2);
    EXPECT_TRUE(w.settledAtMinute.empty());
}

TEST(MatchdayRunner, MinutesRunFromOneForEveryGameInListOrder) {
    RunnerWorld w(2, gkLeague);
    TMatchdayRunner runner(w.world, 0, "League");
    std::vector<std::pair<int, TGame*>> calls;
    runner.Start();
    runner.minuteStep = [&calls](TGame& game, int m) { calls.emplace_back(m, &game); };
    for (int i = 0; i < 7; ++i) runner.Tick();
    const std::vector<std::pair<int, TGame*>> expected = {
        {1, w.games[0]}, {1, w.games[1]}, {2, w.games[0]}, {2, w.games[1]}};
    EXPECT_EQ(calls, expected);
    // A paused matchday's ticks do nothing.
    runner.Pause();
    runner.Tick();
    EXPECT_EQ(runner.MinuteCounter(), 2);
    runner.Resume();
    runner.Tick();
    EXPECT_EQ(runner.MinuteCounter(), 3);
}

TEST(MatchdayRunner, StartersAppearAndPeopleAreAskedAtTheBreaks) {
    RunnerWorld w(2, gkCup);
    TTeam* human = w.games[1]->awayTeam;
    human->coach->isHuman = 1;
    TGame* other = w.games[0];
    other->homeTeam->players[4]->matchState.lineupRole = 2;
    TMatchdayRunner runner(w.world, 1, "Cup");
    std::vector<int> askedAt;
    runner.minuteStep = [&askedAt, &w, &runner](TGame&, int) {
        if (w.port.Calls.size() > askedAt.size()) askedAt.push_back(runner.MinuteCounter() - 1);
    };
    runner.Start();
    EXPECT_EQ(other->homeTeam->players[3]->career.appearances, 1);
    EXPECT_EQ(other->homeTeam->players[4]->career.appearances, 0);
    EXPECT_EQ(runner.HumanPlayers(), 1);
    EXPECT_EQ(runner.TimerInterval(), 800);
    while (runner.Tick()) {}
    // Both ties level: half time and the break before extra time ask the person's club, nobody else.
    std::vector<std::string> asked;
    for (const std::string& call : w.port.Calls)
        if (call.rfind("RequestSubstitution", 0) == 0) asked.push_back(call);
    const std::string expected = "RequestSubstitution 1 4 0";
    EXPECT_EQ(asked, (std::vector<std::string>{expected, expected}));
    // Asked after minutes 45 and 90 (seen by the first minute step that follows).
    EXPECT_EQ(askedAt, (std::vector<int>{45, 90}));
}

TEST(MatchdayRunner, NoHalfTimeQuestionsWhenTheOptionIsOff) {
    RunnerWorld w(1, gkLeague);
    w.games[0]->homeTeam->coach->isHuman = 1;
    w.world.Options.halfTimeSubstitutions = false;
    TMatchdayRunner runner(w.world, 0, "League");
    w.Run(runner);
    for (const std::string& call : w.port.Calls) EXPECT_NE(call.rfind("RequestSubstitution", 0), 0u) << call;
}

TEST(MatchdayRunner, TwoClubsOfPeopleWithProfileTwoTick950) {
    RunnerWorld w(3, gkLeague);
    w.games[0]->awayTeam->coach->isHuman = 1;
    w.games[2]->homeTeam->coach->isHuman = 1;
    w.world.Options.gameTimeProfile = 2;
    TMatchdayRunner runner(w.world, 0, "League");
    runner.Start();
    EXPECT_EQ(runner.HumanPlayers(), 2);
    EXPECT_EQ(runner.TimerInterval(), 950);
}

// A 1024 x 768 screen: rows of Round(25.6) = 26 pixels, attendance column Round(51.2) = 51, names
// Round(230.4) = 230, scores Round(19.2) = 19. Home name: 20 < x - 51 < 250; away name:
// 288 < x - 51 < 518. The third row of a league page spans y = 42 + 2 x 28 = 98 .. 125.
TEST(HitTest, OnlyAClubsNameIsHit) {
    const TMatchdayGeometry g = TMatchdayGeometry::ForScreen(1024, 768);
    ASSERT_EQ(g.rowHeight, 26);
    struct Case {
        int x, y;
        bool cup;
        int page, index, side;
    };
    const Case cases[] = {
        {72, 100, false, 0, 2, 0},    {71, 100, false, 0, -1, -1},  {300, 100, false, 0, 2, 0},
        {301, 100, false, 0, -1, -1}, {340, 100, false, 0, 2, 1},   {339, 100, false, 0, -1, -1},
        {568, 100, false, 0, 2, 1},   {569, 100, false, 0, -1, -1}, {100, 41, false, 0, -1, -1},
        {100, 42, false, 0, 0, 0},    {100, 80, false, 0, 1, 0},    {100, 80, true, 0, 0, 0},
        {100, 100, false, 1, 26, 0},  {100, 100, true, 1, 25, 0},   {100, 42 + 28 * 29, false, 0, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        const TLineClick click = HitTest(g, c.x, c.y, c.page, 28, c.cup);
        EXPECT_EQ(click.gameIndex, c.index);
        EXPECT_EQ(click.side, c.side);
    }
}

TEST(GameLineRow, OnlyOnItsPageAndOneLowerForACupTie) {
    EXPECT_EQ(GameLineRow(25, 1, false), 1);
    EXPECT_EQ(GameLineRow(25, 1, true), 2);
    EXPECT_EQ(GameLineRow(25, 0, false), -1);
    EXPECT_EQ(GameLineRow(23, 0, true), 24);
    EXPECT_EQ(GameLineRow(24, 0, false), -1);
}

TEST(EventMark, SymbolAndTextByKind) {
    TWorld world;
    TTeam& home = MakeClub(world, "Home");
    TTeam& away = MakeClub(world, "Away");
    TPlayer& p = AddPlayer(away, 2, 40, 25);
    p.attr->SetName("A Rather Long Player Name");
    TGame game(world, gkLeague, 0, 0, 0, 1.0L, "", &away, &home);
    struct Case {
        int kind, symbol, text;
    };
    const Case cases[] = {{gekGoal, esNone, 410},
                          {gekPenaltyGoal, esNone, 411},
                          {gekBooking, esYellow, 410},
                          {gekSendingOff, esRed, 410},
                          {gekSecondBooking, esYellowThenRed, 0},
                          {gekInjury, esInjuryCross, 410},
                          {gekGoalDisallowed, esNone, 188}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const TEventMark mark =
            EventMarkOf(game, TGameEvent(1, 23, static_cast<std::int16_t>(c.kind), p.id, 2));
        EXPECT_EQ(mark.symbol, c.symbol);
        EXPECT_EQ(mark.textNumber, c.text);
        EXPECT_FALSE(mark.bold);
        EXPECT_EQ(mark.playerName, "A Rather Long Player");
    }
    const TEventMark second = EventMarkOf(game, TGameEvent(0, 7, gekSecondBooking, p.id, 2));
    EXPECT_TRUE(second.bold);
    EXPECT_EQ(second.Text(), "A Rather Long Player 7'");
    // The line shows the last event only.
    game.events.Add(new TGameEvent(1, 10, gekGoal, p.id, 2));
    game.events.Add(new TGameEvent(1, 11, gekGoalDisallowed, p.id, 2));
    const TGameLine line = GameLineOf(game);
    EXPECT_TRUE(line.hasEvent);
    EXPECT_EQ(line.event.textNumber, 188);
    EXPECT_EQ(line.event.minute, 11);
}
