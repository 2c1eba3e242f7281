// The selection rules of a match: the check that decides whether a selection may be played (every rule
// on both sides of its limit), the substitutions it leaves, and the automatic choice's reading of the
// opponent.
#include "world_fixture.h"

#include "foundation/kol_random.h"
#include "world/selection.h"

#include <gtest/gtest.h>

#include <functional>

using namespace worldtest;

namespace {

// A squad of 2 goalkeepers and 14 outfield players, nobody selected.
struct SelectionClub {
    TWorld world;
    TTeam& club = MakeClub(world, "Club");
    std::vector<TPlayer*> keepers, outfield;
    SelectionClub() {
        for (int i = 0; i < 2; ++i) keepers.push_back(&AddPlayer(club, 0, 40, 25));
        for (int i = 0; i < 14; ++i) outfield.push_back(&AddPlayer(club, 1 + i % 3, 40, 25));
    }
    // One keeper and ten outfield players start, `bench` outfield players sit on the bench.
    void Pick(int bench) {
        keepers[0]->matchState.lineupRole = 1;
        for (int i = 0; i < 10; ++i) outfield[static_cast<std::size_t>(i)]->matchState.lineupRole = 1;
        for (int i = 0; i < bench; ++i) outfield[static_cast<std::size_t>(10 + i)]->matchState.lineupRole = 2;
    }
};

struct CheckCase {
    const char* what;
    std::function<void(SelectionClub&)> change;
    int problem;
    std::vector<int> numbers;
};

} // namespace

TEST(CheckSelection, EachRuleOnBothSidesOfItsLimit) {
    const std::vector<CheckCase> cases = {
        {"a valid eleven with three on the bench", [](SelectionClub&) {}, spNone, {}},
        {"a suspended player not picked",
         [](SelectionClub& s) { s.outfield[13]->suspendedGames = 1; },
         spNone,
         {}},
        {"a suspended starter",
         [](SelectionClub& s) { s.outfield[4]->suspendedGames = 2; },
         spUnavailablePlayer,
         {}},
        {"an injured bench player",
         [](SelectionClub& s) { s.outfield[11]->injuredGames = 1; },
         spUnavailablePlayer,
         {}},
        {"no goalkeeper",
         [](SelectionClub& s) { s.keepers[0]->matchState.lineupRole = 2; },
         spGoalkeepers,
         {0}},
        {"two goalkeepers",
         [](SelectionClub& s) {
             s.keepers[1]->matchState.lineupRole = 1;
             s.outfield[9]->matchState.lineupRole = 0;
         },
         spGoalkeepers,
         {2}},
        {"nine outfield starters of fourteen available",
         [](SelectionClub& s) { s.outfield[9]->matchState.lineupRole = 0; },
         spOutfieldPlayers,
         {10, 9}},
        {"eleven outfield starters",
         [](SelectionClub& s) { s.outfield[13]->matchState.lineupRole = 1; },
         spOutfieldPlayers,
         {10, 11}},
        {"nine outfield starters of nine available",
         [](SelectionClub& s) {
             s.outfield[9]->matchState.lineupRole = 0;
             for (int i = 9; i < 14; ++i) {
                 s.outfield[static_cast<std::size_t>(i)]->injuredGames = 1;
                 s.outfield[static_cast<std::size_t>(i)]->matchState.lineupRole = 0;
             }
         },
         spNone,
         {}},
        {"eight outfield starters of nine available",
         [](SelectionClub& s) {
             for (int i = 8; i < 14; ++i) s.outfield[static_cast<std::size_t>(i)]->matchState.lineupRole = 0;
             for (int i = 9; i < 14; ++i) s.outfield[static_cast<std::size_t>(i)]->injuredGames = 1;
         },
         spOutfieldPlayers,
         {9, 8}},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        SelectionClub s;
        s.Pick(3);
        c.change(s);
        const TSelectionCheck check = CheckSelection(s.club);
        EXPECT_EQ(check.problem, c.problem);
        EXPECT_EQ(check.Valid(), c.problem == spNone);
        EXPECT_EQ(check.textNumber, c.problem == spNone ? 0 : kSelectionProblemTexts[c.problem]);
        if (!c.numbers.empty()) {
            EXPECT_EQ(check.numberArgs, c.numbers);
        }
        if (c.problem == spUnavailablePlayer) {
            EXPECT_EQ(check.textArgs.size(), 1u);
        }
    }
}

