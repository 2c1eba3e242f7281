#pragma once
// The price level of the economy after every round: a small random step that drifts upward in the first
// half of each century and downward in the second, kept within 0.5 .. 10.
class TWorld;

constexpr long double kLowestPriceIndex = 0.5L;
constexpr long double kHighestPriceIndex = 10.0L;

// Three draws u1, u2, u3 in [0, 1): d := u1 + u2 before the year's fiftieth of its century, u1 - u2 from
// then on; PriceIndex moves by (d - u3) / 100 and is then clamped.
void MovePriceLevel(TWorld& world);
