#include "foundation/numeric.h"
#include "foundation/reals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(Nearest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(nearest(0.5L), 0);
    EXPECT_EQ(nearest(1.5L), 2);
    EXPECT_EQ(nearest(2.5L), 2);
    EXPECT_EQ(nearest(3.5L), 4);
    EXPECT_EQ(nearest(-0.5L), 0);
    EXPECT_EQ(nearest(-2.5L), -2);
    EXPECT_EQ(nearest(-3.5L), -4);
    EXPECT_EQ(nearest(2.4999999L), 2);
    EXPECT_EQ(nearest(2.5000001L), 3);
    EXPECT_EQ(nearest(-7.6L), -8);
}

TEST(Nearest, ValuesBeyondTheIntegerRangeAreClamped) {
    EXPECT_EQ(nearest(1e30L), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(nearest(-1e30L), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(nearest(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(FormatThousands, SeparatorAfterEveryThirdDigitFromTheRight) {
    EXPECT_EQ(FormatThousands(0, '.'), "0");
    EXPECT_EQ(FormatThousands(100, '.'), "100");
    EXPECT_EQ(FormatThousands(999, '.'), "999");
    EXPECT_EQ(FormatThousands(1000, '.'), "1.000");
    EXPECT_EQ(FormatThousands(1234567, '.'), "1.234.567");
    EXPECT_EQ(FormatThousands(123456, ','), "123,456");
    EXPECT_EQ(FormatThousands(-1234, '.'), "-1.234");
    EXPECT_EQ(FormatThousands(std::numeric_limits<std::int64_t>::min(), '.'), "-9.223.372.036.854.775.808");
}

TEST(NumericHelpers, MinMaxSignPower) {
    EXPECT_EQ(Max(-3, 2), 2);
    EXPECT_EQ(Min(-3, 2), -3);
    EXPECT_EQ(Sign(-0.001L), -1);
    EXPECT_EQ(Sign(0.0L), 0);
    EXPECT_EQ(Sign(5.0L), 1);
    EXPECT_NEAR(static_cast<double>(Power(2.0L, 10.0L)), 1024.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(Power(9.0L, 0.5L)), 3.0, 1e-12);
    EXPECT_EQ(Power(0.0L, 2.0L), 0.0L);
    EXPECT_EQ(Power(-2.0L, 2.0L), 0.0L);
}

TEST(NumericHelpers, SmoothingSteps) {
    long double x = 10;
    Smooth(x, 0.75L, 2);
    EXPECT_EQ(x, 8.0L);
    // 0.9 * 1 + 0.1 * 0 = 0.9, kept as what a 6-byte real holds.
    long double r = 1;
    SmoothReal48(r, 0.9L, 0);
    EXPECT_EQ(r, RoundToReal48(0.9L));
    EXPECT_NE(r, 0.9L);
    EXPECT_NEAR(static_cast<double>(r), 0.9, 1e-11);
}
