// Substitutions during a match: the limit the selection leaves, the goalkeeper exchange rule, the
// replacement of an injured player, and the autopilot's choice for a human coach's club.
#include "../world/world_fixture.h"

#include "match/substitutions.h"
#include "world/selection.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

// Squad order: keeper, ten outfield starters (selection score 10 each), then the bench: a keeper and
// `benchOutfield` outfield players (selection score 30).
struct MatchClub {
    TWorld world;
    TTeam& club = MakeClub(world, "Club");
    TTeam& other = MakeClub(world, "Other");
    TGame game{world, gkLeague, 0, 0, 0, 0, "", &other, &club};
    TPlayer* keeper;
    std::vector<TPlayer*> starters;
    TPlayer* benchKeeper = nullptr;
    std::vector<TPlayer*> bench;

    explicit MatchClub(int benchOutfield, bool withBenchKeeper = true) {
        keeper = &AddPlayer(club, 0, 40, 25);
        keeper->matchState.lineupRole = 1;
        for (int i = 0; i < 10; ++i) {
            starters.push_back(&AddPlayer(club, 1 + i % 3, 40, 25));
            starters.back()->matchState.lineupRole = 1;
            starters.back()->selectionScore = 10;
        }
        if (withBenchKeeper) {
            benchKeeper = &AddPlayer(club, 0, 40, 25);
            benchKeeper->matchState.lineupRole = 2;
        }
        for (int i = 0; i < benchOutfield; ++i) {
            bench.push_back(&AddPlayer(club, 3, 40, 25));
            bench.back()->matchState.lineupRole = 2;
            bench.back()->selectionScore = 30;
        }
        EXPECT_TRUE(CheckSelection(club).Valid());
    }
};

} // namespace

TEST(Substitute, FourBenchPlayersGiveThreeSubstitutionsAndOneGivesOne) {
    MatchClub four(3); // the bench keeper and three outfield players
    ASSERT_EQ(four.club.match.benchCount, 3);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Substitute(four.club, *four.starters[i], *four.bench[i]));
    EXPECT_EQ(four.club.match.benchCount, 0);
    EXPECT_FALSE(CanStillSubstitute(four.club));
    EXPECT_FALSE(Substitute(four.club, *four.keeper, *four.benchKeeper));
    EXPECT_EQ(four.keeper->matchState.lineupRole, 1);
    EXPECT_EQ(four.benchKeeper->matchState.lineupRole, 2);

    MatchClub one(1, false);
    ASSERT_EQ(one.club.match.benchCount, 1);
    EXPECT_TRUE(Substitute(one.club, *one.starters[0], *one.bench[0]));
    EXPECT_FALSE(CanStillSubstitute(one.club));
}

TEST(Substitute, TheIncomingPlayerAppearsAndTheLinesAreRecounted) {
    MatchClub s(2);
    TPlayer& out = *s.starters[2]; // a forward
    TPlayer& in = *s.bench[0];     // a forward of score 30
    ASSERT_TRUE(Substitute(s.club, out, in));
    EXPECT_EQ(out.matchState.lineupRole, 0);
    EXPECT_EQ(in.matchState.lineupRole, 1);
    EXPECT_EQ(in.career.appearances, 1);
    EXPECT_EQ(out.career.appearances, 0);
    s.club.UpdateLineStrengths();
    EXPECT_EQ(s.club.match.lineStrength[3], 30 + 2 * 10);
}

