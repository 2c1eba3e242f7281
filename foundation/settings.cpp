#include "foundation/settings.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace {
using Key = std::pair<std::string, std::string>;

// Reads a whole decimal integer (an optional sign, digits, surrounding blanks allowed); gives
// false when the text is anything else or beyond the int range.
bool ParseInt(const std::string& text, int& out) {
    std::size_t b = text.find_first_not_of(" \t");
    std::size_t e = text.find_last_not_of(" \t");
    if (b == std::string::npos) return false;
    const char* first = text.data() + b;
    const char* last = text.data() + e + 1;
    if (*first == '+') ++first;
    int v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last) return false;
    out = v;
    return true;
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The initial profile table; names come from the labels file once it is open.
std::array<TGameTimeProfile, kOfferedGameTimeProfiles> InitialProfiles() {
    return {{{"", 100, 1000, 200}, {"", 100, 800, 150}, {"", 100, 600, 100}, {"", 100, 400, 125}}};
}
} // namespace

// ---- TMemorySettingsStore ----

std::string TMemorySettingsStore::ReadString(const std::string& section, const std::string& name,
                                             const std::string& def) {
    auto it = values_.find(Key{section, name});
    return it == values_.end() ? def : it->second;
}

int TMemorySettingsStore::ReadInteger(const std::string& section, const std::string& name, int def) {
    auto it = values_.find(Key{section, name});
    int v = def;
    if (it == values_.end() || !ParseInt(it->second, v)) return def;
    return v;
}

bool TMemorySettingsStore::ReadBool(const std::string& section, const std::string& name, bool def) {
    auto it = values_.find(Key{section, name});
    if (it == values_.end()) return def;
    const std::string v = Lower(it->second);
    if (v == "true") return true;
    if (v == "false") return false;
    int n = 0;
    if (ParseInt(v, n)) return n != 0;
    return def;
}

void TMemorySettingsStore::WriteString(const std::string& section, const std::string& name,
                                       const std::string& value) {
    values_[Key{section, name}] = value;
}

void TMemorySettingsStore::WriteInteger(const std::string& section, const std::string& name, int value) {
    values_[Key{section, name}] = std::to_string(value);
}

void TMemorySettingsStore::WriteBool(const std::string& section, const std::string& name, bool value) {
    values_[Key{section, name}] = value ? "true" : "false";
}

bool TMemorySettingsStore::Contains(const std::string& section, const std::string& name) const {
    return values_.count(Key{section, name}) != 0;
}

// ---- Typed access by the named constants ----

std::string ReadSetting(TSettingsStore& store, const TStringSetting& s) {
    return store.ReadString(s.section, s.name, s.def);
}
int ReadSetting(TSettingsStore& store, const TIntSetting& s) {
    return store.ReadInteger(s.section, s.name, s.def);
}
bool ReadSetting(TSettingsStore& store, const TBoolSetting& s) {
    return store.ReadBool(s.section, s.name, s.def);
}
void WriteSetting(TSettingsStore& store, const TStringSetting& s, const std::string& value) {
    store.WriteString(s.section, s.name, value);
}
void WriteSetting(TSettingsStore& store, const TIntSetting& s, int value) {
    store.WriteInteger(s.section, s.name, value);
}
void WriteSetting(TSettingsStore& store, const TBoolSetting& s, bool value) {
    store.WriteBool(s.section, s.name, value);
}

// ---- The game's settings ----

TGameSettings& GameSettings() {
    static TGameSettings settings;
    return settings;
}

void LoadSettings(TSettingsStore& store, TGameSettings& settings) {
    settings.loadVersion = ReadSetting(store, kSettingGameLoadVersion);
    settings.saveVersion = ReadSetting(store, kSettingGameSaveVersion);
    settings.directory = ReadSetting(store, kSettingDirectory);
    settings.user = ReadSetting(store, kSettingUser);
    settings.saveGameWhen = ReadSetting(store, kSettingSaveGameWhen);
    settings.sound = ReadSetting(store, kSettingSound);
    settings.viewComputerPenalties = ReadSetting(store, kSettingViewComputerPenalties);
    settings.language = ReadSetting(store, kSettingLanguage).substr(0, kLanguageCodeWidth);
    settings.lastGame = ReadSetting(store, kSettingLastGame);
    settings.displayInitScreen = ReadSetting(store, kSettingDisplayInitScreen);
}

void SaveSettings(TSettingsStore& store, const TGameSettings& settings) {
    WriteSetting(store, kSettingViewComputerPenalties, settings.viewComputerPenalties);
    WriteSetting(store, kSettingSaveGameWhen, settings.saveGameWhen);
    WriteSetting(store, kSettingSound, settings.sound);
}

