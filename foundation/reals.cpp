#include "foundation/reals.h"

#include <cmath>
#include <stdexcept>

namespace {
// Splits |value| > 0 into a 64-bit mantissa with its top bit set and a binary exponent e such that
// |value| = mantissa * 2^(e - 63).
void Split(long double magnitude, std::uint64_t& mantissa, int& exponent) {
    int k = 0;
    const long double m = std::frexp(magnitude, &k); // magnitude = m * 2^k, m in [0.5, 1)
    mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
    exponent = k - 1;
}

// Shifts right by `shift` bits, rounding to nearest with halves to even.
std::uint64_t ShiftRound(std::uint64_t value, int shift) {
    if (shift <= 0) return value;
    if (shift >= 64) return 0;
    const std::uint64_t kept = value >> shift;
    const std::uint64_t rest = value & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (kept & 1))) return kept + 1;
    return kept;
}
} // namespace

Real48Bytes LongDoubleToReal48(long double value) {
    Real48Bytes out{};
    if (std::isnan(value) || std::isinf(value)) throw std::range_error("value does not fit a 6-byte real");
    if (value == 0) return out;
    const bool negative = std::signbit(value);
    std::uint64_t mantissa = 0;
    int exponent = 0;
    Split(std::fabs(value), mantissa, exponent);
    // 40 significant bits (the hidden 1 and 39 fraction bits).
    std::uint64_t significand = ShiftRound(mantissa, 24);
    if (significand >> 40) { // rounding carried into a new bit
        significand >>= 1;
        ++exponent;
    }
    const int biased = exponent + 129;
    if (biased <= 0) return out;
    if (biased > 255) throw std::range_error("value does not fit a 6-byte real");
    const std::uint64_t fraction = significand & ((std::uint64_t{1} << 39) - 1);
    out[0] = static_cast<std::uint8_t>(biased);
    for (int i = 0; i < 5; ++i) out[1 + i] = static_cast<std::uint8_t>(fraction >> (8 * i));
    if (negative) out[5] |= 0x80;
    return out;
}

long double Real48ToLongDouble(const Real48Bytes& bytes) {
    if (bytes[0] == 0) return 0.0L;
    std::uint64_t fraction = 0;
    for (int i = 0; i < 5; ++i) fraction |= static_cast<std::uint64_t>(bytes[1 + i]) << (8 * i);
    const bool negative = (fraction >> 39) & 1;
    fraction &= (std::uint64_t{1} << 39) - 1;
    const std::uint64_t significand = fraction | (std::uint64_t{1} << 39);
    const long double magnitude = std::ldexp(static_cast<long double>(significand), bytes[0] - 129 - 39);
    return negative ? -magnitude : magnitude;
}

long double RoundToReal48(long double value) {
    return Real48ToLongDouble(LongDoubleToReal48(value));
}

Extended80Bytes LongDoubleToExtended(long double value) {
    Extended80Bytes out{};
    const bool negative = std::signbit(value);
    std::uint64_t mantissa = 0;
    int biased = 0;
    if (std::isnan(value)) {
        biased = 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        biased = 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (value != 0) {
        int exponent = 0;
        Split(std::fabs(value), mantissa, exponent);
        biased = exponent + 16383;
        if (biased <= 0) { // denormal in the stored format
            mantissa = ShiftRound(mantissa, 1 - biased);
            biased = 0;
        }
    }
    for (int i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    const std::uint16_t top = static_cast<std::uint16_t>((biased & 0x7FFF) | (negative ? 0x8000 : 0));
    out[8] = static_cast<std::uint8_t>(top & 0xFF);
    out[9] = static_cast<std::uint8_t>(top >> 8);
    return out;
}

long double ExtendedToLongDouble(const Extended80Bytes& bytes) {
    std::uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i) mantissa |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    const std::uint16_t top = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
    const bool negative = top & 0x8000;
    const int biased = top & 0x7FFF;
    long double magnitude = 0;
    if (biased == 0x7FFF) {
        magnitude = (mantissa << 1) ? NAN : INFINITY;
    } else {
        // A denormal (biased 0) has the exponent of biased 1.
        magnitude = std::ldexp(static_cast<long double>(mantissa), (biased == 0 ? 1 : biased) - 16383 - 63);
    }
    return negative ? -magnitude : magnitude;
}
