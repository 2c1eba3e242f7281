// A country group file ("bosman.txe", "plop.txe"): read as bytes, and loaded into a group over a list of
// countries as the game does at start-up.
#include "datafiles/countries.h"
#include "datafiles/country_group_file.h"
#include "fuzz/fuzz_support.h"

#include <memory>

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    ExpectOnlyCoreErrors([&] {
        const TCountryGroupFile file = ReadCountryGroupFile(bytes);
        FuzzCheck(bytes.size() <= kMaxGroupFileSize, "a group file over the size limit is read");
        FuzzCheck(WriteCountryGroupFile(file.header, file.entries) == bytes,
                  "a group file read whole does not write back the same bytes");
    });
    // The header is compared before any entry: a file of another kind never gets as far as its entries.
    ExpectOnlyCoreErrors([&] {
        const TCountryGroupFile file = ReadCountryGroupFile(bytes, kBosmanHeader);
        FuzzCheck(file.header == kBosmanHeader, "a group file with another header is read");
    });

    ResetCountries();
    for (const char* code : {"POR", "ESP", "FRA", "ITA", "GER"})
        AllCountries().Add(std::make_unique<TCountry>(code, code, code));
    const std::string path = FuzzScratchDir() + "/" + kGroupFolder + "/" + kBosmanFileName;
    WriteFuzzFile(path, data, size);
    LoadCountryGroup(path, kBosmanHeader, BosmanCountries());
    LoadCountryGroups(FuzzScratchDir(), [](const std::string&, const std::string&) {});
    for (const TCountry* c : BosmanCountries())
        FuzzCheck(c == nullptr || AllCountries().IndexOf(c) >= 0,
                  "a group holds a country that is not in the list");
    NationalityRelation("POR", "ESP");
    ResetCountries();
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const std::string& file : FuzzSeedFiles(dataDir, "CTRGROUP", ".txe"))
        seeds.push_back(FuzzReadFile(file));
    // Files at the size limit and one byte over it: the header, then long entries, then empty ones.
    TFuzzBytes full =
        WriteCountryGroupFile(kBosmanHeader, std::vector<std::string>(250, "POR" + std::string(250, 'x')));
    full.resize(kMaxGroupFileSize, 0);
    seeds.push_back(full);
    full.push_back(0);
    seeds.push_back(full);
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("country_group_file", Run, Seeds)
