#pragma once
// The per-user settings of the game and the team editor: an abstract store of sections with named string,
// integer and boolean values (every read carries its default), the names and defaults of every value the
// programs use, and the game's settings held as one program-wide record.
//
// The store never reports a failed write: a settings file that cannot be written costs the user his
// preferences, never the game.
#include "foundation/game_options.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <utility>

class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;

    // A value that is missing, or stored with a type that cannot be read as the asked one, gives `def`.
    virtual std::string ReadString(const std::string& section, const std::string& name,
                                   const std::string& def) = 0;
    virtual int ReadInteger(const std::string& section, const std::string& name, int def) = 0;
    virtual bool ReadBool(const std::string& section, const std::string& name, bool def) = 0;

    virtual void WriteString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    virtual void WriteInteger(const std::string& section, const std::string& name, int value) = 0;
    virtual void WriteBool(const std::string& section, const std::string& name, bool value) = 0;
    // Hands what was written to the medium now (a store that keeps a file); it need not be called for the
    // values to be read back in the same run.
    virtual void Flush() {}
};

// A store held in memory, for tests and for runs that must leave no trace. Values are kept as text, the
// way a settings file keeps them, so a value written as one type and read as another behaves as it would
// in the file.
class TMemorySettingsStore final : public TSettingsStore {
public:
    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& def) override;
    int ReadInteger(const std::string& section, const std::string& name, int def) override;
    bool ReadBool(const std::string& section, const std::string& name, bool def) override;
    void WriteString(const std::string& section, const std::string& name, const std::string& value) override;
    void WriteInteger(const std::string& section, const std::string& name, int value) override;
    void WriteBool(const std::string& section, const std::string& name, bool value) override;

    bool Contains(const std::string& section, const std::string& name) const;
    // Number of values stored (all sections).
    std::size_t Count() const { return values_.size(); }
    void Clear() { values_.clear(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// ---- Names, types and defaults of every value ----

struct TStringSetting {
    const char* section;
    const char* name;
    const char* def;
};
struct TIntSetting {
    const char* section;
    const char* name;
    int def;
};
struct TBoolSetting {
    const char* section;
    const char* name;
    bool def;
};

inline constexpr const char* kSectionSystem = "System";
inline constexpr const char* kSectionOptions = "Options";
inline constexpr const char* kSectionGame = "Game";
inline constexpr const char* kSectionSetup = "Setup";
inline constexpr const char* kSectionEditor = "Editor";

// The game's values.
inline constexpr TStringSetting kSettingDirectory{kSectionSystem, "directory", "."};
inline constexpr TStringSetting kSettingLanguage{kSectionSystem, "language", ""};
inline constexpr TStringSetting kSettingUser{kSectionSystem, "user", ""};
inline constexpr TStringSetting kSettingLastGame{kSectionSystem, "lastGame", ""};
inline constexpr TBoolSetting kSettingDisplayInitScreen{kSectionSystem, "display init screen", true};
inline constexpr TIntSetting kSettingSaveGameWhen{kSectionOptions, "saveGameWhen", 2};
inline constexpr TBoolSetting kSettingSound{kSectionOptions, "sound", true};
inline constexpr TBoolSetting kSettingHalfTimeSubstitutions{kSectionOptions, "halfTimeSubstitutions", true};
inline constexpr TIntSetting kSettingViewPsychologicalLashes{kSectionOptions, "viewPsychologicalLashes", 1};
inline constexpr TBoolSetting kSettingViewComputerPenalties{kSectionOptions, "viewComputerPenalties", true};
inline constexpr TBoolSetting kSettingViewAuction{kSectionOptions, "viewAuction", true};
inline constexpr TIntSetting kSettingGameTimeProfile{kSectionOptions, "gameTimeProfile", 2};
inline constexpr TStringSetting kSettingCurrency{kSectionOptions, "currency", ""};
inline constexpr TIntSetting kSettingGameLoadVersion{kSectionGame, "Load version", 2002};
inline constexpr TIntSetting kSettingGameSaveVersion{kSectionGame, "Save version", 2002};
// Read and written with the career options, next to the values above.
inline constexpr TIntSetting kSettingViewGetTeams{kSectionOptions, "viewGetTeams", 1};
inline constexpr TBoolSetting kSettingViewWallpapers{kSectionOptions, "viewWallpapers", true};
inline constexpr TStringSetting kSettingTestWebSite{kSectionSystem, "testWebSite", ""};

// The options start at the settings' defaults.
static_assert(TGameOptions{}.saveGameWhen == kSettingSaveGameWhen.def);
static_assert(TGameOptions{}.sound == kSettingSound.def);
static_assert(TGameOptions{}.halfTimeSubstitutions == kSettingHalfTimeSubstitutions.def);
static_assert(TGameOptions{}.viewPsychologicalLashes == kSettingViewPsychologicalLashes.def);
static_assert(TGameOptions{}.viewComputerPenalties == kSettingViewComputerPenalties.def);
static_assert(TGameOptions{}.viewAuction == kSettingViewAuction.def);
static_assert(TGameOptions{}.gameTimeProfile == kSettingGameTimeProfile.def);
static_assert(TGameOptions{}.viewGetTeams == kSettingViewGetTeams.def);
static_assert(TGameOptions{}.viewWallpapers == kSettingViewWallpapers.def);

// The team editor's values.
inline constexpr TIntSetting kSettingEditorLoadVersion{kSectionEditor, "Load version", 2002};
inline constexpr TIntSetting kSettingEditorSaveVersion{kSectionEditor, "Save version", 2002};
inline constexpr TBoolSetting kSettingEditorConvertToNewVersion{kSectionEditor, "Convert to new version",
                                                                false};
inline constexpr TStringSetting kSettingWebDirectory{kSectionSystem, "webDirectory", "."};
inline constexpr TBoolSetting kSettingSetupLoadTeams{kSectionSetup, "loadTeams", true};
inline constexpr TBoolSetting kSettingSetupLoadReferees{kSectionSetup, "loadReferees", true};
inline constexpr TBoolSetting kSettingEditorAutoCorrectFileNames{kSectionEditor, "Auto correct file names",
                                                                 false};
inline constexpr TBoolSetting kSettingEditorFileNamesAsTeamNames{kSectionEditor, "File names as team names",
                                                                 false};
inline constexpr TBoolSetting kSettingEditorLimitStarPlayers{kSectionEditor, "Limit star players", false};

std::string ReadSetting(TSettingsStore& store, const TStringSetting& s);
int ReadSetting(TSettingsStore& store, const TIntSetting& s);
bool ReadSetting(TSettingsStore& store, const TBoolSetting& s);
void WriteSetting(TSettingsStore& store, const TStringSetting& s, const std::string& value);
void WriteSetting(TSettingsStore& store, const TIntSetting& s, int value);
void WriteSetting(TSettingsStore& store, const TBoolSetting& s, bool value);

// ---- The game's settings ----

// Number of game time profiles the options dialog offers.
inline constexpr int kOfferedGameTimeProfiles = 4;
// Width of a profile's name.
inline constexpr std::size_t kGameTimeProfileNameWidth = 20;
// A language code has two characters; a longer stored value is cut.
inline constexpr std::size_t kLanguageCodeWidth = 2;

// The game's settings as the program keeps them while it runs: the options, and the values below. The
// fields start at their defaults.
struct TGameSettings : TGameOptions {
    // System
    std::string directory = kSettingDirectory.def;
    std::string language = kSettingLanguage.def;
    std::string user = kSettingUser.def;
    std::string lastGame = kSettingLastGame.def;
    bool displayInitScreen = kSettingDisplayInitScreen.def;
    std::string testWebSite = kSettingTestWebSite.def;
    // Game: data format versions of team files and saved player records.
    int loadVersion = kSettingGameLoadVersion.def;
    int saveVersion = kSettingGameSaveVersion.def;
    // Not stored: the per-user data folder, set by the program at start, where what must be written goes
    // when the game folder cannot be written.
    std::string userDataDir;
};

// The program-wide settings of the running game.
TGameSettings& GameSettings();

// At start-up: the "System" values ("language" cut to two characters), "saveGameWhen", "sound",
// "viewComputerPenalties" and the "Game" versions.
void LoadSettings(TSettingsStore& store, TGameSettings& settings);
// When the program ends: "viewComputerPenalties", "saveGameWhen" and "sound". (The program closes the
// labels file itself at the same point.)
void SaveSettings(TSettingsStore& store, const TGameSettings& settings);
// When the user confirms the options dialog: the seven values it edits ("viewPsychologicalLashes",
// "saveGameWhen", "sound", "viewAuction", "gameTimeProfile", "halfTimeSubstitutions",
// "viewComputerPenalties"), so that a confirmed choice outlives a run that ends without leaving a career.
void SaveOptions(TSettingsStore& store, const TGameSettings& settings);
// When the main window starts: "gameTimeProfile" (outside 1..4 it becomes 2), "saveGameWhen",
// "halfTimeSubstitutions", "viewPsychologicalLashes", "viewComputerPenalties", "viewAuction",
// "display init screen", and the career's "viewGetTeams", "viewWallpapers" and "testWebSite".
void LoadGameOptions(TSettingsStore& store, TGameSettings& settings);
// When the player leaves a career: "halfTimeSubstitutions", "viewComputerPenalties", "currency" (the
// given name of the current currency), "gameTimeProfile", "saveGameWhen", "viewPsychologicalLashes",
// "viewGetTeams", "viewAuction" and "lastGame".
void SaveGameOptions(TSettingsStore& store, const TGameSettings& settings, const std::string& currencyName);

// The folder `sub` below the game folder when it exists or can be made and a file can be written in it;
// otherwise the same folder below the per-user data folder (made when missing). Saved games go there.
std::string WritableFolder(const std::string& gameDir, const std::string& userDataDir,
                           const std::string& sub);

// A stored profile outside the offered ones falls back to the default profile.
int SoundGameTimeProfile(int profile);

// Whether the career is saved automatically before the matchday with this counter (1 for the first):
// 1 before every matchday, 2 on the first and on every multiple of 3, any other value only on the first.
bool SaveBeforeMatchday(int saveGameWhen, int matchdayCounter);

// ---- Game time profiles: the pace of the live matchday ----

struct TGameTimeProfile {
    std::string name;         // cut to kGameTimeProfileNameWidth
    int tickWithoutHumans;    // ms, when no human coach is in a match still being played
    int tickWithOneHuman;     // ms, with one human coach in such a match
    int addedPerFurtherHuman; // ms, for each further human coach in such matches
};

// The name's text number of each profile (profile 1 first).
inline constexpr std::array<int, kOfferedGameTimeProfiles> kGameTimeProfileNameTexts{380, 381, 382, 383};

// The program-wide table, profile 1 at index 0. Its tick values are set from the start; the names once the
// labels file is open.
std::array<TGameTimeProfile, kOfferedGameTimeProfiles>& GameTimeProfiles();
// Sets the profile names from the given text lookup (text number -> text), cut to their width.
void FillGameTimeProfiles(const std::function<std::string(int)>& textOf);
// The live matchday's timer interval for a profile (1..4; others use the default profile) with this
// many human coaches in matches still being played.
int GameTimerInterval(int profile, int humanCoachesPlaying);
