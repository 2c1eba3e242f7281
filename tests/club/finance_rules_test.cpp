#include "club/finance.h"

#include <gtest/gtest.h>

TEST(Loans, ComputerClubRepaysWhileMoreThanAStepIsLeft) {
    // 2 000 000 - 100 000 - 30 000 > 500 000: repay; 1 500 000 - 100 000 - 15 000 > 500 000: repay again.
    EXPECT_EQ(ComputerLoanSteps(2000000, 1000000, 100000, 5000000, 500000), -2);
    // 630 000 - 100 000 - 30 000 is exactly one step: no repayment, and no need to borrow.
    EXPECT_EQ(ComputerLoanSteps(630000, 1000000, 100000, 5000000, 500000), 0);
}

TEST(Loans, ComputerClubBorrowsUntilCoveredOrAtTheLimit) {
    // 50 000 does not cover wages of 100 000: one step makes 550 000, which covers them and 15 000 interest.
    EXPECT_EQ(ComputerLoanSteps(50000, 0, 100000, 1000000, 500000), 1);
    // Deep in debt: borrows up to the limit of two steps and stops there.
    EXPECT_EQ(ComputerLoanSteps(-2000000, 0, 100000, 1000000, 500000), 2);
    // Already above its limit: borrows nothing.
    EXPECT_EQ(ComputerLoanSteps(-100000, 1000000, 100000, 500000, 500000), 0);
    // A currency without a money step (a damaged saved game) moves nothing instead of looping for ever.
    EXPECT_EQ(ComputerLoanSteps(-100000, 0, 100000, 500000, 0), 0);
    EXPECT_EQ(ComputerLoanSteps(2000000, 1000000, 100000, 5000000, 0), 0);
}
