#include "../world/labels_fixture.h"
#include "foundation/kol_random.h"
#include "foundation/row_markup.h"
#include "match/shootout.h"
#include "minute_fixture.h"
#include "world/calendar.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

using namespace matchtest;

namespace {

// A shoot-out whose kicks come out as scripted, one code per kick in the order they are taken.
struct ScriptedShootout {
    MatchWorld w;
    TTeam& home = w.Club("Home");
    TTeam& away = w.Club("Away");
    TGame& game = w.Game(home, away, gkCup);
    TShootout shootout{game};
    std::deque<int> codes;
    std::vector<const TPlayer*> takers;

    explicit ScriptedShootout(std::initializer_list<int> script) : codes(script) {
        shootout.resolveKick = [this](const TPlayer& taker, const TPlayer&) {
            takers.push_back(&taker);
            const int code = codes.empty() ? 2 : codes.front();
            if (!codes.empty()) codes.pop_front();
            return code;
        };
    }
    int KickAll() {
        int kicks = 0;
        while (!shootout.Finished() && kicks < 100) {
            shootout.Kick();
            ++kicks;
        }
        return kicks;
    }
};

} // namespace

TEST(Shootout, ThreeNilAfterThreePairsEndsAtTheAwaySidesThirdKick) {
    // Home scores, away misses: after home's third kick (3-0, away has taken 2) away could still draw
    // level; after away's third (5 - 3 >= 3 fails) it cannot.
    ScriptedShootout s({1, 2, 1, 2, 1, 2, 1, 2});
    for (int k = 0; k < 5; ++k) {
        s.shootout.Kick();
        EXPECT_FALSE(s.shootout.Finished()) << "kick " << k + 1;
    }
    s.shootout.Kick();
    EXPECT_TRUE(s.shootout.Finished());
    EXPECT_EQ(s.shootout.sides[0].goals, 3);
    EXPECT_EQ(s.shootout.sides[1].kicksTaken, 3);
    EXPECT_FALSE(s.shootout.AwayGoesThrough());
    ASSERT_EQ(s.shootout.lines.Count(), 3);
    EXPECT_EQ(s.shootout.lines[2]->results[0], 1);
    EXPECT_EQ(s.shootout.lines[2]->results[1], 2);
    EXPECT_EQ(s.shootout.selectedLine, 2);
}

TEST(Shootout, WithinFivePairsItEndsAsSoonAsOneSideCannotCatchUp) {
    struct Case {
        std::vector<int> codes;
        int kicks;
        bool awayThrough;
    };
    const Case cases[] = {
        // Home misses 3, away scores 3: after away's third, 3 - 0 with home two kicks left.
        {{2, 1, 2, 1, 2, 1}, 6, true},
        // 4-2 after four pairs: away's fifth cannot help (5 - 4 >= 2 fails after the fourth pair).
        {{1, 1, 1, 2, 1, 1, 1, 2}, 8, false},
        // 4-3 after four pairs goes on (away could draw level), so does home's missed fifth; away's missed
        // fifth ends it after ten kicks, home through.
        {{1, 1, 1, 1, 1, 1, 1, 2, 2, 2}, 10, false},
        // Level after five pairs at 4-4: sudden death; home scores its sixth, away misses: 12 kicks.
        {{1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 1, 2}, 12, false},
    };
    for (const Case& c : cases) {
        ScriptedShootout s({});
        s.codes.assign(c.codes.begin(), c.codes.end());
        EXPECT_EQ(s.KickAll(), c.kicks);
        EXPECT_EQ(s.shootout.AwayGoesThrough(), c.awayThrough);
    }
}

TEST(Shootout, SuddenDeathGoesOnWhileTheSixthAndLaterPairsAreLevel) {
    // 5-5 after five pairs, then 1-1, 0-0 and 1-0: the home side always kicks, the result is looked at
    // after the away kick; 16 kicks.
    ScriptedShootout s({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 1, 2});
    for (int k = 1; k <= 15; ++k) {
        s.shootout.Kick();
        ASSERT_FALSE(s.shootout.Finished()) << "kick " << k;
    }
    s.shootout.Kick();
    EXPECT_TRUE(s.shootout.Finished());
    EXPECT_EQ(s.shootout.sides[0].goals, 7);
    EXPECT_EQ(s.shootout.sides[1].goals, 6);
    EXPECT_EQ(s.shootout.lines.Count(), 8);
    EXPECT_FALSE(s.shootout.AwayGoesThrough());
    // Away wins a sudden death the same way.
    ScriptedShootout t({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1});
    EXPECT_EQ(t.KickAll(), 12);
    EXPECT_TRUE(t.shootout.AwayGoesThrough());
}

