#include "foundation/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {
TGameSettings LoadedFrom(TSettingsStore& store) {
    TGameSettings s;
    // Start from values unlike every default, so a value the loaders forget to read shows up.
    s.directory = "?";
    s.language = "??";
    s.user = "?";
    s.lastGame = "?";
    s.displayInitScreen = false;
    s.testWebSite = "?";
    s.saveGameWhen = -9;
    s.sound = false;
    s.halfTimeSubstitutions = false;
    s.viewPsychologicalLashes = -9;
    s.viewComputerPenalties = false;
    s.viewAuction = false;
    s.gameTimeProfile = -9;
    s.viewGetTeams = -9;
    s.viewWallpapers = false;
    s.loadVersion = -9;
    s.saveVersion = -9;
    LoadSettings(store, s);
    LoadGameOptions(store, s);
    return s;
}
} // namespace

TEST(SettingsStore, MissingOrUnreadableValuesGiveTheirDefault) {
    TMemorySettingsStore store;
    EXPECT_EQ(store.ReadString("System", "x", "dflt"), "dflt");
    EXPECT_EQ(store.ReadInteger("System", "x", 42), 42);
    EXPECT_TRUE(store.ReadBool("System", "x", true));
    EXPECT_FALSE(store.ReadBool("System", "x", false));

    store.WriteString("Options", "gameTimeProfile", "fast");
    EXPECT_EQ(ReadSetting(store, kSettingGameTimeProfile), 2);
    store.WriteString("Options", "saveGameWhen", "3x");
    EXPECT_EQ(ReadSetting(store, kSettingSaveGameWhen), 2);
    store.WriteString("Options", "saveGameWhen", "99999999999");
    EXPECT_EQ(ReadSetting(store, kSettingSaveGameWhen), 2);
    store.WriteString("Options", "sound", "maybe");
    EXPECT_TRUE(ReadSetting(store, kSettingSound));
    store.WriteString("Setup", "loadTeams", "");
    EXPECT_TRUE(ReadSetting(store, kSettingSetupLoadTeams));
}

TEST(SettingsStore, TypedValuesReadBackAsWritten) {
    TMemorySettingsStore store;
    store.WriteBool("Options", "sound", false);
    store.WriteInteger("Options", "saveGameWhen", -7);
    store.WriteString("System", "user", "Jo\xe3o");
    EXPECT_FALSE(store.ReadBool("Options", "sound", true));
    EXPECT_EQ(store.ReadInteger("Options", "saveGameWhen", 2), -7);
    EXPECT_EQ(store.ReadString("System", "user", ""), "Jo\xe3o");
    // Sections keep values with the same name apart.
    store.WriteInteger("Editor", "Load version", 98);
    EXPECT_EQ(ReadSetting(store, kSettingGameLoadVersion), 2002);
    EXPECT_EQ(ReadSetting(store, kSettingEditorLoadVersion), 98);
    // Booleans written by another program as numbers or in other letter cases.
    store.WriteString("Options", "viewAuction", "0");
    store.WriteString("Options", "viewWallpapers", "TRUE");
    EXPECT_FALSE(ReadSetting(store, kSettingViewAuction));
    EXPECT_TRUE(ReadSetting(store, kSettingViewWallpapers));
}

TEST(SettingsDefaults, NothingStoredGivesEveryDefaultAndWritesNothing) {
    TMemorySettingsStore store;
    const TGameSettings s = LoadedFrom(store);
    EXPECT_EQ(s.directory, ".");
    EXPECT_EQ(s.language, "");
    EXPECT_EQ(s.user, "");
    EXPECT_EQ(s.lastGame, "");
    EXPECT_TRUE(s.displayInitScreen);
    EXPECT_EQ(s.testWebSite, "");
    EXPECT_EQ(s.saveGameWhen, 2);
    EXPECT_TRUE(s.sound);
    EXPECT_TRUE(s.halfTimeSubstitutions);
    EXPECT_EQ(s.viewPsychologicalLashes, 1);
    EXPECT_TRUE(s.viewComputerPenalties);
    EXPECT_TRUE(s.viewAuction);
    EXPECT_EQ(s.gameTimeProfile, 2);
    EXPECT_EQ(s.viewGetTeams, 1);
    EXPECT_TRUE(s.viewWallpapers);
    EXPECT_EQ(s.loadVersion, 2002);
    EXPECT_EQ(s.saveVersion, 2002);
    EXPECT_EQ(store.Count(), 0u);
}

