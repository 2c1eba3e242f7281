#include "foundation/currency.h"

#include "foundation/binary_file.h"
#include "foundation/errors.h"

#include <algorithm>
#include <vector>

namespace {
void WriteText(TBinaryWriter& w, const std::string& text) {
    const std::size_t n = std::min(text.size(), CurrencyRecord::kTextWidth);
    w.U8(static_cast<std::uint8_t>(n));
    w.Bytes(reinterpret_cast<const std::uint8_t*>(text.data()), n);
    for (std::size_t i = n; i < CurrencyRecord::kTextWidth; ++i) w.U8(0);
}

std::string ReadText(TBinaryReader& r) {
    const std::uint8_t n = r.U8();
    const std::vector<std::uint8_t> bytes = r.Bytes(CurrencyRecord::kTextWidth);
    if (n > CurrencyRecord::kTextWidth) ThrowInvalidFile("Invalid currency record");
    return std::string(bytes.begin(), bytes.begin() + n);
}

CurrencyRecord MakeCurrency(const char* name, const char* suffix, std::int32_t step, std::int32_t band,
                            std::int32_t multiplier, std::int32_t champion, std::int32_t second,
                            std::int32_t third, std::int32_t cup, std::int32_t semi, std::int32_t quarter,
                            std::int32_t reserved, std::int32_t scorer) {
    CurrencyRecord c;
    c.name = name;
    c.suffix = suffix;
    c.moneyStep = step;
    c.priceBandUnit = band;
    c.moneyMultiplier = multiplier;
    c.ticketPriceScale = 1;
    c.prizeChampion = champion;
    c.prizeSecond = second;
    c.prizeThird = third;
    c.prizeCup = cup;
    c.bonusSemiFinal = semi;
    c.bonusQuarterFinal = quarter;
    c.reserved = reserved;
    c.prizeBestScorer = scorer;
    c.ticketPriceUnit = 2.0L;
    return c;
}
} // namespace

void CurrencyRecord::Write(TBinaryWriter& w) const {
    WriteText(w, name);
    WriteText(w, suffix);
    WriteText(w, subUnit);
    w.U8(0);
    for (std::int32_t v :
         {moneyStep, priceBandUnit, moneyMultiplier, ticketPriceScale, prizeChampion, prizeSecond, prizeThird,
          prizeCup, bonusSemiFinal, bonusQuarterFinal, reserved, prizeBestScorer})
        w.I32(v);
    w.Extended(ticketPriceUnit);
    w.U8(0);
    w.U8(0);
}

CurrencyRecord CurrencyRecord::Read(TBinaryReader& r) {
    CurrencyRecord c;
    c.name = ReadText(r);
    c.suffix = ReadText(r);
    c.subUnit = ReadText(r);
    r.Skip(1);
    for (std::int32_t* v : {&c.moneyStep, &c.priceBandUnit, &c.moneyMultiplier, &c.ticketPriceScale,
                            &c.prizeChampion, &c.prizeSecond, &c.prizeThird, &c.prizeCup, &c.bonusSemiFinal,
                            &c.bonusQuarterFinal, &c.reserved, &c.prizeBestScorer})
        *v = r.I32();
    c.ticketPriceUnit = r.Extended();
    r.Skip(2);
    return c;
}

const std::array<CurrencyRecord, kBuiltInCurrencyCount>& BuiltInCurrencies() {
    static const std::array<CurrencyRecord, kBuiltInCurrencyCount> table{
        MakeCurrency("Euros", " EUR", 500000, 4, 5, 20000000, 7500000, 4000000, 6000000, 3000000, 1500000,
                     1500000, 3000000),
        MakeCurrency("US Dollars", " USD", 500000, 4, 5, 20000000, 7500000, 4000000, 6000000, 3000000,
                     1500000, 1500000, 3000000),
        MakeCurrency("Reais (Brasil)", " reais", 500000, 4, 5, 20000000, 7500000, 4000000, 6000000, 3000000,
                     1500000, 1500000, 3000000),
        MakeCurrency("UK Pounds", " UKP", 250000, 2, 3, 12000000, 5000000, 2000000, 4000000, 2000000, 1000000,
                     1000000, 2000000),
    };
    return table;
}

int FindBuiltInCurrency(const std::string& name) {
    const auto& table = BuiltInCurrencies();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name) return static_cast<int>(i);
    return -1;
}
