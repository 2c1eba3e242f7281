#include "world/money_rules.h"

#include <gtest/gtest.h>

TEST(TicketPrice, FormulaRoundsToHalvesThenToTheUnit) {
    // 5 * 2 / 1 * 50 * 0.2 = 100 -> 100 * 0.5 = 50; 50 / 2 = 25 -> 50.
    EXPECT_EQ(TicketPrice(50, 0, 1.0L, 5, 2.0L, 2.0L), 50.0L);
    // A cup game: 150 -> 75; 75 / 2 = 37.5 rounds to the even 38 -> 76.
    EXPECT_EQ(TicketPrice(50, kCupGameKind, 1.0L, 5, 2.0L, 2.0L), 76.0L);
    // Without a rounding unit the half stays.
    EXPECT_EQ(TicketPrice(50, kCupGameKind, 1.0L, 5, 2.0L, 1.0L), 75.0L);
}

TEST(TicketPrice, PoorDivisionCountsAsATenthAndCheapGamesCostHalfTheMultiplier) {
    // x = 0.05 is taken as 0.1: 10 / sqrt(0.1) * 10 * 0.2 = 63.25 -> 63 -> 31.5; 15.75 -> 16 -> 32.
    EXPECT_EQ(TicketPrice(10, 0, 0.05L, 5, 2.0L, 2.0L), 32.0L);
    EXPECT_EQ(TicketPrice(10, 0, 0.1L, 5, 2.0L, 2.0L), 32.0L);
    // 5 * 0.5 / 2 * 1 * 0.2 = 0.25 -> 0; the floor is 0.5 * 5 = 2.5, which the unit 2 makes 2.
    EXPECT_EQ(TicketPrice(1, 0, 4.0L, 5, 0.5L, 1.0L), 2.5L);
    EXPECT_EQ(TicketPrice(1, 0, 4.0L, 5, 0.5L, 2.0L), 2.0L);
}

TEST(TicketPrice, RoundingToTheUnit) {
    EXPECT_EQ(RoundTicketPrice(47.3L, 2.0L), 48.0L);
    EXPECT_EQ(RoundTicketPrice(46.9L, 2.0L), 46.0L);
    EXPECT_EQ(RoundTicketPrice(47.3L, 1.0L), 47.3L);
}

TEST(StadiumWorksCost, BandsChangeAtClassesSixAndFourteen) {
    // Price level 2 and multiplier 5: 7 steps of 50000, times sqrt(2) = 9.9 -> 10, times sqrt(3) = 12.1
    // -> 12.
    EXPECT_EQ(StadiumWorksCost(5, 2.0L, 5), 350000);
    EXPECT_EQ(StadiumWorksCost(6, 2.0L, 5), 500000);
    EXPECT_EQ(StadiumWorksCost(13, 2.0L, 5), 500000);
    EXPECT_EQ(StadiumWorksCost(14, 2.0L, 5), 600000);
    // Multiplier 3: 4.2 -> 4, 5.94 -> 6, 7.27 -> 7.
    EXPECT_EQ(StadiumWorksCost(5, 2.0L, 3), 200000);
    EXPECT_EQ(StadiumWorksCost(6, 2.0L, 3), 300000);
    EXPECT_EQ(StadiumWorksCost(13, 2.0L, 3), 300000);
    EXPECT_EQ(StadiumWorksCost(14, 2.0L, 3), 350000);
    // 0.5 * 35000 * 1 * 0.00002 = 0.35 rounds to no step: the works still cost one.
    EXPECT_EQ(StadiumWorksCost(1, 0.5L, 1), 50000);
}

TEST(StadiumWorksCost, EveryStepOfTheConstantCounts) {
    // Price level 10 and multiplier 5: 10 x 35 000 x 5 x 0.00002 = 35 steps of 50 000 exactly, so any
    // other constant moves the cost. sqrt(2) x 35 = 49.50 -> 49; sqrt(3) x 35 = 60.62 -> 61.
    EXPECT_EQ(StadiumWorksCost(1, 10.0L, 5), 1750000);
    EXPECT_EQ(StadiumWorksCost(6, 10.0L, 5), 2450000);
    EXPECT_EQ(StadiumWorksCost(14, 10.0L, 5), 3050000);
    // Price level 0.5 and multiplier 100: 0.5 x 35 000 x 100 x 0.00002 = 35 steps again.
    EXPECT_EQ(StadiumWorksCost(5, 0.5L, 100), 1750000);
}

TEST(Loans, InterestAndLimit) {
    EXPECT_EQ(Interest(0), 0);
    EXPECT_EQ(Interest(1000000), 30000);
    EXPECT_EQ(Interest(16), 0);
    EXPECT_EQ(Interest(17), 1);
    // 50 * 1.0 * 2 * 5 * 20000 = 10 000 000, already whole steps.
    EXPECT_EQ(LoanLimit(50, 1.0L, 2.0L, 5, 500000), 10000000);
    // 52 * 1.1 * 2 * 5 * 20000 = 11 440 000 -> 11 000 000.
    EXPECT_EQ(LoanLimit(52, 1.1L, 2.0L, 5, 500000), 11000000);
    // 2 * 1 * 2 * 5 * 20000 = 400 000, less than a step: one step.
    EXPECT_EQ(LoanLimit(2, 1.0L, 2.0L, 5, 500000), 500000);
    EXPECT_EQ(LoanLimit(0, 1.0L, 2.0L, 5, 500000), 500000);
}
