#include "foundation/kol_random.h"

#include <gtest/gtest.h>

// Sequences worked out apart from this code: state := state * 134775813 + 1 (mod 2^32), then Random(n) is
// the upper 32 bits of state * n.
TEST(KolRandom, SequenceFromSeedZero) {
    SetRandSeed(0);
    EXPECT_EQ(Random(10), 0); // state 1
    EXPECT_EQ(RandSeed(), 1u);
    EXPECT_EQ(Random(100), 3); // state 134775814
    EXPECT_EQ(RandSeed(), 134775814u);
    EXPECT_EQ(Random(1000), 861); // state 3698175007
    EXPECT_EQ(RandSeed(), 3698175007u);
    EXPECT_EQ(Random(7), 1);                  // state 870078620
    EXPECT_EQ(Random(2147483647), 586093958); // state 1172187917: the product needs 64 bits
    EXPECT_EQ(Random(1), 0);
}

TEST(KolRandom, FloatIsStateTimesTwoToMinus32) {
    SetRandSeed(0);
    EXPECT_EQ(RandomFloat(), 1.0L / 4294967296.0L);
    EXPECT_EQ(RandomFloat(), 134775814.0L / 4294967296.0L);
    SetRandSeed(0xFFFFFFFFu);
    // (2^32 - 1) * 134775813 + 1 = 2^32 * 134775813 - 134775812: state 4160191484.
    EXPECT_EQ(RandomFloat(), 4160191484.0L / 4294967296.0L);
}

TEST(KolRandom, EmptyRangeStillAdvances) {
    SetRandSeed(5);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(RandSeed(), 5u * 134775813u + 1u);
}

TEST(KolRandom, DrawsStayInRange) {
    SetRandSeed(123);
    for (int i = 0; i < 2000; ++i) {
        const int r = Random(6);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 6);
        const long double f = RandomFloat();
        ASSERT_GE(f, 0.0L);
        ASSERT_LT(f, 1.0L);
    }
}
