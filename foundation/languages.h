#pragma once
// The languages the program can speak: one folder per language below <game folder>/Int, named by its
// two-character code, holding the labels file and the country names file of that language.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TSettingsStore;

// One entry of the language list.
struct TLangAvailable {
    std::string code;     // two characters
    std::string name;     // the language's own name, up to 255 characters
    std::string flagFile; // the code of the country whose flag stands for the language, up to 255 characters
};

inline constexpr const char* kLabelsFileMarker = "KB2002 - LABEL";
inline constexpr const char* kCountryNamesMarker = "Countries 2000";
// The program ends with this exit code when no language is set and none is chosen.
inline constexpr int kNoLanguageExitCode = 1;

std::string LanguagesFolder(const std::string& gameDir);
std::string LabelsFilePath(const std::string& gameDir, const std::string& code);
std::string CountryNamesFilePath(const std::string& gameDir, const std::string& code);

// True when the country names file opens and its first line is "Countries 2000" or, failing that, its second
// line is the language code. A missing or damaged file fails.
bool CountryNamesFileValid(const std::string& path, const std::string& code);

// Why a language folder, or the language folder itself (empty code), cannot be used: the file and the reason.
struct TLanguageProblem {
    std::string code;
    std::string reason;
};

// The usable languages of <gameDir>/Int, sorted by name. A folder counts when its labels file opens, its
// first line is "KB2002 - LABEL", every line passes its check, and its country names file passes the check;
// a damaged file leaves the language out. Each language left out, and a language folder that cannot be
// read or holds no language, adds its reason to `problems` when given.
std::vector<TLangAvailable> FindLanguages(const std::string& gameDir,
                                          std::vector<TLanguageProblem>* problems = nullptr);

// Reads every line of a labels file, so that a damaged line is found before its text is first needed:
// EFileNotFound when the file cannot be opened, EInvalidFile path + ": line N: Error in labels file".
void CheckLabelsFile(const std::string& path);

// The language the program starts with: the setting cut to two characters when it names one of the usable
// languages; otherwise (nothing stored, or a language removed or damaged since it was chosen) the code
// `select` returns (the language dialog; empty when cancelled). An empty result means the program must end
// with kNoLanguageExitCode.
std::string ChooseLanguageAtStart(std::string_view setting, const std::vector<TLangAvailable>& usable,
                                  const std::function<std::string()>& select);

// What the start-up of a program needs to settle its language.
struct TLanguageStart {
    // Asks the user for a language (the language dialog); empty when cancelled or when nobody can answer.
    std::function<std::string()> select;
    // Opens the language as the program's one; throws (EFileNotFound, EInvalidFile, ...) when it cannot.
    // StartLanguage when not set (a damaged line is then reported with the labels file's path).
    std::function<void(const std::string& code)> open;
    // Tells the user why a language could not be used (a stored one that is gone, one that failed to open).
    std::function<void(const std::string& message)> report;
};

// Settles the language at start: ChooseLanguageAtStart over the usable languages of <gameDir>/Int and the
// setting "language" of `store`, then `open`. When no language is usable at all, the reasons are reported
// and nobody is asked (there would be nothing to choose). A language that fails to open is reported and the
// user is asked again (a language that failed once is not tried again). A chosen language that differs from
// the stored one is written to the store, so the question comes only once. Empty when no language could be
// opened: the program must end with kNoLanguageExitCode.
std::string OpenLanguageAtStart(TSettingsStore& store, const std::string& gameDir, const TLanguageStart& how);

// Opens the language's labels file as the program's one and fills the text slots. EFileNotFound
// (path + " not found or is invalid.") when it is missing; EInvalidFile when any line is damaged.
void StartLanguage(const std::string& gameDir, const std::string& code);
