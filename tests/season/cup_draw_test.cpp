// The cup draw: pots, exempt clubs, the seeding rule until the quarter-finals, and the draw order.
#include "season_fixture.h"

#include "foundation/kol_random.h"
#include "season/cup_draw.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

using namespace seasontest;

namespace {

// Draws a whole round and returns the pairs as seeding places, first-drawn first.
std::vector<std::pair<int, int>> DrawAll(TCupDraw& draw) {
    std::vector<std::pair<int, int>> pairs;
    while (draw.DrawNextPair()) {
        const TCupDraw::TPair& p = draw.Pairs().back();
        pairs.emplace_back(PlaceOf(*p.first), PlaceOf(*p.second));
    }
    return pairs;
}

} // namespace

TEST(CupDraw, RoundSizesExemptClubsAndPots) {
    struct Case {
        int clubs, games, exempt, potSize;
        bool finalStages;
    };
    // games leave a power of two: 80 -> 64, 64 -> 32, 42 -> 32, 9 -> 8, 8 -> 4, 5 -> 4, 3 -> 2.
    for (const Case c :
         {Case{80, 16, 48, 16, false}, Case{64, 32, 0, 16, false}, Case{42, 10, 22, 10, false},
          Case{9, 1, 7, 1, false}, Case{8, 4, 0, 2, true}, Case{5, 1, 3, 1, true}, Case{3, 1, 1, 1, true}}) {
        SCOPED_TRACE(c.clubs);
        TWorld world;
        CupClubs(world, c.clubs);
        TCupDraw draw(world, 0);
        EXPECT_EQ(draw.Games(), c.games);
        EXPECT_EQ(draw.ExemptCount(), c.exempt);
        EXPECT_EQ(draw.PotSize(), c.potSize);
        EXPECT_EQ(draw.FinalStages(), c.finalStages);
    }
}

TEST(CupDraw, OpeningSeedsByPrestigeAndMarksEveryClubUndrawn) {
    TWorld world;
    auto clubs = CupClubs(world, 6);
    // Two clubs of equal prestige keep the order they had in the cup list (S6 stands before S5 there).
    clubs[5]->SetPrestige(clubs[6]->prestige());
    for (TTeam* t : world.CupTeams) t->cupSlot = 3;
    TCupDraw draw(world, 0);
    std::string order;
    for (const TTeam* t : world.CupTeams) {
        order += t->ShortName() + " ";
        EXPECT_EQ(t->cupSlot, TCupDraw::kUndrawn);
    }
    EXPECT_EQ(order, "S1 S2 S3 S4 S6 S5 ");
}

TEST(CupDraw, EightyClubsTheFortyEightBestSkipAndTheRestMeetUpperAgainstLowerHalf) {
    SetRandSeed(4321);
    TWorld world;
    CupClubs(world, 80);
    TCupDraw draw(world, 0);
    for (int i : {0, 47}) EXPECT_EQ(draw.PotOf(i), 0);
    for (int i : {48, 63}) EXPECT_EQ(draw.PotOf(i), 1);
    for (int i : {64, 79}) EXPECT_EQ(draw.PotOf(i), 4);
    const auto pairs = DrawAll(draw);
    ASSERT_EQ(pairs.size(), 16u);
    for (auto [a, b] : pairs) {
        const int upper = std::min(a, b), lower = std::max(a, b);
        EXPECT_TRUE(upper >= 49 && upper <= 64 && lower >= 65 && lower <= 80) << a << " - " << b;
    }
    // The pairs take the draw numbers 1, 2, 3, ... in order; the exempt clubs stay undrawn.
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        EXPECT_EQ(world.TeamByCupSlot(static_cast<std::int16_t>(2 * k + 1))->ShortName(),
                  "S" + std::to_string(pairs[k].first));
        EXPECT_EQ(world.TeamByCupSlot(static_cast<std::int16_t>(2 * k + 2))->ShortName(),
                  "S" + std::to_string(pairs[k].second));
    }
    for (const TTeam* t : world.CupTeams)
        if (PlaceOf(*t) <= 48) {
            EXPECT_EQ(t->cupSlot, TCupDraw::kUndrawn);
        }
    EXPECT_EQ(draw.IntervalMs(), 200); // 500 / 80 x 32
}

