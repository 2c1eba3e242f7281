#include "world/division_standing.h"

#include <gtest/gtest.h>

#include <vector>

using Statuses = std::vector<std::uint8_t>;

TEST(DivisionStanding, TableOrderPointsThenGoalDifferenceThenGoals) {
    EXPECT_TRUE(StandingInOrder({10, 5, 5}, {9, 20, 0}));
    EXPECT_FALSE(StandingInOrder({9, 20, 0}, {10, 5, 5}));
    // Same points: difference +3 beats +2 even with fewer goals.
    EXPECT_TRUE(StandingInOrder({10, 4, 1}, {10, 9, 7}));
    EXPECT_FALSE(StandingInOrder({10, 9, 7}, {10, 4, 1}));
    // Same difference: more goals first.
    EXPECT_FALSE(StandingInOrder({10, 3, 1}, {10, 5, 3}));
    // A full tie keeps its order.
    EXPECT_TRUE(StandingInOrder({10, 3, 1}, {10, 3, 1}));
}

TEST(DivisionStanding, AfterTheLastMatchdayEveryStatusIsDecided) {
    // All level on points: the final matchday still decides everything.
    const std::vector<std::int32_t> points(10, 27);
    EXPECT_EQ(ClassifyStatuses(points, 18, true), (Statuses{0, 3, 3, 4, 4, 4, 4, 4, 2, 2}));
    EXPECT_EQ(ClassifyStatuses(points, 18, false), (Statuses{0, 1, 4, 4, 4, 4, 4, 4, 2, 2}));
}

TEST(DivisionStanding, EarlyTableStaysOpen) {
    // Matchday 1: 51 points still to play for, nothing is settled.
    const std::vector<std::int32_t> points = {3, 3, 3, 3, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(ClassifyStatuses(points, 1, true), Statuses(10, 5));
}

TEST(DivisionStanding, TopDivisionBeforeTheEnd) {
    // Matchday 16: 6 points remain. The leader is 7 ahead of the second: champion. Second and third are 7
    // ahead of the fourth: leading places. Ninth trails eighth by 7: relegated; tenth by 12.
    const std::vector<std::int32_t> points = {51, 44, 44, 37, 36, 35, 34, 34, 27, 22};
    const Statuses s = ClassifyStatuses(points, 16, true);
    EXPECT_EQ(s[0], tsChampion);
    EXPECT_EQ(s[1], tsLeadingPlace);
    EXPECT_EQ(s[2], tsLeadingPlace);
    // Fourth: 7 behind third (>6) and 10 ahead of ninth (>6): safe.
    EXPECT_EQ(s[3], tsSafe);
    // Sixth: 9 behind third, 8 ahead of ninth: safe. Eighth: 10 behind, 7 ahead: safe.
    EXPECT_EQ(s[5], tsSafe);
    EXPECT_EQ(s[7], tsSafe);
    EXPECT_EQ(s[8], tsRelegated);
    EXPECT_EQ(s[9], tsRelegated);
}

TEST(DivisionStanding, GapsEqualToWhatRemainsDoNotSettle) {
    // Matchday 17: 3 points remain. A lead of exactly 3 is not enough.
    const std::vector<std::int32_t> points = {40, 37, 30, 30, 28, 26, 24, 22, 19, 19};
    const Statuses s = ClassifyStatuses(points, 17, false);
    // Leader only 3 ahead of second: not champion, but 10 ahead of third: promotion place secured.
    EXPECT_EQ(s[0], tsPromotion);
    EXPECT_EQ(s[1], tsPromotion);
    // Third: 7 behind second, 11 ahead of ninth: safe.
    EXPECT_EQ(s[2], tsSafe);
    // Eighth: 15 behind second but only 3 ahead of ninth: open.
    EXPECT_EQ(s[7], tsOpen);
    // Ninth and tenth: 3 behind eighth: open.
    EXPECT_EQ(s[8], tsOpen);
    EXPECT_EQ(s[9], tsOpen);
    // In the top division the third place is a leading place: third (30) against fourth (30) is open.
    const Statuses top = ClassifyStatuses(points, 17, true);
    EXPECT_EQ(top[0], tsLeadingPlace);
    EXPECT_EQ(top[1], tsLeadingPlace);
    EXPECT_EQ(top[2], tsOpen);
    EXPECT_EQ(top[3], tsOpen);
}

TEST(DivisionStanding, ShortTableNeverReadsBeyondItsEnd) {
    // Matchday 16: the leader's 9-point lead is decisive; the second has no third club to be compared with.
    const std::vector<std::int32_t> points = {12, 3};
    EXPECT_EQ(ClassifyStatuses(points, 16, false), (Statuses{0, 5}));
    EXPECT_EQ(ClassifyStatuses(points, 18, false), (Statuses{0, 1}));
    EXPECT_TRUE(ClassifyStatuses({}, 18, true).empty());
}
