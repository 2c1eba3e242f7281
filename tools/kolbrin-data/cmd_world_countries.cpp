// Data steps of the shipped world's countries: the country names file of every language
// (Int/<code>/KOLB2002_02_<code>.kbl) and the two country-group files (CTRGROUP/*.txe).
#include "datafiles/countries.h"
#include "datafiles/country_group_file.h"
#include "foundation/binary_file.h"
#include "foundation/labels_line.h"
#include "tools/kolbrin-data/commands.h"
#include "tools/kolbrin-data/world_sources.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// A country names file: "Countries 2000", the language code, then one "CCC DDD name" line per country,
// every line coded like the labels file and ended by CR LF.
std::string CountryNamesFile(const TWorldCountries& world, std::size_t language) {
    std::string out;
    auto add = [&out](const std::string& plain) { out += EncodeLabelsLine(plain) + "\r\n"; };
    add(kCountryNamesHeader);
    add(world.languages[language]);
    for (const TWorldCountry& c : world.countries) {
        std::string code2 = c.code2;
        code2.resize(3, ' ');
        add(c.code + " " + code2 + " " + c.names[language]);
    }
    return out;
}

// The text of number `number` in a labels source ("<number><TAB><text>" lines), or empty.
std::string LabelsSourceText(const fs::path& labels, int number) {
    std::ifstream in(labels, std::ios::binary);
    const std::string prefix = std::to_string(number) + "\t";
    std::string line;
    while (std::getline(in, line))
        if (line.compare(0, prefix.size(), prefix) == 0) {
            std::string text = line.substr(prefix.size());
            while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
            return text;
        }
    return {};
}

// A language without a country names file is not offered at all, and a language whose flag country is
// missing shows no flag: both are mistakes of the sources, found here rather than by a player.
void CheckLanguagesHaveCountries(const std::string& sourceDir, const TWorldCountries& world) {
    const fs::path langRoot = fs::path(sourceDir) / "lang";
    if (!fs::is_directory(langRoot)) return;
    for (const auto& entry : fs::directory_iterator(langRoot)) {
        const fs::path labels = entry.path() / "labels.txt";
        if (!entry.is_directory() || !fs::is_regular_file(labels)) continue;
        const std::string code = entry.path().filename().string();
        if (std::find(world.languages.begin(), world.languages.end(), code) == world.languages.end())
            throw std::runtime_error("countries.txt has no country names for the language " + code);
        const std::string flag = LabelsSourceText(labels, 3);
        if (!flag.empty() && !world.Find(flag))
            throw std::runtime_error("the language " + code + " shows the flag of " + flag +
                                     ", which countries.txt does not list");
    }
}

void BuildCountryNames(const std::string& outDir, const std::string& sourceDir) {
    const TWorldCountries world = ReadWorldCountries(WorldSourceDir(sourceDir) + "/countries.txt");
    CheckLanguagesHaveCountries(sourceDir, world);
    for (std::size_t i = 0; i < world.languages.size(); ++i) {
        const std::string& code = world.languages[i];
        const fs::path folder = fs::path(outDir) / "Int" / code;
        fs::create_directories(folder);
        WriteWholeFile((folder / CountryNamesFileName(code)).string(), Bytes(CountryNamesFile(world, i)));
    }
}

void BuildGroups(const std::string& outDir, const std::string& sourceDir) {
    const std::string world = WorldSourceDir(sourceDir);
    const TWorldCountries countries = ReadWorldCountries(world + "/countries.txt");
    const fs::path folder = fs::path(outDir) / kGroupFolder;
    fs::create_directories(folder);
    std::set<std::string> written;
    for (const TWorldGroup& group : ReadWorldGroups(world + "/groups.txt")) {
        // A member the country list does not know would be skipped silently by the game; refuse it here.
        for (const std::string& code : group.codes)
            if (!countries.Find(code))
                throw std::runtime_error("groups.txt: " + group.fileName + " names the unknown country " +
                                         code);
        WriteCountryGroupFilePath((folder / group.fileName).string(), group.header, group.codes);
        written.insert(group.fileName);
    }
    for (const char* required : {kBosmanFileName, kPlopFileName})
        if (!written.count(required))
            throw std::runtime_error(std::string("groups.txt: no group ") + required);
}

const DataStepRegistration kCountryNamesStep(20, "country names", BuildCountryNames);
const DataStepRegistration kGroupsStep(30, "country groups", BuildGroups);

} // namespace
