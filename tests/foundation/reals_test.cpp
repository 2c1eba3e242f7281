#include "foundation/reals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

// Byte patterns worked out by hand from the formats: 6-byte real = exponent byte (bias 129), 39-bit
// fraction little-endian in bytes 1..5, sign in the top bit of byte 5; extended = 64-bit mantissa with its
// integer bit, then 15-bit exponent (bias 16383) and sign.

TEST(Real48, HandWorkedPatterns) {
    EXPECT_EQ(LongDoubleToReal48(1.0L), (Real48Bytes{0x81, 0, 0, 0, 0, 0}));
    // 2.5 = 1.01b x 2^1: exponent 130, fraction bit 37.
    EXPECT_EQ(LongDoubleToReal48(-2.5L), (Real48Bytes{0x82, 0, 0, 0, 0, 0xA0}));
    // 0.1 = 1.6 x 2^-4: 0.6 = 0.1001 1001 ... rounded up in the last of 39 bits.
    EXPECT_EQ(LongDoubleToReal48(0.1L), (Real48Bytes{0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}));
    EXPECT_EQ(LongDoubleToReal48(0.0L), (Real48Bytes{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LongDoubleToReal48(-0.0L), (Real48Bytes{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LongDoubleToReal48(0.75L), (Real48Bytes{0x80, 0, 0, 0, 0, 0x40}));
}

TEST(Real48, ReadsBackTheHandWorkedPatterns) {
    EXPECT_EQ(Real48ToLongDouble({0x81, 0, 0, 0, 0, 0}), 1.0L);
    EXPECT_EQ(Real48ToLongDouble({0x82, 0, 0, 0, 0, 0xA0}), -2.5L);
    // Exponent byte 0 is zero whatever the other bytes hold.
    EXPECT_EQ(Real48ToLongDouble({0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0.0L);
    // 0x4CCCCCCCCD / 2^39 + 1 times 2^-4.
    EXPECT_EQ(Real48ToLongDouble({0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}),
              std::ldexp(static_cast<long double>(0xCCCCCCCCCDull), -4 - 39));
}

TEST(Real48, RoundsHalvesToEven) {
    // 1 + 2^-40 lies halfway between 1 and 1 + 2^-39: the even neighbour is 1.
    EXPECT_EQ(LongDoubleToReal48(1.0L + std::ldexp(1.0L, -40)), (Real48Bytes{0x81, 0, 0, 0, 0, 0}));
    // 1 + 3 x 2^-40 lies halfway between fractions 1 and 2: the even one is 2.
    EXPECT_EQ(LongDoubleToReal48(1.0L + 3 * std::ldexp(1.0L, -40)), (Real48Bytes{0x81, 2, 0, 0, 0, 0}));
    // Just above the half rounds up.
    EXPECT_EQ(LongDoubleToReal48(1.0L + std::ldexp(1.0L, -40) + std::ldexp(1.0L, -60)),
              (Real48Bytes{0x81, 1, 0, 0, 0, 0}));
    // Rounding up can carry into the exponent: 2 - 2^-41 becomes 2.
    EXPECT_EQ(LongDoubleToReal48(2.0L - std::ldexp(1.0L, -41)), (Real48Bytes{0x82, 0, 0, 0, 0, 0}));
}

TEST(Real48, RangeEnds) {
    EXPECT_EQ(LongDoubleToReal48(std::ldexp(1.0L, 126)), (Real48Bytes{0xFF, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LongDoubleToReal48(std::ldexp(1.0L, -128)), (Real48Bytes{0x01, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LongDoubleToReal48(std::ldexp(1.0L, -130)), (Real48Bytes{0, 0, 0, 0, 0, 0}));
    EXPECT_THROW(LongDoubleToReal48(std::ldexp(1.0L, 127)), std::range_error);
    EXPECT_THROW(LongDoubleToReal48(std::numeric_limits<long double>::infinity()), std::range_error);
    EXPECT_THROW(LongDoubleToReal48(std::numeric_limits<long double>::quiet_NaN()), std::range_error);
    EXPECT_EQ(RoundToReal48(0.1L), Real48ToLongDouble({0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}));
}

TEST(Extended80, HandWorkedPatterns) {
    EXPECT_EQ(LongDoubleToExtended(1.0L), (Extended80Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    EXPECT_EQ(LongDoubleToExtended(-2.5L), (Extended80Bytes{0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
    EXPECT_EQ(LongDoubleToExtended(0.1L),
              (Extended80Bytes{0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}));
    EXPECT_EQ(LongDoubleToExtended(0.0L), (Extended80Bytes{}));
    EXPECT_EQ(LongDoubleToExtended(-0.0L), (Extended80Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(LongDoubleToExtended(1000000.0L), (Extended80Bytes{0, 0, 0, 0, 0, 0, 0x24, 0xF4, 0x12, 0x40}));
}

TEST(Extended80, ReadsBackExactly) {
    EXPECT_EQ(ExtendedToLongDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), 1.0L);
    EXPECT_EQ(ExtendedToLongDouble({0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}), -2.5L);
    for (long double v :
         {0.1L, -123456.789L, 1e-300L, 3e4000L, std::numeric_limits<long double>::denorm_min(),
          std::numeric_limits<long double>::max()})
        EXPECT_EQ(ExtendedToLongDouble(LongDoubleToExtended(v)), v);
    EXPECT_TRUE(std::isinf(ExtendedToLongDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})));
    EXPECT_TRUE(std::isnan(ExtendedToLongDouble({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F})));
}
