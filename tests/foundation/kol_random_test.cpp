#include "foundation/kol_random.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(DrawLog, EachDrawWithItsValueAndTheRuleThatAsked) {
    std::vector<TDrawRecord> log;
    SetRandSeed(0);
    Random(5); // before the log: not recorded
    StartDrawLog(log);
    EXPECT_EQ(Random(100, "goals"), 3); // state 134775814, as in the sequence above
    {
        TDrawTag outer("review");
        Random(1000);
        {
            TDrawTag inner("wear");
            RandomFloat();
            Random(7, "own");
        }
        Random(2147483647);
    }
    Random(1);
    StopDrawLog();
    Random(9); // after the log: not recorded
    ASSERT_EQ(log.size(), 6u);
    const struct {
        const char* tag;
        std::int32_t range, value;
        std::uint32_t state;
    } expected[] = {{"goals", 100, 3, 134775814u},
                    {"review", 1000, 861, 3698175007u},
                    {"wear", 0, 0, 870078620u},
                    {"own", 7, 1, 1172187917u}}; // 1172187917 x 7 / 2^32 = 1.91
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_STREQ(log[i].tag, expected[i].tag) << i;
        EXPECT_EQ(log[i].range, expected[i].range) << i;
        EXPECT_EQ(log[i].value, expected[i].value) << i;
        EXPECT_EQ(log[i].state, expected[i].state) << i;
    }
    EXPECT_STREQ(log[4].tag, "review");
    EXPECT_STREQ(log[5].tag, "?");
    EXPECT_EQ(log[5].range, 1);
}
