#include "foundation/languages.h"

#include "foundation/errors.h"
#include "foundation/file_helpers.h"
#include "foundation/kol_log.h"
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

bool ReadLanguage(const std::string& gameDir, const std::string& folder, TLangAvailable& out) {
    TLabelsFile labels(LabelsFilePath(gameDir, folder));
    if (labels.GetText(1) != kLabelsFileMarker) return false;
    const std::string entry = labels.GetText(2); // code, one separator character, name
    const std::string flag = labels.GetText(3);
    if (!CountryNamesFileValid(CountryNamesFilePath(gameDir, folder), folder)) return false;
    out.code = entry.substr(0, 2);
    out.name = Cut(entry.size() > 3 ? entry.substr(3) : std::string{}, kShortString);
    out.flagFile = Cut(flag, kShortString);
    return true;
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

std::vector<TLangAvailable> FindLanguages(const std::string& gameDir) {
    std::vector<std::string> folders;
    std::error_code ec;
    for (fs::directory_iterator it(LanguagesFolder(gameDir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) folders.push_back(it->path().filename().string());
    }
    // Folders are visited by name, so the list comes out the same on every system.
    std::sort(folders.begin(), folders.end());
    std::vector<TLangAvailable> languages;
    for (const std::string& folder : folders) {
        TLangAvailable lang;
        try {
            if (ReadLanguage(gameDir, folder, lang)) languages.push_back(std::move(lang));
        } catch (const EFileNotFound&) {
        } catch (const EInvalidFile&) {}
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
    const std::vector<TLangAvailable> usable = FindLanguages(gameDir);
    const bool storedUsable =
        std::any_of(usable.begin(), usable.end(), [&](const TLangAvailable& l) { return l.code == stored; });
    if (!stored.empty() && !storedUsable && how.report)
        how.report("The language \"" + stored + "\" of the settings is not available in " +
                   LanguagesFolder(gameDir) + " (" + LabelsFilePath(gameDir, stored) +
                   " not found or is invalid.)");
    std::string setting = stored;
    std::vector<std::string> failed;
    for (;;) {
        const std::string code = ChooseLanguageAtStart(setting, usable, how.select);
        if (code.empty() || std::find(failed.begin(), failed.end(), code) != failed.end()) return {};
        try {
            if (how.open) {
                how.open(code);
            } else {
                try {
                    StartLanguage(gameDir, code);
                } catch (const EInvalidFile& e) {
                    throw EInvalidFile(LabelsFilePath(gameDir, code) + ": " + e.what());
                }
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
    OpenLabelsFile(LabelsFilePath(gameDir, code));
    FillTextSlots();
}
