// Inputs that once broke a reader of outside input, kept as they were found (by fuzzing or by review).
#include "foundation/format_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {
// A "*" width takes the magnitude of its argument, capped at 255. Taking the magnitude of the most negative
// integer first overflowed (and in practice gave width 0).
TEST(FormatFuzzRegressions, StarWidthOfTheMostNegativeIntegerIsCapped) {
    const std::int64_t most = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(Format("%*d", {most, 5}), std::string(254, ' ') + "5");
    EXPECT_EQ(Format("%.*d|", {most, 7}), std::string(254, '0') + "7|");
    EXPECT_EQ(Format("%*d", {-3, 5}), "  5");
}
} // namespace
