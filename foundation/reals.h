#pragma once
// Exact conversions between long double and the two stored real formats:
// - the 6-byte real: byte 0 the exponent with bias 129 (0 means the value 0), bytes 1..5 a 39-bit fraction
//   with a hidden leading 1 (byte 1 lowest), the top bit of byte 5 the sign;
// - the 10-byte extended real: 8 bytes of mantissa with an explicit integer bit, then 15 bits of exponent
//   (bias 16383) and the sign bit, little-endian.
// The conversions work bit by bit in software, so files come out the same whatever long double the
// compiler has.
#include <array>
#include <cstdint>

using Real48Bytes = std::array<std::uint8_t, 6>;
using Extended80Bytes = std::array<std::uint8_t, 10>;

// Rounds to the nearest 6-byte real (halves to even). Values too small for the format become 0; values
// too large, infinities and NaN raise std::range_error.
Real48Bytes LongDoubleToReal48(long double value);
long double Real48ToLongDouble(const Real48Bytes& bytes);

// Values with more than 64 significant bits (none on x86-64) are rounded to nearest, halves to even.
Extended80Bytes LongDoubleToExtended(long double value);
long double ExtendedToLongDouble(const Extended80Bytes& bytes);

// A value as it comes back after being stored as a 6-byte real.
long double RoundToReal48(long double value);
