#include "world/money_rules.h"

#include "foundation/numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::int32_t ClampMoney(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

long double RoundTicketPrice(long double price, long double roundingUnit) {
    if (roundingUnit > 1) return static_cast<long double>(nearest(price / roundingUnit)) * roundingUnit;
    return price;
}

long double TicketPrice(long double averageLevel, int kind, long double meanPriceFactor,
                        std::int32_t multiplier, long double priceIndex, long double roundingUnit) {
    const long double x = std::max(meanPriceFactor, 0.1L);
    const long double cup = kind == kCupGameKind ? 1.5L : 1.0L;
    long double p = static_cast<long double>(
                        nearest(multiplier * priceIndex / std::sqrt(x) * averageLevel * 0.2L * cup)) *
                    0.5L;
    p = std::max(p, 0.5L * multiplier);
    return RoundTicketPrice(p, roundingUnit);
}

std::int32_t StadiumWorksCost(int stadiumClass, long double priceIndex, std::int32_t multiplier) {
    const int k = stadiumClass < 6 ? 1 : (stadiumClass < 14 ? 2 : 3);
    const std::int64_t steps =
        nearest(std::sqrt(static_cast<long double>(k)) * priceIndex * 35000.0L * multiplier * 0.00002L);
    return ClampMoney(std::max<std::int64_t>(steps * 50000, 50000));
}

std::int32_t Interest(std::int32_t loan) {
    return ClampMoney(nearest(loan * 0.03L));
}

std::int32_t LoanLimit(int averageLevel, long double supportFactor, long double priceIndex,
                       std::int32_t multiplier, std::int32_t moneyStep) {
    if (moneyStep <= 0) return 0;
    std::int64_t v = nearest(averageLevel * supportFactor * priceIndex * multiplier * 20000.0L);
    v = v / moneyStep * moneyStep;
    if (v <= 0) v = moneyStep;
    return ClampMoney(v);
}