TEST(CycleLineupRole, StandsTeamBenchAndBackForAvailablePlayersOnly) {
    SelectionClub s;
    TPlayer& p = *s.outfield[0];
    for (int expected : {1, 2, 0, 1}) {
        EXPECT_TRUE(CycleLineupRole(p));
        EXPECT_EQ(p.matchState.lineupRole, expected);
    }
    p.injuredGames = 1;
    EXPECT_FALSE(CycleLineupRole(p));
    EXPECT_EQ(p.matchState.lineupRole, 1);
    p.injuredGames = 0;
    p.suspendedGames = 2;
    p.matchState.lineupRole = 0;
    EXPECT_FALSE(CycleLineupRole(p));
    EXPECT_EQ(p.matchState.lineupRole, 0);
}

TEST(CheckSelection, BenchOfSevenPassesAndEightFails) {
    TWorld world;
    TTeam& club = MakeClub(world, "Club");
    AddPlayer(club, 0, 40, 25).matchState.lineupRole = 1;
    for (int i = 0; i < 10; ++i) AddPlayer(club, 1 + i % 3, 40, 25).matchState.lineupRole = 1;
    for (int i = 0; i < 7; ++i) AddPlayer(club, 1 + i % 3, 40, 25).matchState.lineupRole = 2;
    EXPECT_TRUE(CheckSelection(club).Valid());
    AddPlayer(club, 0, 40, 25).matchState.lineupRole = 2;
    const TSelectionCheck check = CheckSelection(club);
    EXPECT_EQ(check.problem, spBenchTooLong);
    EXPECT_EQ(check.numberArgs, (std::vector<int>{7, 8}));
}

TEST(CheckSelection, SubstitutionsAllowedAreTheBenchUpToThree) {
    for (auto [bench, substitutions] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 3}}) {
        SCOPED_TRACE(bench);
        SelectionClub s;
        s.Pick(bench);
        s.club.match.benchCount = 99;
        CheckSelection(s.club);
        EXPECT_EQ(s.club.match.benchCount, substitutions);
    }
}

TEST(SelectFormation, StartsTheFormationsLinesWithABench) {
    SetRandSeed(7);
    SelectionClub s;
    const TSelectionCheck check = SelectFormation(s.club, *FormationByCode(532));
    int lines[4] = {0, 0, 0, 0}, bench = 0;
    for (const TPlayer* p : s.club.players) {
        if (p->matchState.lineupRole == 1) ++lines[p->position()];
        if (p->matchState.lineupRole == 2) ++bench;
    }
    EXPECT_EQ(lines[0], 1);
    EXPECT_EQ(lines[1], 5);
    EXPECT_EQ(lines[2], 3);
    EXPECT_EQ(lines[3], 2);
    EXPECT_GT(bench, 0);
    EXPECT_TRUE(check.Valid());
    // The squad is left in display order: by position.
    for (int i = 1; i < s.club.players.Count(); ++i)
        EXPECT_LE(s.club.players[i - 1]->position(), s.club.players[i]->position());
}

// Squad: 2 goalkeepers, 4 defenders, 4 midfielders, 5 forwards, all of level 50, so the held-back base is
// three per line. The midfielders rank highest, so the one player the completion adds is a midfielder and
// the defenders and forwards show what the comparison with the opponent did.
TEST(AutomaticSelection, TheLevelDifferenceMovesOnePlayerBetweenDefenceAndAttack) {
    struct Case {
        int opponentLevel;
        bool atHome;
        int defenders, midfielders, forwards;
    };
    const Case cases[] = {
        {30, false, 2, 4, 4}, // x = 20
        {31, false, 3, 4, 3}, // x = 19
        {50, true, 2, 4, 4},  // x = 0 + 20 at home
        {59, false, 3, 4, 3}, // x = -9
        {60, false, 4, 4, 2}, // x = -10
        {70, true, 3, 4, 3},  // x = -20 + 20 at home
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.opponentLevel) + (c.atHome ? " at home" : " away"));
        SetRandSeed(11);
        TWorld world;
        TTeam& club = MakeClub(world, "Own");
        const int counts[4] = {2, 4, 4, 5};
        for (int pos = 0; pos < 4; ++pos)
            for (int i = 0; i < counts[pos]; ++i)
                AddPlayer(club, pos, 50, 25).selectionScore = pos == 2 ? 60 : 40;
        TTeam& opponent = MakeClub(world, "Opp");
        for (int i = 0; i < 11; ++i) AddPlayer(opponent, i == 0 ? 0 : 1 + i % 3, c.opponentLevel, 25);

        const TSelectionCheck check = AutomaticSelection(club, opponent, c.atHome);
        int lines[4] = {0, 0, 0, 0};
        for (const TPlayer* p : club.players)
            if (p->matchState.lineupRole == 1) ++lines[p->position()];
        EXPECT_EQ(lines[0], 1);
        EXPECT_EQ(lines[1], c.defenders);
        EXPECT_EQ(lines[2], c.midfielders);
        EXPECT_EQ(lines[3], c.forwards);
        EXPECT_TRUE(check.Valid());
    }
}
