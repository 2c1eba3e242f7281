#include "datafiles/countries.h"

#include "datafiles/country_group_file.h"
#include "foundation/errors.h"
#include "foundation/texts.h"

#include <filesystem>

namespace {
std::string Copy(const std::string& s, std::size_t from1, std::size_t count) {
    if (from1 - 1 >= s.size()) return {};
    return s.substr(from1 - 1, count);
}
} // namespace

TListOfCountries& AllCountries() {
    static TListOfCountries list;
    return list;
}

TListOfBosmanCountries& BosmanCountries() {
    static TListOfBosmanCountries list;
    return list;
}

TListOfBosmanCountries& PlopCountries() {
    static TListOfBosmanCountries list;
    return list;
}

void ResetCountries() {
    BosmanCountries().Clear();
    PlopCountries().Clear();
    AllCountries().Clear();
}

TCountry* FindCountry(int kind, const std::string& key) {
    AllCountries().Pack();
    if (kind == kFindByName) return AllCountries().FindByName(key);
    if (kind == kFindByCode) return AllCountries().FindByCode(key);
    return nullptr;
}

bool CountryExists(const TListOfCountries& list, const std::string& code) {
    return list.FindByCode(code) != nullptr;
}

void MarkCountryUsed(const std::string& code) {
    if (TCountry* c = FindCountry(kFindByCode, code)) c->used = true;
}

void DropUnusedCountries() {
    AllCountries().Pack();
    const std::vector<TCountry*> all = AllCountries().Entries();
    for (TCountry* c : all) {
        if (c->used) continue;
        // The groups refer to the countries of the global list: they must let go before it is destroyed.
        BosmanCountries().DeleteCountry(c);
        PlopCountries().DeleteCountry(c);
        AllCountries().DeleteCountry(c);
    }
}

int NationalityRelation(const std::string& codeA, const std::string& codeB) {
    if (codeA == codeB) return 0;
    if (CountryExists(BosmanCountries(), codeA) && CountryExists(BosmanCountries(), codeB)) return 1;
    if (CountryExists(PlopCountries(), codeA) && CountryExists(PlopCountries(), codeB)) return 1;
    return kForeignRelation;
}

TFlagFile FlagFile(const std::string& gameDir, const std::string& code) {
    TFlagFile f;
    f.path = (std::filesystem::path(gameDir) / "flags" / (code + ".bmp")).string();
    std::error_code ec;
    f.exists = std::filesystem::is_regular_file(f.path, ec);
    return f;
}

std::string CountryNamesFileName(const std::string& langCode) {
    return "KOLB2002_02_" + langCode + ".kbl";
}

void AddCountriesFromLines(const std::vector<std::string>& lines, const std::string& langCode) {
    if (lines.empty() || lines[0] != kCountryNamesHeader)
        ThrowInvalidFile("country names file: the first line is not \"" + std::string(kCountryNamesHeader) +
                         "\"");
    if (lines.size() < 2 || lines[1] != langCode)
        ThrowInvalidFile("country names file: the second line is not the language code \"" + langCode + "\"");
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string code = Copy(line, 1, 3);
        if (code.empty()) continue;
        AllCountries().Add(
            std::make_unique<TCountry>(Copy(line, 9, TCountry::kNameWidth), code, Copy(line, 5, 3)));
    }
}

void AddFallbackCountry(const std::string& code, const std::string& name) {
    const std::string c = code.substr(0, std::min<std::size_t>(code.size(), TCountry::kCodeWidth));
    // A labels file without text 10 names no country; a country with an empty code would make an empty team
    // or player country pass as known, so none is added (the names file skips such lines too).
    if (c.empty() || AllCountries().FindByCode(c)) return;
    AllCountries().Add(std::make_unique<TCountry>(name, c, c));
}

void LoadCountryGroups(const std::string& gameDir, const TCountryMessageFn& message) {
    struct Group {
        const char* file;
        const char* header;
        TListOfBosmanCountries& list;
    };
    const Group groups[] = {{kBosmanFileName, kBosmanHeader, BosmanCountries()},
                            {kPlopFileName, kPlopHeader, PlopCountries()}};
    for (const Group& g : groups) {
        const std::string path = (std::filesystem::path(gameDir) / kGroupFolder / g.file).string();
        const TGroupLoadResult r = LoadCountryGroup(path, g.header, g.list);
        if (!message) continue;
        if (r == TGroupLoadResult::NotFound) message(path, "File not found");
        if (r == TGroupLoadResult::Invalid) message(path, "Invalid file");
    }
}

void LoadCountries(const std::string& gameDir, const std::string& langDir, const std::string& langCode,
                   const std::string& fallbackCode, const std::string& fallbackName,
                   const TCountryMessageFn& message) {
    ResetCountries();
    LoadCountryNames((std::filesystem::path(langDir) / CountryNamesFileName(langCode)).string(), langCode);
    AddFallbackCountry(fallbackCode, fallbackName);
    LoadCountryGroups(gameDir, message);
}

void LoadCountriesOfLanguage(const std::string& gameDir, const std::string& langCode,
                             const TCountryMessageFn& message) {
    constexpr int kOwnCountryCodeText = 10;
    constexpr int kOwnCountryNameText = 11;
    LoadCountries(gameDir, (std::filesystem::path(gameDir) / "Int" / langCode).string(), langCode,
                  GetText(kOwnCountryCodeText), GetText(kOwnCountryNameText), message);
}