TEST(Shootout, TakersInSquadOrderAfterTheSortAndRoundAgainWhenTheyRunOut) {
    MatchWorld w;
    TTeam& home = w.Club("Home", 3, 2);
    TTeam& away = w.Club("Away", 11);
    // DuelStrength = level x (position + 1) x (scoringWeight / 10 + 1) / 6, rounded: GK level 20 -> 3,
    // DF level 20 -> 7, MF level 20 with weight 5 -> 15. The bench players stay behind in their order.
    home.players[2]->scoringWeight = 5;
    TPlayer* gk = home.players[0];
    TPlayer* df = home.players[1];
    TPlayer* mf = home.players[2];
    TPlayer* awayKeeper = away.players[0];
    TGame& game = w.Game(home, away, gkCup);
    TShootout shootout(game);
    // Sorted: on the field by strength (MF 15, DF 7, GK 3), then the bench in its old order.
    ASSERT_EQ(home.players.Count(), 5);
    EXPECT_EQ(home.players[0], mf);
    EXPECT_EQ(home.players[1], df);
    EXPECT_EQ(home.players[2], gk);
    EXPECT_EQ(home.players[3]->matchState.lineupRole, 2);
    std::vector<const TPlayer*> takers;
    std::vector<const TPlayer*> keepers;
    shootout.resolveKick = [&](const TPlayer& taker, const TPlayer& keeper) {
        takers.push_back(&taker);
        keepers.push_back(&keeper);
        return 1; // always level: the kicks go on
    };
    for (int k = 0; k < 10; ++k) shootout.Kick();
    ASSERT_EQ(takers.size(), 10u);
    const std::vector<const TPlayer*> expected = {mf, df, gk, mf, df};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(takers[2 * k], expected[k]) << k;
        EXPECT_EQ(keepers[2 * k], awayKeeper) << k; // the away goalkeeper on the field
        EXPECT_EQ(keepers[2 * k + 1], gk) << k;
    }
}

TEST(Shootout, RealKicksDrawThreeNumbersEachAndMarkTheCalendars) {
    MatchWorld w;
    TTeam& home = w.Club("Home", 11, 0, 40);
    TTeam& away = w.Club("Away", 11, 0, 40);
    w.world.Options.viewComputerPenalties = true;
    TGame& game = w.Game(home, away, gkCup);
    TCalendarEntry* homeEntry = (*home.calendar)[0];
    TCalendarEntry* awayEntry = (*away.calendar)[0];
    std::vector<TDrawRecord> draws;
    SetRandSeed(2024);
    StartDrawLog(draws);
    const bool awayThrough = RunShootout(game, homeEntry, awayEntry);
    StopDrawLog();
    ASSERT_GE(draws.size(), 18u); // at least three pairs
    EXPECT_EQ(draws.size() % 3, 0u);
    for (const TDrawRecord& d : draws) EXPECT_STREQ(d.tag, "shootout");
    EXPECT_EQ(homeEntry->decision, awayThrough ? 3 : 2);
    EXPECT_EQ(awayEntry->decision, awayThrough ? 2 : 3);
}

TEST(Shootout, WatchedByOptionHumanCoachOrTheLastRoundElseTheQuickDraw) {
    struct Case {
        bool option, human;
        int round;
        bool watched;
    };
    const Case cases[] = {{false, false, 17, false},
                          {true, false, 17, true},
                          {false, true, 17, true},
                          {false, false, 18, true}};
    for (const Case& c : cases) {
        MatchWorld w;
        TTeam& home = w.Club("Home");
        TTeam& away = w.Club("Away");
        w.world.Options.viewComputerPenalties = c.option;
        w.world.CurrentRound = static_cast<std::int16_t>(c.round);
        if (c.human) w.MakeHuman(away);
        TGame& game = w.Game(home, away, gkCup);
        EXPECT_EQ(ShootoutIsWatched(game), c.watched);
        std::vector<TDrawRecord> draws;
        StartDrawLog(draws);
        RunShootout(game, nullptr, nullptr);
        StopDrawLog();
        ASSERT_FALSE(draws.empty());
        EXPECT_STREQ(draws[0].tag, c.watched ? "shootout" : "quickShootout") << c.round;
    }
}

