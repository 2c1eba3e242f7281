#include "foundation/numeric.h"

#include "foundation/reals.h"

#include <cmath>

std::int64_t nearest(long double x) { return static_cast<std::int64_t>(std::nearbyint(x)); }

int Sign(long double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

long double Power(long double x, long double y) {
    if (x <= 0) return 0;
    return std::exp(y * std::log(x));
}

void Smooth(long double& x, long double w, long double y) { x = w * x + (1 - w) * y; }

void SmoothReal48(long double& x, long double w, long double y) { x = RoundToReal48(w * x + (1 - w) * y); }

std::string FormatThousands(std::int64_t n, char separator) {
    const bool negative = n < 0;
    const std::string digits = std::to_string(negative ? -static_cast<long long>(n) : static_cast<long long>(n));
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        out += digits[i];
        const std::size_t right = digits.size() - 1 - i;
        if (right > 0 && right % 3 == 0) out += separator;
    }
    return negative ? "-" + out : out;
}
