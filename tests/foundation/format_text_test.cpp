#include "foundation/format_text.h"

#include <gtest/gtest.h>

#include <random>

namespace {
TEST(Format, IntegersAndTexts) {
    EXPECT_EQ(Format("%s scored %d goals", {"Rui", 12}), "Rui scored 12 goals");
    EXPECT_EQ(Format("[%5d|%-5d|%5s|%-5s]", {42, 42, "ab", "ab"}), "[   42|42   |   ab|ab   ]");
    EXPECT_EQ(Format("%.3d %.5d %.1d", {7, -12, 345}), "007 -00012 345");
    EXPECT_EQ(Format("%x %.4x %X", {255, 10, 3054}), "FF 000A BEE");
    EXPECT_EQ(Format("%u %u", {-1, 7}), "4294967295 7");
    EXPECT_EQ(Format("%d", {std::int64_t{-9000000000}}), "-9000000000");
    EXPECT_EQ(Format("%.2s", {"abcdef"}), "ab");
    EXPECT_EQ(Format("100%% of %d%%", {5}), "100% of 5%");
    EXPECT_EQ(Format("no directives", {}), "no directives");
}

TEST(Format, IndexesAndStars) {
    EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
    EXPECT_EQ(Format("%*d|%-*d|", {4, 7, 3, 8}), "   7|8  |");
    EXPECT_EQ(Format("%.*s", {2, "abcdef"}), "ab");
    EXPECT_EQ(Format("%0:s-%0:s", {"x"}), "x-x");
}

TEST(Format, Reals) {
    EXPECT_EQ(Format("%f", {3.14159}), "3.14");
    EXPECT_EQ(Format("%.1f %.0f", {2.75, 12.0}), "2.8 12");
    EXPECT_EQ(Format("%8.2f|", {-1.5}), "   -1.50|");
    EXPECT_EQ(Format("%e", {150.0}), "1.50000000000000E+002");
    EXPECT_EQ(Format("%.3e", {-0.00123}), "-1.23E-003");
    EXPECT_EQ(Format("%g %g %g %g %g", {0.5, 1234.5, 1e20, 1e-7, 0.0}), "0.5 1234.5 1E20 1E-7 0");
    EXPECT_EQ(Format("%.3g", {1234.5}), "1.23E3");
    EXPECT_EQ(Format("%n|%.0n|%n", {1234567.891, 1234.0, -999.5}), "1 234 567.89|1 234|-999.50");
    EXPECT_EQ(Format("%m", {2500000.0}), "2 500 000.00");
    EXPECT_EQ(Format("%f", {1e300}).size(), 304u); // every digit, no cut
}

// Language texts are outside input: whatever their directives, nothing is read that was not given.
TEST(Format, MissingOrMismatchedArgumentsShowAMarkerAndTheRestGoesOn) {
    EXPECT_EQ(Format("Goal by %s in minute %d", {}), "Goal by [%s?] in minute [%d?]");
    EXPECT_EQ(Format("%s and %s", {"one"}), "one and [%s?]");
    EXPECT_EQ(Format("%d and %s", {"x", "y"}), "[%d?] and y");
    EXPECT_EQ(Format("%s|%f|%e|%x", {5, 3, "t", 2.5}), "[%s?]|[%f?]|[%e?]|[%x?]");
    EXPECT_EQ(Format("%q %s", {"a", "b"}), "[%q?] b");
    EXPECT_EQ(Format("50%", {1}), "50[%?]");
    EXPECT_EQ(Format("%-", {1}), "[%-?]");
    EXPECT_EQ(Format("%9:s %0:s", {"a"}), "[%9:s?] a");
    EXPECT_EQ(Format("%*d", {"wide", 4}), "[%*d?]");
    EXPECT_EQ(Format("%*d", {}), "[%*d?]");
    EXPECT_EQ(Format("%5.2", {1.0}), "[%5.2?]");
}

TEST(Format, HugeWidthsAndPrecisionsAreCapped) {
    EXPECT_EQ(Format("%999999999999d", {1}).size(), 255u);
    EXPECT_EQ(Format("%.99999999e", {1.5}).substr(0, 4), "1.50");
    EXPECT_EQ(Format("%.99999999d", {1}).size(), 255u);
    EXPECT_EQ(Format("%*s", {-300, "x"}).size(), 255u);
}

TEST(Format, RandomDirectivesNeverReachBeyondTheArguments) {
    const std::string alphabet = "%%%:-.*0123456789dusxfegnmDq ";
    std::mt19937 rng(1);
    for (int n = 0; n < 20000; ++n) {
        std::string format;
        for (int i = static_cast<int>(rng() % 12); i > 0; --i) format += alphabet[rng() % alphabet.size()];
        const std::string out = Format(format, {1, "s", 2.5});
        EXPECT_LT(out.size(), 2000u) << format;
    }
}
} // namespace