TEST(SettingsDefaults, EditorValuesHaveTheirDefaults) {
    TMemorySettingsStore store;
    EXPECT_EQ(ReadSetting(store, kSettingEditorLoadVersion), 2002);
    EXPECT_EQ(ReadSetting(store, kSettingEditorSaveVersion), 2002);
    EXPECT_FALSE(ReadSetting(store, kSettingEditorConvertToNewVersion));
    EXPECT_EQ(ReadSetting(store, kSettingWebDirectory), ".");
    EXPECT_TRUE(ReadSetting(store, kSettingSetupLoadTeams));
    EXPECT_TRUE(ReadSetting(store, kSettingSetupLoadReferees));
    EXPECT_FALSE(ReadSetting(store, kSettingEditorAutoCorrectFileNames));
    EXPECT_FALSE(ReadSetting(store, kSettingEditorFileNamesAsTeamNames));
    EXPECT_FALSE(ReadSetting(store, kSettingEditorLimitStarPlayers));
}

TEST(SettingsValues, GameTimeProfileOutsideTheOfferedOnesBecomesTwo) {
    for (int stored : {0, 5, -1, 1000}) {
        TMemorySettingsStore store;
        store.WriteInteger("Options", "gameTimeProfile", stored);
        EXPECT_EQ(LoadedFrom(store).gameTimeProfile, 2) << stored;
    }
    for (int stored : {1, 3, 4}) {
        TMemorySettingsStore store;
        store.WriteInteger("Options", "gameTimeProfile", stored);
        EXPECT_EQ(LoadedFrom(store).gameTimeProfile, stored);
    }
}

TEST(SettingsValues, LanguageIsCutToTwoCharacters) {
    TMemorySettingsStore store;
    store.WriteString("System", "language", "ptBR");
    EXPECT_EQ(LoadedFrom(store).language, "pt");
    store.WriteString("System", "language", "e");
    EXPECT_EQ(LoadedFrom(store).language, "e");
}

TEST(SettingsValues, StrangeSaveGameWhenIsKeptAndSavesOnlyOnTheFirstMatchday) {
    TMemorySettingsStore store;
    store.WriteInteger("Options", "saveGameWhen", 7);
    const TGameSettings s = LoadedFrom(store);
    EXPECT_EQ(s.saveGameWhen, 7);
    for (int day = 1; day <= 18; ++day) EXPECT_EQ(SaveBeforeMatchday(s.saveGameWhen, day), day == 1) << day;
    for (int day = 1; day <= 18; ++day) EXPECT_EQ(SaveBeforeMatchday(0, day), day == 1) << day;
}

TEST(SettingsSaving, MatchdayRuleOfEachChoice) {
    for (int day = 1; day <= 18; ++day) {
        EXPECT_TRUE(SaveBeforeMatchday(1, day));
        EXPECT_EQ(SaveBeforeMatchday(3, day), day == 1);
    }
    std::vector<int> saved;
    for (int day = 1; day <= 18; ++day)
        if (SaveBeforeMatchday(2, day)) saved.push_back(day);
    EXPECT_EQ(saved, (std::vector<int>{1, 3, 6, 9, 12, 15, 18}));
}

TEST(SettingsRoundTrip, SaveSettingsWritesOnlyItsThreeValues) {
    TMemorySettingsStore store;
    TGameSettings s;
    s.viewComputerPenalties = false;
    s.saveGameWhen = 3;
    s.sound = false;
    s.halfTimeSubstitutions = false;
    s.language = "pt";
    SaveSettings(store, s);
    EXPECT_EQ(store.Count(), 3u);
    EXPECT_FALSE(store.Contains("System", "language"));
    EXPECT_FALSE(store.Contains("Options", "halfTimeSubstitutions"));
    const TGameSettings back = LoadedFrom(store);
    EXPECT_FALSE(back.viewComputerPenalties);
    EXPECT_EQ(back.saveGameWhen, 3);
    EXPECT_FALSE(back.sound);
    EXPECT_TRUE(back.halfTimeSubstitutions);
}

TEST(SettingsRoundTrip, ConfirmedOptionsComeBackAtTheNextStart) {
    // Every value the options dialog edits, each unlike its default.
    TGameSettings s;
    s.viewPsychologicalLashes = 2;
    s.saveGameWhen = 3;
    s.sound = false;
    s.viewAuction = false;
    s.gameTimeProfile = 4;
    s.halfTimeSubstitutions = false;
    s.viewComputerPenalties = false;
    s.lastGame = "GAMES/career.kbg"; // not an option of the dialog
    TMemorySettingsStore store;
    SaveOptions(store, s);
    EXPECT_EQ(store.Count(), 7u);
    EXPECT_FALSE(store.Contains("System", "lastGame"));

    const TGameSettings back = LoadedFrom(store);
    EXPECT_EQ(back.viewPsychologicalLashes, 2);
    EXPECT_EQ(back.saveGameWhen, 3);
    EXPECT_FALSE(back.sound);
    EXPECT_FALSE(back.viewAuction);
    EXPECT_EQ(back.gameTimeProfile, 4);
    EXPECT_FALSE(back.halfTimeSubstitutions);
    EXPECT_FALSE(back.viewComputerPenalties);
}

