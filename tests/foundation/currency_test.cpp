#include "foundation/currency.h"

#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "foundation/money_format.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::uint8_t> Bytes(std::initializer_list<int> list) {
    std::vector<std::uint8_t> v;
    for (int b : list) v.push_back(static_cast<std::uint8_t>(b));
    return v;
}

void Append(std::vector<std::uint8_t>& v, const std::vector<std::uint8_t>& more) {
    v.insert(v.end(), more.begin(), more.end());
}

// The "UK Pounds" row as the layout places it, byte by byte.
std::vector<std::uint8_t> UkPoundsGolden() {
    std::vector<std::uint8_t> g;
    Append(g, Bytes({9, 'U', 'K', ' ', 'P', 'o', 'u', 'n', 'd', 's'}));
    Append(g, std::vector<std::uint8_t>(11, 0));
    Append(g, Bytes({4, ' ', 'U', 'K', 'P'}));
    Append(g, std::vector<std::uint8_t>(16, 0));
    Append(g, std::vector<std::uint8_t>(21, 0)); // empty sub-unit word
    Append(g, Bytes({0}));
    Append(g, Bytes({0x90, 0xD0, 0x03, 0x00}));                // 64 money step 250000
    Append(g, Bytes({0x02, 0x00, 0x00, 0x00}));                // 68 price band unit 2
    Append(g, Bytes({0x03, 0x00, 0x00, 0x00}));                // 72 multiplier 3
    Append(g, Bytes({0x01, 0x00, 0x00, 0x00}));                // 76 ticket display scale 1
    Append(g, Bytes({0x00, 0x1B, 0xB7, 0x00}));                // 80 champion 12000000
    Append(g, Bytes({0x40, 0x4B, 0x4C, 0x00}));                // 84 second 5000000
    Append(g, Bytes({0x80, 0x84, 0x1E, 0x00}));                // 88 third 2000000
    Append(g, Bytes({0x00, 0x09, 0x3D, 0x00}));                // 92 cup 4000000
    Append(g, Bytes({0x80, 0x84, 0x1E, 0x00}));                // 96 semi-final 2000000
    Append(g, Bytes({0x40, 0x42, 0x0F, 0x00}));                // 100 quarter-final 1000000
    Append(g, Bytes({0x40, 0x42, 0x0F, 0x00}));                // 104 reserved 1000000
    Append(g, Bytes({0x80, 0x84, 0x1E, 0x00}));                // 108 best scorer 2000000
    Append(g, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x40})); // 112 2.0 as an 80-bit real
    Append(g, Bytes({0, 0}));
    return g;
}

std::vector<std::uint8_t> Written(const CurrencyRecord& c) {
    TBinaryWriter w;
    c.Write(w);
    return w.Data();
}
} // namespace

TEST(CurrencyRecordLayout, UkPoundsMatchesTheHandWrittenBytes) {
    const std::vector<std::uint8_t> golden = UkPoundsGolden();
    ASSERT_EQ(golden.size(), 124u);
    const int uk = FindBuiltInCurrency("UK Pounds");
    ASSERT_EQ(uk, 3);
    EXPECT_EQ(Written(BuiltInCurrencies()[uk]), golden);

    TBinaryReader r(golden);
    const CurrencyRecord back = CurrencyRecord::Read(r);
    EXPECT_EQ(r.Position(), 124u);
    EXPECT_EQ(back, BuiltInCurrencies()[uk]);
    EXPECT_EQ(back.suffix, " UKP");
    EXPECT_EQ(back.moneyStep, 250000);
    EXPECT_EQ(back.ticketPriceUnit, 2.0L);
}

TEST(CurrencyRecordLayout, EveryBuiltInRowRoundTripsInOneHundredTwentyFourBytes) {
    for (const CurrencyRecord& c : BuiltInCurrencies()) {
        const std::vector<std::uint8_t> bytes = Written(c);
        ASSERT_EQ(bytes.size(), 124u) << c.name;
        TBinaryReader r(bytes);
        EXPECT_EQ(CurrencyRecord::Read(r), c);
    }
    // Fields that differ in no built-in row still keep their place.
    CurrencyRecord odd = BuiltInCurrencies()[0];
    odd.subUnit = "centavos";
    odd.ticketPriceScale = 1000;
    odd.ticketPriceUnit = 0.5L;
    odd.reserved = -1;
    const std::vector<std::uint8_t> bytes = Written(odd);
    EXPECT_EQ(bytes[42], 8);
    EXPECT_EQ(bytes[43], 'c');
    EXPECT_EQ(bytes[76], 0xE8);
    EXPECT_EQ(bytes[77], 0x03);
    EXPECT_EQ(bytes[104], 0xFF);
    EXPECT_EQ(bytes[107], 0xFF);
    TBinaryReader r(bytes);
    EXPECT_EQ(CurrencyRecord::Read(r), odd);
}

TEST(CurrencyRecordLayout, LongTextsAreCutAndDamagedRecordsRaise) {
    CurrencyRecord c = BuiltInCurrencies()[1];
    c.name = "A currency with a rather long name";
    const std::vector<std::uint8_t> bytes = Written(c);
    ASSERT_EQ(bytes.size(), 124u);
    EXPECT_EQ(bytes[0], 20);
    TBinaryReader r(bytes);
    EXPECT_EQ(CurrencyRecord::Read(r).name, "A currency with a ra");

    std::vector<std::uint8_t> damaged = UkPoundsGolden();
    damaged[21] = 21; // suffix length beyond its field
    TBinaryReader bad(damaged);
    EXPECT_THROW(CurrencyRecord::Read(bad), EInvalidFile);

    std::vector<std::uint8_t> cut = UkPoundsGolden();
    cut.resize(123);
    TBinaryReader shortRecord(cut);
    EXPECT_THROW(CurrencyRecord::Read(shortRecord), EInOutError);
}

TEST(Currencies, TableRows) {
    const auto& t = BuiltInCurrencies();
    EXPECT_EQ(t[0].name, "Euros");
    EXPECT_EQ(t[1].name, "US Dollars");
    EXPECT_EQ(t[2].name, "Reais (Brasil)");
    EXPECT_EQ(t[2].suffix, " reais");
    EXPECT_EQ(t[0].moneyMultiplier, 5);
    EXPECT_EQ(t[0].prizeSecond, 7500000);
    EXPECT_EQ(t[0].bonusQuarterFinal, 1500000);
    EXPECT_EQ(FindBuiltInCurrency("euros"), -1);
    EXPECT_EQ(FindBuiltInCurrency(""), -1);
    EXPECT_EQ(t[3].suffix, " UKP");
}

TEST(Currencies, MoneyIsShownWithTheGivenCurrencysSuffix) {
    // Without a labels file the money words are empty, so amounts are shown as digits.
    const std::string uk = FormatMoney(1250000, BuiltInCurrencies()[3].suffix);
    const std::string reais = FormatMoney(1250000, BuiltInCurrencies()[2].suffix);
    EXPECT_NE(uk.find(" UKP"), std::string::npos);
    EXPECT_NE(reais.find(" reais"), std::string::npos);
    EXPECT_EQ(uk.substr(0, uk.find(" UKP")), reais.substr(0, reais.find(" reais")));
}
