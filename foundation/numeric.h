#pragma once
// Numeric helpers used by every formula of the game world.
#include <cstdint>
#include <string>

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4). Values beyond the
// 64-bit range are clamped to its ends; NaN gives 0.
std::int64_t nearest(long double x);

inline int Max(int a, int b) {
    return a > b ? a : b;
}
inline int Min(int a, int b) {
    return a < b ? a : b;
}
// -1, 0 or 1.
int Sign(long double x);
// x raised to y through logarithms; positive bases only (0 for x <= 0).
long double Power(long double x, long double y);
// One exponential smoothing step: x := w * x + (1 - w) * y.
void Smooth(long double& x, long double w, long double y);
// The same for a value kept as a 6-byte real: the result is rounded to what the 6-byte real can hold.
void SmoothReal48(long double& x, long double w, long double y);
// The decimal digits of n with `separator` after every digit whose count of digits to its right is a positive
// multiple of three: 1234567 with '.' gives "1.234.567". A negative number keeps its minus sign in front.
std::string FormatThousands(std::int64_t n, char separator);