void SaveOptions(TSettingsStore& store, const TGameSettings& settings) {
    WriteSetting(store, kSettingViewPsychologicalLashes, settings.viewPsychologicalLashes);
    WriteSetting(store, kSettingSaveGameWhen, settings.saveGameWhen);
    WriteSetting(store, kSettingSound, settings.sound);
    WriteSetting(store, kSettingViewAuction, settings.viewAuction);
    WriteSetting(store, kSettingGameTimeProfile, settings.gameTimeProfile);
    WriteSetting(store, kSettingHalfTimeSubstitutions, settings.halfTimeSubstitutions);
    WriteSetting(store, kSettingViewComputerPenalties, settings.viewComputerPenalties);
}

void LoadGameOptions(TSettingsStore& store, TGameSettings& settings) {
    settings.gameTimeProfile = SoundGameTimeProfile(ReadSetting(store, kSettingGameTimeProfile));
    settings.saveGameWhen = ReadSetting(store, kSettingSaveGameWhen);
    settings.halfTimeSubstitutions = ReadSetting(store, kSettingHalfTimeSubstitutions);
    settings.viewPsychologicalLashes = ReadSetting(store, kSettingViewPsychologicalLashes);
    settings.viewGetTeams = ReadSetting(store, kSettingViewGetTeams);
    settings.viewComputerPenalties = ReadSetting(store, kSettingViewComputerPenalties);
    settings.viewAuction = ReadSetting(store, kSettingViewAuction);
    settings.viewWallpapers = ReadSetting(store, kSettingViewWallpapers);
    settings.displayInitScreen = ReadSetting(store, kSettingDisplayInitScreen);
    settings.testWebSite = ReadSetting(store, kSettingTestWebSite);
}

void SaveGameOptions(TSettingsStore& store, const TGameSettings& settings, const std::string& currencyName) {
    WriteSetting(store, kSettingHalfTimeSubstitutions, settings.halfTimeSubstitutions);
    WriteSetting(store, kSettingViewComputerPenalties, settings.viewComputerPenalties);
    WriteSetting(store, kSettingCurrency, currencyName);
    WriteSetting(store, kSettingGameTimeProfile, settings.gameTimeProfile);
    WriteSetting(store, kSettingSaveGameWhen, settings.saveGameWhen);
    WriteSetting(store, kSettingViewPsychologicalLashes, settings.viewPsychologicalLashes);
    WriteSetting(store, kSettingViewGetTeams, settings.viewGetTeams);
    WriteSetting(store, kSettingViewAuction, settings.viewAuction);
    WriteSetting(store, kSettingLastGame, settings.lastGame);
}

namespace {
bool CanWriteIn(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder, ec)) return false;
    const std::filesystem::path probe = folder / ".kolbrin-write-test";
    bool ok = false;
    {
        std::ofstream out(probe, std::ios::binary);
        ok = static_cast<bool>(out << 'k') && static_cast<bool>(out.flush());
    }
    std::filesystem::remove(probe, ec);
    return ok;
}
} // namespace

std::string WritableFolder(const std::string& gameDir, const std::string& userDataDir,
                           const std::string& sub) {
    const std::filesystem::path inGame = std::filesystem::path(gameDir) / sub;
    if (CanWriteIn(inGame)) return inGame.string();
    const std::filesystem::path inUser = std::filesystem::path(userDataDir) / sub;
    std::error_code ec;
    std::filesystem::create_directories(inUser, ec);
    return inUser.string();
}

int SoundGameTimeProfile(int profile) {
    return profile < 1 || profile > kOfferedGameTimeProfiles ? kSettingGameTimeProfile.def : profile;
}

bool SaveBeforeMatchday(int saveGameWhen, int matchdayCounter) {
    if (matchdayCounter == 1) return true;
    switch (saveGameWhen) {
    case 1:
        return true;
    case 2:
        return matchdayCounter % 3 == 0;
    default:
        return false;
    }
}

// ---- Game time profiles ----

std::array<TGameTimeProfile, kOfferedGameTimeProfiles>& GameTimeProfiles() {
    static std::array<TGameTimeProfile, kOfferedGameTimeProfiles> profiles = InitialProfiles();
    return profiles;
}

void FillGameTimeProfiles(const std::function<std::string(int)>& textOf) {
    auto& profiles = GameTimeProfiles();
    profiles = InitialProfiles();
    for (int i = 0; i < kOfferedGameTimeProfiles; ++i)
        profiles[i].name = textOf(kGameTimeProfileNameTexts[i]).substr(0, kGameTimeProfileNameWidth);
}

int GameTimerInterval(int profile, int humanCoachesPlaying) {
    const TGameTimeProfile& p = GameTimeProfiles()[SoundGameTimeProfile(profile) - 1];
    if (humanCoachesPlaying <= 0) return p.tickWithoutHumans;
    return p.tickWithOneHuman + p.addedPerFurtherHuman * (humanCoachesPlaying - 1);
}
