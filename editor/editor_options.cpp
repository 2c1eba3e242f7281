#include "editor/editor_options.h"

void ReadEditorOptions(TSettingsStore& store, TEditorOptions& options) {
    options.user = ReadSetting(store, kSettingUser);
    options.loadVersion = ReadSetting(store, kSettingEditorLoadVersion);
    options.saveVersion = ReadSetting(store, kSettingEditorSaveVersion);
    options.convertToNewVersion = ReadSetting(store, kSettingEditorConvertToNewVersion);
    options.autoCorrectFileNames = ReadSetting(store, kSettingEditorAutoCorrectFileNames);
    options.fileNamesAsTeamNames = ReadSetting(store, kSettingEditorFileNamesAsTeamNames);
    options.limitStarPlayers = ReadSetting(store, kSettingEditorLimitStarPlayers);
    options.loadTeams = ReadSetting(store, kSettingSetupLoadTeams);
    options.loadReferees = ReadSetting(store, kSettingSetupLoadReferees);
    options.webDirectory = ReadSetting(store, kSettingWebDirectory);
}
