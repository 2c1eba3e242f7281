#pragma once
// The money rules of a club: ticket prices, stadium works, loans and interest. The formulas take the
// currency's numbers (money step S, multiplier M, ticket rounding unit U) and the economy's price level as
// arguments, so that they hold for any currency and are checked without a running career.
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

// What a computer club does with its loan before a game, given its balance, loan, wage bill and limit:
// the number of money steps it borrows (positive) or repays (negative). It repays while that still leaves
// more than one step above the wages and the interest, and borrows only when the balance would not cover
// them, up to the limit.
int ComputerLoanSteps(std::int32_t balance, std::int32_t loan, std::int32_t wageBill, std::int32_t limit,
                      std::int32_t moneyStep);
