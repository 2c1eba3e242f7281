// The bench limits of the automatic line-up.
#include "world_fixture.h"

#include "foundation/kol_random.h"

#include <gtest/gtest.h>

using namespace worldtest;

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