TEST(SettingsRoundTrip, GameOptionsComeBackAsSaved) {
    TMemorySettingsStore store;
    TGameSettings s;
    s.halfTimeSubstitutions = false;
    s.viewComputerPenalties = false;
    s.gameTimeProfile = 4;
    s.saveGameWhen = 1;
    s.viewPsychologicalLashes = 2;
    s.viewGetTeams = 0;
    s.viewAuction = false;
    s.lastGame = "GAMES/career.kbg";
    s.sound = false; // not one of the career options
    SaveGameOptions(store, s, "UK Pounds");
    EXPECT_EQ(store.ReadString("Options", "currency", ""), "UK Pounds");
    EXPECT_FALSE(store.Contains("Options", "sound"));
    EXPECT_FALSE(store.Contains("System", "display init screen"));
    EXPECT_EQ(store.Count(), 9u);

    const TGameSettings back = LoadedFrom(store);
    EXPECT_FALSE(back.halfTimeSubstitutions);
    EXPECT_FALSE(back.viewComputerPenalties);
    EXPECT_EQ(back.gameTimeProfile, 4);
    EXPECT_EQ(back.saveGameWhen, 1);
    EXPECT_EQ(back.viewPsychologicalLashes, 2);
    EXPECT_EQ(back.viewGetTeams, 0);
    EXPECT_FALSE(back.viewAuction);
    EXPECT_EQ(back.lastGame, "GAMES/career.kbg");
    EXPECT_TRUE(back.sound);
}

TEST(SettingsRoundTrip, LoadSettingsReadsTheSystemAndGameValues) {
    TMemorySettingsStore store;
    store.WriteString("System", "directory", "/games/kolbrin");
    store.WriteString("System", "user", "Rui");
    store.WriteString("System", "lastGame", "a.kbg");
    store.WriteBool("System", "display init screen", false);
    store.WriteInteger("Game", "Load version", 98);
    store.WriteInteger("Game", "Save version", 98);
    TGameSettings s;
    LoadSettings(store, s);
    EXPECT_EQ(s.directory, "/games/kolbrin");
    EXPECT_EQ(s.user, "Rui");
    EXPECT_EQ(s.lastGame, "a.kbg");
    EXPECT_FALSE(s.displayInitScreen);
    EXPECT_EQ(s.loadVersion, 98);
    EXPECT_EQ(s.saveVersion, 98);
}

TEST(GameTimeProfiles, TimerIntervalFollowsTheProfileAndTheHumanCoaches) {
    EXPECT_EQ(GameTimerInterval(1, 0), 100);
    EXPECT_EQ(GameTimerInterval(1, 1), 1000);
    EXPECT_EQ(GameTimerInterval(1, 3), 1400);
    EXPECT_EQ(GameTimerInterval(2, 1), 800);
    EXPECT_EQ(GameTimerInterval(2, 2), 950);
    EXPECT_EQ(GameTimerInterval(3, 4), 900);
    EXPECT_EQ(GameTimerInterval(4, 0), 100);
    EXPECT_EQ(GameTimerInterval(4, 2), 525);
    // A profile outside the table paces like the default one.
    EXPECT_EQ(GameTimerInterval(0, 2), 950);
    EXPECT_EQ(GameTimerInterval(9, 1), 800);
}

TEST(GameTimeProfiles, NamesComeFromTheirTextsCutToTwentyCharacters) {
    std::vector<int> asked;
    FillGameTimeProfiles([&](int n) {
        asked.push_back(n);
        return n == 383 ? std::string("A very, very fast pace indeed") : "Profile " + std::to_string(n);
    });
    EXPECT_EQ(asked, (std::vector<int>{380, 381, 382, 383}));
    EXPECT_EQ(GameTimeProfiles()[0].name, "Profile 380");
    EXPECT_EQ(GameTimeProfiles()[3].name, "A very, very fast pa");
    EXPECT_EQ(GameTimeProfiles()[3].tickWithOneHuman, 400);
}

TEST(WritableFolders, GameFolderFirstThenThePerUserFolder) {
    namespace fs = std::filesystem;
    const fs::path root =
        fs::temp_directory_path() /
        ("kolbrin-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(root);
    fs::create_directories(root / "game");
    EXPECT_EQ(WritableFolder((root / "game").string(), (root / "user").string(), "GAMES"),
              (root / "game" / "GAMES").string());
    EXPECT_TRUE(fs::is_directory(root / "game" / "GAMES"));
    EXPECT_TRUE(fs::is_empty(root / "game" / "GAMES")); // the probe is gone

    // A game "folder" that is a file cannot hold anything.
    std::ofstream(root / "blocked") << "x";
    EXPECT_EQ(WritableFolder((root / "blocked").string(), (root / "user").string(), "GAMES"),
              (root / "user" / "GAMES").string());
    EXPECT_TRUE(fs::is_directory(root / "user" / "GAMES"));
    fs::remove_all(root);
}
