// The country names file of a language: lines coded like the labels file, read into the list of countries
// with the fallback country and the groups, as the game does when a language starts.
#include "datafiles/countries.h"
#include "fuzz/fuzz_support.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    ResetCountries();
    ExpectOnlyCoreErrors([&] {
        AddCountriesFromLines(ReadCountryNamesLines(std::vector<std::uint8_t>(data, data + size)), "en");
    });
    for (const TCountry* c : AllCountries())
        FuzzCheck(c->Code().size() <= TCountry::kCodeWidth && c->Code2().size() <= TCountry::kCodeWidth &&
                      c->Name().size() <= TCountry::kNameWidth,
                  "a country text longer than its field");

    const std::string gameDir = FuzzScratchDir() + "/names";
    WriteFuzzFile(gameDir + "/Int/en/" + CountryNamesFileName("en"), data, size);
    ExpectOnlyCoreErrors([&] {
        LoadCountries(gameDir, gameDir + "/Int/en", "en", "POR", "Portugal",
                      [](const std::string&, const std::string&) {});
    });
    FindCountry(kFindByCode, "POR");
    FindCountry(kFindByName, "Portugal");
    MarkCountryUsed("POR");
    DropUnusedCountries();
    ResetCountries();
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const std::string& file : FuzzSeedFiles(dataDir, "Int/en", "_02_en.kbl"))
        seeds.push_back(FuzzReadFile(file));
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("country_names", Run, Seeds)
