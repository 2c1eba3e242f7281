#pragma once
// The pure money formulas of a career: ticket prices, stadium works, interest and the numeric loan limit.
// They take the currency's numbers (money step S, multiplier M, ticket rounding unit U) and the economy's
// price level as arguments, so that they hold for any currency and are checked without a running career.
// The games, the stadium and the club's own money rules (club/finance) all price with these.
#include <cstdint>

// Kind of the game a ticket is sold for: a cup tie costs half as much again as a league game.
constexpr int kCupGameKind = 1;

// The price of one ticket for the games of one division's round or one cup round. `averageLevel` is the
// rounded mean AverageLevel of the clubs, `meanPriceFactor` the mean of their priceFactor.
long double TicketPrice(long double averageLevel, int kind, long double meanPriceFactor,
                        std::int32_t multiplier, long double priceIndex, long double roundingUnit);
// Rounds a ticket price to the currency's unit (only a unit above 1 rounds).
long double RoundTicketPrice(long double price, long double roundingUnit);

// The cost of the works that take a stadium of `stadiumClass` (1..24) one class further. Above class 5
// and again above class 13 the works cost more (classes 6 and 14 are the first of the dearer bands).
std::int32_t StadiumWorksCost(int stadiumClass, long double priceIndex, std::int32_t multiplier);

// The interest due on a loan after every game: 3 per cent, rounded.
std::int32_t Interest(std::int32_t loan);

// The most a club may borrow: its squad level and its supporters' mood times the price level, in whole
// money steps, and never less than one step.
std::int32_t LoanLimit(int averageLevel, long double supportFactor, long double priceIndex,
                       std::int32_t multiplier, std::int32_t moneyStep);

// A money amount computed in 64 bits, held to the 32-bit range of a balance.
std::int32_t ClampMoney(std::int64_t value);
