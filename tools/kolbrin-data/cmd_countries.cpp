// kolbrin-data countries dump LANGDIR [--groups GAMEDIR]: the countries of a language folder (Int/<code>)
// as JSON: code, code2 and name of every country of its country names file, and, when the game folder is
// known (by default two levels above the language folder), the groups each country belongs to.
#include "tools/kolbrin-data/commands.h"

#include "datafiles/countries.h"
#include "foundation/encoding.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
constexpr const char* kUsage = "countries dump LANGDIR [--groups GAMEDIR]";

int Countries(const CommandArgs& args) {
    RequireArgs(args, 2, kUsage);
    if (args[0] != "dump") throw std::runtime_error(std::string("usage: kolbrin-data ") + kUsage);
    const fs::path langDir = fs::absolute(args[1]).lexically_normal();
    std::string lang = langDir.filename().string();
    if (lang.empty()) lang = langDir.parent_path().filename().string();
    fs::path gameDir = langDir.parent_path().parent_path();
    for (std::size_t i = 2; i + 1 < args.size(); ++i)
        if (args[i] == "--groups") gameDir = args[i + 1];

    ResetCountries();
    LoadCountryNames((langDir / CountryNamesFileName(lang)).string(), lang);
    std::vector<std::string> messages;
    LoadCountryGroups(gameDir.string(), [&](const std::string& text, const std::string& caption) {
        messages.push_back(caption + ": " + text);
    });
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const TCountry* c : AllCountries()) {
        nlohmann::ordered_json groups = nlohmann::ordered_json::array();
        if (CountryExists(BosmanCountries(), c->Code())) groups.push_back("Bosman");
        if (CountryExists(PlopCountries(), c->Code())) groups.push_back("PLOP");
        list.push_back({{"code", Cp1252ToUtf8(c->Code())},
                        {"code2", Cp1252ToUtf8(c->Code2())},
                        {"name", Cp1252ToUtf8(c->Name())},
                        {"groups", groups}});
    }
    nlohmann::ordered_json j;
    j["language"] = lang;
    j["countries"] = list;
    for (const std::string& m : messages) j["groupMessages"].push_back(Cp1252ToUtf8(m));
    std::printf("%s\n", j.dump(2).c_str());
    return 0;
}

const CommandRegistration kCountriesCommand("countries", kUsage, Countries);
} // namespace
