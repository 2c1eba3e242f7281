#pragma once
// The currency of a career: the money step, the multiplier, the suffix of amounts and the fixed prizes.
// It is copied from the built-in table when a new career is set up and saved whole with the game, so its
// 124-byte layout must never change:
//
//   0  string[20] name          21 string[20] suffix      42 string[20] subUnit     63 one zero byte
//   64 int32 moneyStep          68 int32 priceBandUnit    72 int32 moneyMultiplier  76 int32 ticketPriceScale
//   80 int32 prizeChampion      84 int32 prizeSecond      88 int32 prizeThird       92 int32 prizeCup
//   96 int32 bonusSemiFinal     100 int32 bonusQuarterFinal 104 int32 reserved      108 int32 prizeBestScorer
//   112 80-bit real ticketPriceUnit                       122 two zero bytes
//
// A string[20] is a length byte and 20 bytes; the bytes past the length are written as zeros.
#include <array>
#include <cstdint>
#include <string>

class TBinaryReader;
class TBinaryWriter;

struct CurrencyRecord {
    static constexpr std::size_t kSize = 124;
    static constexpr std::size_t kTextWidth = 20;

    std::string name;                   // shown in the currency dialog
    std::string suffix;                 // appended to amounts, with its leading blank
    std::string subUnit;                // word for ticket prices shown in thousandths
    std::int32_t moneyStep = 0;         // loan step, rounding step of the loan limit
    std::int32_t priceBandUnit = 0;     // unit of the player search's price bands
    std::int32_t moneyMultiplier = 0;   // scales ticket prices, stadium works and the loan limit
    std::int32_t ticketPriceScale = 1;  // above 1, ticket prices are shown in thousandths with subUnit
    std::int32_t prizeChampion = 0;     // league 1 champion
    std::int32_t prizeSecond = 0;       // second of league 1
    std::int32_t prizeThird = 0;        // third of league 1
    std::int32_t prizeCup = 0;          // cup winner
    std::int32_t bonusSemiFinal = 0;    // a semi-final game
    std::int32_t bonusQuarterFinal = 0; // a quarter-final game
    std::int32_t reserved = 0;          // read by no rule; kept and saved with the record
    std::int32_t prizeBestScorer = 0;
    long double ticketPriceUnit = 2.0L; // ticket prices are rounded to multiples of it when above 1

    // Writes exactly kSize bytes; texts longer than kTextWidth are cut.
    void Write(TBinaryWriter& writer) const;
    // Reads exactly kSize bytes. A length byte above kTextWidth raises EInvalidFile; a short read
    // raises EInOutError.
    static CurrencyRecord Read(TBinaryReader& reader);

    bool operator==(const CurrencyRecord&) const = default;
};

inline constexpr std::size_t kBuiltInCurrencyCount = 4;

// The four currencies offered for a new career, in the order the currency dialog lists them.
const std::array<CurrencyRecord, kBuiltInCurrencyCount>& BuiltInCurrencies();
// Index of the built-in currency with exactly this name, or -1.
int FindBuiltInCurrency(const std::string& name);

// There is no process-wide currency: a career's currency is its world's (chosen at a new game, read from
// a saved game), and money is shown with FormatMoney(amount, suffix) of that currency.
