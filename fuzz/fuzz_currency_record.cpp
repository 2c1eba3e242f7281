// The currency record a saved game holds: exactly its 124 bytes are read, or a clear error is given.
#include "foundation/binary_file.h"
#include "foundation/currency.h"
#include "fuzz/fuzz_support.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    TBinaryReader in(std::vector<std::uint8_t>(data, data + size));
    ExpectOnlyCoreErrors([&] {
        const CurrencyRecord c = CurrencyRecord::Read(in);
        FuzzCheck(in.Position() == CurrencyRecord::kSize, "the currency record is not 124 bytes long");
        FuzzCheck(c.name.size() <= CurrencyRecord::kTextWidth &&
                      c.suffix.size() <= CurrencyRecord::kTextWidth &&
                      c.subUnit.size() <= CurrencyRecord::kTextWidth,
                  "a currency text longer than its field");
        TBinaryWriter out;
        c.Write(out);
        TBinaryReader again(out.Data());
        const CurrencyRecord copy = CurrencyRecord::Read(again);
        TBinaryWriter out2;
        copy.Write(out2);
        FuzzCheck(out2.Data() == out.Data(), "a written currency record does not write back the same bytes");
    });
}

std::vector<TFuzzBytes> Seeds(const std::string&) {
    std::vector<TFuzzBytes> seeds;
    for (const CurrencyRecord& c : BuiltInCurrencies()) {
        TBinaryWriter out;
        c.Write(out);
        seeds.push_back(out.Data());
    }
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("currency_record", Run, Seeds)
