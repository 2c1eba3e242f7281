// A computer club's matchday: how many numbers its management draws, and the bench limits of the
// line-up.
#include "world_fixture.h"

#include "foundation/kol_random.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

// The generator's state after `draws` steps of state * 134775813 + 1 (mod 2^32).
std::uint32_t StateAfter(std::uint32_t seed, int draws) {
    std::uint32_t state = seed;
    for (int i = 0; i < draws; ++i) state = state * 134775813u + 1u;
    return state;
}

// Sixteen players of level 40 (band 2: targets 3, 7, 6, 4) in counts 2, 6, 5, 3, so that every
// position's target over its count plus one is 1 and every player is kept alike.
void EvenBandTwoSquad(TTeam& club) {
    const int counts[4] = {2, 6, 5, 3};
    for (int p = 0; p < 4; ++p)
        for (int i = 0; i < counts[p]; ++i) AddPlayer(club, p, 40, 25);
}

} // namespace

TEST(ReviewComputerManagement, DrawsOnlyWhereTheRulesDraw) {
    for (const std::uint32_t seed : {1u, 77u, 123456u}) {
        // Matchday 1: the asking prices are set without a draw and nobody is offered; then the one in
        // five for the big-squad sale, the one in three for a purchase (a lone club finds no seller) and
        // 3 x 16 moves of the shuffle.
        TWorld world;
        world.CurrentRound = 1;
        TTeam& club = MakeClub(world, "Alpha");
        EvenBandTwoSquad(club);
        club.SetBalance(1000000);
        SetRandSeed(seed);
        club.ComputerManagement(false);
        EXPECT_EQ(RandSeed(), StateAfter(seed, 1 + 1 + 48)) << "seed " << seed;

        // Matchday 2 in debt: one in five for the prices; balance x 3 < wages already decides the sale, so
        // the one in thirty is not drawn; every player is kept alike, so the walk keeps its first
        // candidate without a draw, and the auction of a lone club draws nothing.
        TWorld world2;
        world2.CurrentRound = 2;
        TTeam& poor = MakeClub(world2, "Beta");
        EvenBandTwoSquad(poor);
        poor.SetBalance(-1000);
        const TPlayer* firstKeeper = poor.PlayerAt(0);
        SetRandSeed(seed);
        poor.ComputerManagement(false);
        EXPECT_EQ(RandSeed(), StateAfter(seed, 1 + 1 + 1 + 48)) << "seed " << seed;
        // The first in list order was offered (the shuffle came after), and his next offer asks a tenth less.
        EXPECT_EQ(poor.salePlayerId, firstKeeper->id);
        EXPECT_NEAR(static_cast<double>(poor.salePriceFactor), 0.9, 1e-12);
        // The debt is covered by one loan step.
        EXPECT_EQ(poor.loan, 500000);

        // The same club when the wage review already offered a player: no sale step at all.
        TWorld world3;
        world3.CurrentRound = 2;
        TTeam& offered = MakeClub(world3, "Gamma");
        EvenBandTwoSquad(offered);
        offered.SetBalance(-1000);
        SetRandSeed(seed);
        offered.ComputerManagement(true);
        EXPECT_EQ(RandSeed(), StateAfter(seed, 1 + 1 + 1 + 48)) << "seed " << seed;
        EXPECT_EQ(offered.salePlayerId, 0);
    }
}

TEST(ReviewLineup, GoalkeepersMayFillTheBenchToFiveOutfieldPlayersToFour) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    // Walk order by selection score: keeper 1, defenders 1-3, midfielders 1-3, forwards 1-2 play; then
    // defenders 4-5, midfielders 4-5, forward 3, keepers 2-3, defender 6, midfielder 6, forwards 4-6.
    struct Entry {
        int position;
        int score;
    };
    const Entry entries[] = {{0, 100}, {1, 99}, {1, 98}, {1, 97}, {2, 96}, {2, 95}, {2, 94},
                             {3, 93},  {3, 92}, {1, 91}, {1, 90}, {2, 89}, {2, 88}, {3, 87},
                             {0, 86},  {0, 85}, {1, 84}, {2, 83}, {3, 82}, {3, 81}, {3, 80}};
    std::vector<TPlayer*> byScore;
    for (const Entry& e : entries) {
        TPlayer& p = AddPlayer(club, e.position, 20, 25);
        p.selectionScore = static_cast<std::int16_t>(e.score);
        byScore.push_back(&p);
    }
    club.ChooseLineup(1, 3, 3, 2, true);
    const auto role = [&](int index) {
        return byScore[static_cast<std::size_t>(index)]->matchState.lineupRole;
    };
    for (int i = 0; i < 9; ++i) EXPECT_EQ(role(i), 1) << i;
    // Every position has more fit players than wanted. The outfield substitutes stop at four on the bench
    // (forward 3 waits); keeper 2 still finds room below five, keeper 3 none.
    EXPECT_EQ(role(9), 2);
    EXPECT_EQ(role(10), 2);
    EXPECT_EQ(role(11), 2);
    EXPECT_EQ(role(12), 2);
    EXPECT_EQ(role(14), 2);
    EXPECT_EQ(role(15), 0);
    // Then outfield players in score order while the bench holds fewer than seven: forward 3, defender 6.
    EXPECT_EQ(role(13), 2);
    EXPECT_EQ(role(16), 2);
    for (int i = 17; i < 21; ++i) EXPECT_EQ(role(i), 0) << i;
    EXPECT_EQ(club.match.benchCount, 3);
}