TEST(CupDraw, SixtyFourClubsFirstQuarterMeetsLastAndSecondMeetsThird) {
    SetRandSeed(99);
    TWorld world;
    CupClubs(world, 64);
    TCupDraw draw(world, 0);
    EXPECT_EQ(draw.PotOf(15), 1);
    EXPECT_EQ(draw.PotOf(16), 2);
    EXPECT_EQ(draw.PotOf(47), 3);
    EXPECT_EQ(draw.PotOf(48), 4);
    const auto pairs = DrawAll(draw);
    ASSERT_EQ(pairs.size(), 32u);
    std::set<int> drawn;
    for (auto [a, b] : pairs) {
        const int upper = std::min(a, b), lower = std::max(a, b);
        const bool outer = upper <= 16 && lower >= 49;
        const bool inner = upper >= 17 && upper <= 32 && lower >= 33 && lower <= 48;
        EXPECT_TRUE(outer || inner) << a << " - " << b;
        drawn.insert(a);
        drawn.insert(b);
    }
    EXPECT_EQ(drawn.size(), 64u);
}

TEST(CupDraw, QuarterFinalsPairAnyTwoClubsButNeverOneWithItself) {
    SetRandSeed(5);
    TWorld world;
    CupClubs(world, 8);
    TCupDraw draw(world, 0);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(draw.PotOf(i), 5);
    const auto pairs = DrawAll(draw);
    ASSERT_EQ(pairs.size(), 4u);
    std::set<int> drawn;
    for (auto [a, b] : pairs) {
        drawn.insert(a);
        drawn.insert(b);
    }
    EXPECT_EQ(drawn.size(), 8u);
    EXPECT_EQ(draw.IntervalMs(), 500);
}

TEST(CupDraw, FiveClubsTheTwoWeakestMeetInTheOrderTheDrawsGive) {
    // Seeding places 4 and 5 stand at indexes 3 and 4. Hand-run generator: from seed 7 the picks are
    // index 4 (after skipping exempt indexes) then 3; from seed 11, 3 then 4.
    for (auto [seed, first, second] : {std::tuple{7u, 5, 4}, std::tuple{11u, 4, 5}}) {
        SetRandSeed(seed);
        TWorld world;
        CupClubs(world, 5);
        TCupDraw draw(world, 0);
        const auto pairs = DrawAll(draw);
        ASSERT_EQ(pairs.size(), 1u);
        EXPECT_EQ(pairs[0], std::make_pair(first, second)) << seed;
    }
}

TEST(CupDraw, PairingTableAndHumanMarks) {
    const int meets[6] = {-1, 4, 3, 2, 1, 5};
    for (int a = 0; a <= 5; ++a)
        for (int b = 0; b <= 5; ++b) EXPECT_EQ(TCupDraw::PotsMayMeet(a, b), meets[a] == b) << a << b;

    SetRandSeed(7);
    TWorld world;
    auto clubs = CupClubs(world, 5);
    clubs[5]->coach->isHuman = 1;
    TCupDraw draw(world, 0);
    ASSERT_TRUE(draw.DrawNextPair());
    EXPECT_EQ(draw.Pairs()[0].line, "S5* - S4");
    EXPECT_TRUE(draw.Pairs()[0].human);
    EXPECT_TRUE(draw.Finished());
    EXPECT_FALSE(draw.DrawNextPair());
}

TEST(CupDraw, MoreGamesThanThePotsCanPairStopsInsteadOfLooping) {
    TWorld world;
    CupClubs(world, 8);
    TCupDraw draw(world, 5); // 10 clubs wanted, 8 in the cup
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(draw.DrawNextPair());
    EXPECT_THROW(draw.DrawNextPair(), std::logic_error);
}

TEST(CupDraw, DrawCupRoundDrawsEveryGameWhenThePortShowsNothing) {
    SetRandSeed(1);
    TWorld world;
    CupClubs(world, 12); // 12 clubs leave 8: 4 games, 4 exempt
    DrawCupRound(world, 0);
    SortCupTeamsByDraw(world);
    // The pairs first, in draw order, then the four exempt clubs: the four best by seeding.
    for (int i = 0; i < 8; ++i) EXPECT_EQ(world.CupTeams[i]->cupSlot, i + 1);
    std::set<int> exempt;
    for (int i = 8; i < 12; ++i) {
        EXPECT_EQ(world.CupTeams[i]->cupSlot, TCupDraw::kUndrawn);
        exempt.insert(PlaceOf(*world.CupTeams[i]));
    }
    EXPECT_EQ(exempt, (std::set<int>{1, 2, 3, 4}));
}
