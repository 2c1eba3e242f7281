#include "foundation/numeric.h"

#include "foundation/reals.h"

#include <cmath>
#include <limits>

std::int64_t nearest(long double x) {
    // Converting a value outside the integer range is undefined: clamp it (NaN gives 0).
    if (std::isnan(x)) return 0;
    const long double r = std::nearbyint(x);
    if (r >= 9223372036854775808.0L) return std::numeric_limits<std::int64_t>::max();
    if (r < -9223372036854775808.0L) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

int Sign(long double x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

long double Power(long double x, long double y) {
    if (x <= 0) return 0;
    return std::exp(y * std::log(x));
}

void Smooth(long double& x, long double w, long double y) {
    x = w * x + (1 - w) * y;
}

void SmoothReal48(long double& x, long double w, long double y) {
    x = RoundToReal48(w * x + (1 - w) * y);
}

std::string FormatThousands(std::int64_t n, char separator) {
    const bool negative = n < 0;
    // The magnitude as unsigned, so the most negative value does not overflow.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    const std::string digits = std::to_string(magnitude);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        out += digits[i];
        const std::size_t right = digits.size() - 1 - i;
        if (right > 0 && right % 3 == 0) out += separator;
    }
    return negative ? "-" + out : out;
}
