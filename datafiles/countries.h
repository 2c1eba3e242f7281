#pragma once
// The program's countries: the global list, the two groups that decide who counts as foreign, the flag
// pictures, and the loading of the country names file and the group files.
#include "datafiles/list_of_countries.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The global list and the two groups; they live from the start of the main window to the program's end.
TListOfCountries& AllCountries();
TListOfBosmanCountries& BosmanCountries();
TListOfBosmanCountries& PlopCountries();
// Empties the groups and the global list (a new load, or a test).
void ResetCountries();

constexpr int kFindByName = 1;
constexpr int kFindByCode = 2;
// Packs the global list and returns the first country whose name (kind 1) or code (kind 2) equals the
// key exactly, else nullptr.
TCountry* FindCountry(int kind, const std::string& key);
bool CountryExists(const TListOfCountries& list, const std::string& code);
// Sets used on the country with that code (nothing when there is none).
void MarkCountryUsed(const std::string& code);
// Destroys every country whose used flag is clear; the groups lose their references to them first.
void DropUnusedCountries();

// 0 same code, 1 both in the "Bosman" group or both in the "PLOP" group, 2 foreign.
int NationalityRelation(const std::string& codeA, const std::string& codeB);
constexpr int kForeignRelation = 2;

struct TFlagFile {
    std::string path;
    bool exists = false;
};
// gameDir + "/flags/" + code + ".bmp" and whether that file exists.
TFlagFile FlagFile(const std::string& gameDir, const std::string& code);

// ---- loading ----
constexpr const char* kCountryNamesHeader = "Countries 2000";
// "KOLB2002_02_<code>.kbl", the country names file in a language folder.
std::string CountryNamesFileName(const std::string& langCode);

// Parses decoded lines of a country names file into the global list: line 1 must be "Countries 2000",
// line 2 the language code (EInvalidFile otherwise, which ends the program); each further line
// "CCC?DDD?name" gives a country (code, code2, name up to 20 characters); lines with an empty code are
// skipped.
void AddCountriesFromLines(const std::vector<std::string>& lines, const std::string& langCode);
// Splits a country names file into lines (CR LF or LF) and decodes each; an empty entry "X" gives "".
// EInvalidFile for a line that fails its check.
std::vector<std::string> ReadCountryNamesLines(const std::vector<std::uint8_t>& bytes);
// Reads and decodes the file (lines coded like the labels file), then AddCountriesFromLines.
// EFileNotFound / EInvalidFile.
void LoadCountryNames(const std::string& path, const std::string& langCode);

// When no country has the code of text 10, adds one with that code as code and code2 and text 11 as name.
// An empty code adds nothing.
void AddFallbackCountry(const std::string& code, const std::string& name);

// A message box the loading shows: its text and caption ("File not found", "Invalid file").
using TCountryMessageFn = std::function<void(const std::string& text, const std::string& caption)>;

// Builds both groups from gameDir/CTRGROUP/bosman.txe and plop.txe; a missing or invalid file shows its
// message and leaves that group empty.
void LoadCountryGroups(const std::string& gameDir, const TCountryMessageFn& message);

// All the loading steps in order: names file, fallback country, groups. EFileNotFound or EInvalidFile
// when the names file is missing or wrong (the program then ends with exit code 1).
void LoadCountries(const std::string& gameDir, const std::string& langDir, const std::string& langCode,
                   const std::string& fallbackCode, const std::string& fallbackName,
                   const TCountryMessageFn& message);

// The same for the language of the open labels file: <gameDir>/Int/<langCode>, the fallback country from
// text 10 (its code) and text 11 (its name).
void LoadCountriesOfLanguage(const std::string& gameDir, const std::string& langCode,
                             const TCountryMessageFn& message);
