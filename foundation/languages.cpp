#include "foundation/languages.h"

#include "foundation/errors.h"
#include "foundation/file_helpers.h"
#include "foundation/file_io.h"
#include "foundation/kol_log.h"
#include "foundation/labels_line.h"
#include "foundation/settings.h"
#include "foundation/texts.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kShortString = 255;

std::string Cut(std::string s, std::size_t width) {
    return s.size() > width ? s.substr(0, width) : s;
}

// Empty when the language of the folder is usable (and `out` is filled); otherwise why it is not.
std::string ReadLanguage(const std::string& gameDir, const std::string& folder, TLangAvailable& out) {
    const std::string labelsPath = LabelsFilePath(gameDir, folder);
    std::string entry, flag;
    try {
        CheckLabelsFile(labelsPath); // every line, so a damaged one is named by its number
        TLabelsFile labels(labelsPath);
        if (labels.GetText(1) != kLabelsFileMarker)
            return labelsPath + ": its first line is not \"" + kLabelsFileMarker + "\"";
        entry = labels.GetText(2); // code, one separator character, name
        flag = labels.GetText(3);
    } catch (const EFileNotFound& e) {
        return e.what();
    } catch (const EInvalidFile& e) {
        const std::string what = e.what();
        return what.rfind(labelsPath, 0) == 0 ? what : labelsPath + ": " + what;
    }
    const std::string countriesPath = CountryNamesFilePath(gameDir, folder);
    if (!CountryNamesFileValid(countriesPath, folder)) return countriesPath + " not found or is invalid.";
    out.code = entry.substr(0, 2);
    out.name = Cut(entry.size() > 3 ? entry.substr(3) : std::string{}, kShortString);
    out.flagFile = Cut(flag, kShortString);
    return {};
}

std::string Reasons(const std::vector<TLanguageProblem>& problems) {
    std::string text;
    for (const TLanguageProblem& p : problems) text += "\n" + p.reason;
    return text;
}
} // namespace

// The game folder may come from a setting written on another system: both folder separators are accepted.
std::string LanguagesFolder(const std::string& gameDir) {
    return (fs::path(ToNativePath(gameDir)) / "Int").string();
}

std::string LabelsFilePath(const std::string& gameDir, const std::string& code) {
    return (fs::path(LanguagesFolder(gameDir)) / code / ("KOLB2002_01_" + code + ".kbl")).string();
}

std::string CountryNamesFilePath(const std::string& gameDir, const std::string& code) {
    return (fs::path(LanguagesFolder(gameDir)) / code / ("KOLB2002_02_" + code + ".kbl")).string();
}

bool CountryNamesFileValid(const std::string& path, const std::string& code) {
    try {
        TLabelsFile file(path);
        if (file.GetText(1) == kCountryNamesMarker) return true;
        return file.GetText(2) == code;
    } catch (const EFileNotFound&) {
        Trace(1, "File not found: %s", path);
        return false;
    } catch (const EInvalidFile&) {
        return false;
    }
}

void CheckLabelsFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadWholeFile(path, kMaxTextFileSize);
    } catch (const EInOutError&) {
        throw EFileNotFound(path + " not found or is invalid.");
    }
    // The last line too, though no text is ever read from it: a file cut in the middle of a line ends in a
    // damaged one.
    std::size_t begin = 0;
    for (int n = 1; begin < bytes.size(); ++n) {
        std::size_t end = begin;
        while (end < bytes.size() && bytes[end] != '\n') ++end;
        std::string line(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                         bytes.begin() + static_cast<std::ptrdiff_t>(end));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line != "X" && line.size() >= 3) {
            try {
                DecodeLabelsLine(line);
            } catch (const EInvalidFile& e) {
                throw EInvalidFile(path + ": line " + std::to_string(n) + ": " + e.what());
            }
        }
        begin = end + 1;
    }
}

std::vector<TLangAvailable> FindLanguages(const std::string& gameDir,
                                          std::vector<TLanguageProblem>* problems) {
    const std::string languagesFolder = LanguagesFolder(gameDir);
    std::vector<std::string> folders;
    std::error_code ec;
    for (fs::directory_iterator it(languagesFolder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) folders.push_back(it->path().filename().string());
    }
    if (problems) {
        if (ec)
            problems->push_back({"", languagesFolder + ": " + ec.message()});
        else if (folders.empty())
            problems->push_back({"", languagesFolder + ": no language folder in it"});
    }
    // Folders are visited by name, so the list comes out the same on every system.
    std::sort(folders.begin(), folders.end());
    std::vector<TLangAvailable> languages;
    for (const std::string& folder : folders) {
        TLangAvailable lang;
        const std::string reason = ReadLanguage(gameDir, folder, lang);
        if (reason.empty())
            languages.push_back(std::move(lang));
        else if (problems)
            problems->push_back({folder, reason});
    }
    std::stable_sort(languages.begin(), languages.end(),
                     [](const TLangAvailable& a, const TLangAvailable& b) { return a.name < b.name; });
    return languages;
}

std::string ChooseLanguageAtStart(std::string_view setting, const std::vector<TLangAvailable>& usable,
                                  const std::function<std::string()>& select) {
    const std::string code(setting.substr(0, 2));
    if (!code.empty())
        for (const TLangAvailable& lang : usable)
            if (lang.code == code) return code;
    return select ? std::string(select()).substr(0, 2) : std::string{};
}

std::string OpenLanguageAtStart(TSettingsStore& store, const std::string& gameDir,
                                const TLanguageStart& how) {
    const std::string stored = ReadSetting(store, kSettingLanguage).substr(0, kLanguageCodeWidth);
    std::vector<TLanguageProblem> problems;
    const std::vector<TLangAvailable> usable = FindLanguages(gameDir, &problems);
    if (usable.empty()) {
        // Nothing to choose from: the person learns where the languages were looked for and why none serves.
        if (how.report)
            how.report("No language can be used, so the program cannot start:" + Reasons(problems));
        return {};
    }
    const bool storedUsable =
        std::any_of(usable.begin(), usable.end(), [&](const TLangAvailable& l) { return l.code == stored; });
    if (!stored.empty() && !storedUsable && how.report) {
        std::string why = LabelsFilePath(gameDir, stored) + " not found or is invalid.";
        for (const TLanguageProblem& p : problems)
            if (p.code == stored) why = p.reason;
        how.report("The language \"" + stored + "\" of the settings cannot be used:\n" + why);
    }
    std::string setting = stored;
    std::vector<std::string> failed;
    for (;;) {
        const std::string code = ChooseLanguageAtStart(setting, usable, how.select);
        if (code.empty() || std::find(failed.begin(), failed.end(), code) != failed.end()) return {};
        try {
            if (how.open) {
                how.open(code);
            } else {
                StartLanguage(gameDir, code);
            }
        } catch (const std::exception& e) {
            if (how.report) how.report(e.what());
            failed.push_back(code);
            setting.clear();
            continue;
        }
        if (code != stored) {
            WriteSetting(store, kSettingLanguage, code);
            store.Flush();
        }
        return code;
    }
}

void StartLanguage(const std::string& gameDir, const std::string& code) {
    CheckLabelsFile(LabelsFilePath(gameDir, code));
    OpenLabelsFile(LabelsFilePath(gameDir, code));
    FillTextSlots();
}