TEST(Substitute, AGoalkeeperIsExchangedOnlyForAGoalkeeperWhileOneIsOnTheField) {
    struct Case {
        const char* what;
        bool keeperSentOff;
        bool outIsKeeper, inIsKeeper;
        bool allowed;
    };
    const Case cases[] = {
        {"keeper for keeper", false, true, true, true},
        {"outfield for outfield", false, false, false, true},
        {"outfield off, keeper on", false, false, true, false},
        {"keeper off, outfield on", false, true, false, false},
        {"keeper sent off: outfield off, keeper on", true, false, true, true},
        {"keeper sent off: outfield for outfield", true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MatchClub s(2);
        if (c.keeperSentOff) s.keeper->matchState.lineupRole = 0;
        TPlayer& out = c.outIsKeeper ? *s.keeper : *s.starters[5];
        TPlayer& in = c.inIsKeeper ? *s.benchKeeper : *s.bench[1];
        EXPECT_EQ(MaySubstitute(s.club, out, in), c.allowed);
        EXPECT_EQ(Substitute(s.club, out, in), c.allowed);
        EXPECT_EQ(in.matchState.lineupRole, c.allowed ? 1 : 2);
        EXPECT_EQ(s.club.match.benchCount, c.allowed ? 2 : 3);
    }
}

TEST(ReplaceInjured, TheKindOfTheInjuredPlayerUnlessTheBenchHasNoGoalkeeper) {
    {
        MatchClub s(2);
        s.keeper->matchState.lineupRole = 0; // injured, off the field
        EXPECT_FALSE(ReplaceInjured(s.club, *s.keeper, *s.bench[0]));
        EXPECT_TRUE(ReplaceInjured(s.club, *s.keeper, *s.benchKeeper));
        EXPECT_EQ(s.benchKeeper->matchState.lineupRole, 1);
        EXPECT_EQ(s.benchKeeper->career.appearances, 0); // no appearance for a forced change
        EXPECT_EQ(s.club.match.benchCount, 2);
    }
    {
        MatchClub s(2, false);
        s.keeper->matchState.lineupRole = 0;
        EXPECT_TRUE(ReplaceInjured(s.club, *s.keeper, *s.bench[0]));
        EXPECT_EQ(s.club.match.lineStrength[0], 0);
        EXPECT_EQ(s.club.match.lineStrength[3], 30 + 3 * 10);
    }
    {
        MatchClub s(2);
        s.starters[0]->matchState.lineupRole = 0; // an injured defender
        EXPECT_FALSE(ReplaceInjured(s.club, *s.starters[0], *s.benchKeeper));
        EXPECT_TRUE(ReplaceInjured(s.club, *s.starters[0], *s.bench[0]));
    }
    {
        MatchClub s(1);
        s.club.match.benchCount = 0;
        s.starters[0]->matchState.lineupRole = 0;
        EXPECT_FALSE(ReplaceInjured(s.club, *s.starters[0], *s.bench[0]));
    }
}

TEST(AutopilotSubstitution, ChoosesAsAComputerClub) {
    {
        // The keeper is sent off: the bench keeper replaces the last outfield player on the field.
        MatchClub s(2);
        s.keeper->matchState.lineupRole = 0;
        AutopilotSubstitution(s.game, 0, srKeeperSentOff, s.keeper);
        EXPECT_EQ(s.benchKeeper->matchState.lineupRole, 1);
        EXPECT_EQ(s.starters[9]->matchState.lineupRole, 0);
        EXPECT_EQ(s.starters[8]->matchState.lineupRole, 1);
        EXPECT_EQ(s.benchKeeper->career.appearances, 1);
        EXPECT_EQ(s.club.match.benchCount, 2);
    }
    {
        // An injured defender: the first outfield bench player, no appearance.
        MatchClub s(2);
        s.starters[0]->matchState.lineupRole = 0;
        AutopilotSubstitution(s.game, 0, srInjury, s.starters[0]);
        EXPECT_EQ(s.benchKeeper->matchState.lineupRole, 2);
        EXPECT_EQ(s.bench[0]->matchState.lineupRole, 1);
        EXPECT_EQ(s.bench[0]->career.appearances, 0);
    }
    {
        // An injured keeper with no keeper on the bench: the club plays on without one.
        MatchClub s(2, false);
        s.keeper->matchState.lineupRole = 0;
        AutopilotSubstitution(s.game, 0, srInjury, s.keeper);
        EXPECT_EQ(s.bench[0]->matchState.lineupRole, 2);
        EXPECT_EQ(s.club.match.benchCount, 2);
    }
    for (int reason : {srOwnWish, srBreak}) {
        MatchClub s(2);
        AutopilotSubstitution(s.game, 0, reason, nullptr);
        EXPECT_EQ(s.club.match.benchCount, 3);
    }
}