TEST(Shootout, QuickDrawThreeDrawsEachHomeFirstTiesToTheAwayClub) {
    MatchWorld w;
    TTeam& home = w.Club("Home", 11, 0, 30);
    TTeam& away = w.Club("Away", 11, 0, 50);
    // Seeds where the sums come out level, home ahead and away ahead, found with the oracle.
    const auto sums = [](TLcg& lcg) {
        int h = lcg.Next(30);
        h += lcg.Next(30);
        h += lcg.Next(30);
        int a = lcg.Next(50);
        a += lcg.Next(50);
        a += lcg.Next(50);
        return std::pair{h, a};
    };
    const std::uint32_t level = FindSeed([&](TLcg& l) {
        auto [h, a] = sums(l);
        return h == a;
    });
    const std::uint32_t homeAhead = FindSeed([&](TLcg& l) {
        auto [h, a] = sums(l);
        return h == a + 1;
    });
    const std::uint32_t awayAhead = FindSeed([&](TLcg& l) {
        auto [h, a] = sums(l);
        return a == h + 1;
    });
    for (auto [seed, awayThrough] : {std::pair{level, true}, {homeAhead, false}, {awayAhead, true}}) {
        SetRandSeed(seed);
        EXPECT_EQ(QuickShootout(home, away), awayThrough) << seed;
        TLcg after{seed};
        for (int i = 0; i < 6; ++i) after.Next(1);
        EXPECT_EQ(RandSeed(), after.state);
    }
    // The squads keep their order when nobody watches.
    TPlayer* first = home.players[0];
    TGame& game = w.Game(home, away, gkCup);
    RunShootout(game, nullptr, nullptr);
    EXPECT_EQ(home.players[0], first);
}

TEST(Shootout, AHumanCoachsShootoutIsShownThroughThePortAndFinishedByTheRules) {
    MatchWorld w;
    TTeam& home = w.Club("Home");
    TTeam& away = w.Club("Away");
    w.MakeHuman(home);
    struct ShowingPort : TScriptedUserPort {
        int shown = 0;
        int interval = 0;
        bool ShowShootout(TShootout& s) override {
            ++shown;
            interval = s.KickIntervalMs();
            // Home scores every kick, away misses every kick; the port shows only the first two kicks.
            s.resolveKick = [&s](const TPlayer&, const TPlayer&) { return s.currentSide == 0 ? 1 : 2; };
            s.Kick();
            s.Kick();
            return true;
        }
    } port;
    w.world.SetPort(port);
    TGame& game = w.Game(home, away, gkCup);
    TCalendarEntry* homeEntry = (*home.calendar)[0];
    TCalendarEntry* awayEntry = (*away.calendar)[0];
    EXPECT_FALSE(RunShootout(game, homeEntry, awayEntry));
    EXPECT_EQ(port.shown, 1);
    EXPECT_EQ(port.interval, 3000);
    EXPECT_EQ(homeEntry->decision, 2);
    EXPECT_EQ(awayEntry->decision, 3);
}

TEST(Shootout, EachLineShowsBothTakersAndTheirKicks) {
    TestLabels labels({{304, "..."}, {305, "Goal"}, {306, "Saved"}});
    ScriptedShootout s({1, 2});
    for (TPlayer* p : s.home.players) p->attr->SetName("Home " + std::to_string(p->id));
    for (TPlayer* p : s.away.players) p->attr->SetName("Away " + std::to_string(p->id));
    s.shootout.Kick();
    const auto cells = [](const TCupPenalty& line) {
        std::vector<std::string> texts;
        for (const TRowCell& cell : ParseRowMarkup(line.GetListText(0))) texts.push_back(cell.text);
        return texts;
    };
    const std::string homeTaker = s.takers[0]->PlainName();
    ASSERT_EQ(homeTaker.substr(0, 4), "Home");
    EXPECT_EQ(cells(*s.shootout.lines[0]), (std::vector<std::string>{homeTaker, "Goal", "-", "...", "..."}));
    s.shootout.Kick();
    EXPECT_EQ(cells(*s.shootout.lines[0]),
              (std::vector<std::string>{homeTaker, "Goal", "-", s.takers[1]->PlainName(), "Saved"}));
    EXPECT_EQ(s.takers[1]->PlainName().substr(0, 4), "Away");
    // A name longer than the column keeps its first twelve characters.
    s.takers[1]->attr->SetName("Maximilianus Oberhauser");
    EXPECT_EQ(cells(*s.shootout.lines[0]).at(3), "Maximilianus");
}
