#include "world/division_schedule.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

TEST(DivisionSchedule, MatchdayOnePairsTheClubsFromBothEndsOfTheList) {
    // Matchday 1: club 9 takes slot 1 and club 0 slot 2, club 8 slot 3 and club 1 slot 4, and so on.
    const std::pair<int, int> expected[] = {{9, 0}, {8, 1}, {7, 2}, {6, 3}, {5, 4}};
    for (const auto& [home, away] : expected) {
        EXPECT_EQ(OpponentIndex(home, 1), away);
        EXPECT_FALSE(PlaysAway(home, 1));
        EXPECT_EQ(OpponentIndex(away, 1), home);
        EXPECT_TRUE(PlaysAway(away, 1));
    }
    // Club 0 is the one whose opponent entry uses 10 for its index.
    EXPECT_EQ(OpponentTableEntry(9, 1), 10);
    EXPECT_EQ(OpponentTableEntry(0, 1), -9);
}

TEST(DivisionSchedule, OtherMatchdaysReadFromTheSlotTable) {
    // Matchday 3: club 2 has slot 1 and club 0 slot 2.
    EXPECT_EQ(OpponentTableEntry(2, 3), 10);
    EXPECT_EQ(OpponentTableEntry(0, 3), -2);
    // Matchday 18: club 1 has slot 1 and club 0 slot 2; club 5 has slot 7 and club 2 slot 8.
    EXPECT_EQ(OpponentTableEntry(1, 18), 10);
    EXPECT_EQ(OpponentTableEntry(5, 18), 2);
    EXPECT_EQ(OpponentTableEntry(2, 18), -5);
}

TEST(DivisionSchedule, EveryPairMeetsOnceAtHomeAndOnceAway) {
    std::set<std::pair<int, int>> homeGames;
    for (int m = 1; m <= kLeagueMatchdays; ++m) {
        std::set<int> slots;
        for (int r = 0; r < kLeagueClubs; ++r) {
            slots.insert(slotTable[r][m - 1]);
            const int f = OpponentIndex(r, m);
            EXPECT_NE(f, r);
            EXPECT_EQ(OpponentIndex(f, m), r) << "club " << r << " matchday " << m;
            EXPECT_NE(PlaysAway(r, m), PlaysAway(f, m));
            if (!PlaysAway(r, m)) homeGames.insert({r, f});
        }
        EXPECT_EQ(slots.size(), 10u);
    }
    EXPECT_EQ(homeGames.size(), 90u);
}

TEST(DivisionSchedule, OutsideTheTableIsAnError) {
    EXPECT_THROW(OpponentTableEntry(10, 1), std::out_of_range);
    EXPECT_THROW(OpponentTableEntry(0, 0), std::out_of_range);
    EXPECT_THROW(OpponentTableEntry(0, 19), std::out_of_range);
}
