// Settings with damaged values: each input line is the stored text of one named value (in the order of the
// table below), read back through the game's loading steps. Whatever is stored, the values the program
// keeps stay in their ranges and survive a save and a new load unchanged.
#include "foundation/currency.h"
#include "foundation/languages.h"
#include "foundation/settings.h"
#include "fuzz/fuzz_support.h"

namespace {
struct TNamedValue {
    const char* section;
    const char* name;
};
constexpr TNamedValue kValues[] = {
    {kSettingLanguage.section, kSettingLanguage.name},
    {kSettingGameTimeProfile.section, kSettingGameTimeProfile.name},
    {kSettingSaveGameWhen.section, kSettingSaveGameWhen.name},
    {kSettingSound.section, kSettingSound.name},
    {kSettingViewComputerPenalties.section, kSettingViewComputerPenalties.name},
    {kSettingHalfTimeSubstitutions.section, kSettingHalfTimeSubstitutions.name},
    {kSettingViewPsychologicalLashes.section, kSettingViewPsychologicalLashes.name},
    {kSettingViewAuction.section, kSettingViewAuction.name},
    {kSettingViewGetTeams.section, kSettingViewGetTeams.name},
    {kSettingViewWallpapers.section, kSettingViewWallpapers.name},
    {kSettingDisplayInitScreen.section, kSettingDisplayInitScreen.name},
    {kSettingGameLoadVersion.section, kSettingGameLoadVersion.name},
    {kSettingGameSaveVersion.section, kSettingGameSaveVersion.name},
    {kSettingDirectory.section, kSettingDirectory.name},
    {kSettingUser.section, kSettingUser.name},
    {kSettingLastGame.section, kSettingLastGame.name},
    {kSettingCurrency.section, kSettingCurrency.name},
    {kSettingTestWebSite.section, kSettingTestWebSite.name},
};

void Run(const std::uint8_t* data, std::size_t size) {
    TMemorySettingsStore store;
    const std::vector<std::string> lines = SplitFuzzInput(data, size, "\n");
    for (std::size_t i = 0; i < lines.size() && i < std::size(kValues); ++i)
        store.WriteString(kValues[i].section, kValues[i].name, lines[i]);

    TGameSettings settings;
    LoadSettings(store, settings);
    LoadGameOptions(store, settings);
    FuzzCheck(settings.language.size() <= kLanguageCodeWidth, "language code longer than two characters");
    FuzzCheck(settings.gameTimeProfile >= 1 && settings.gameTimeProfile <= kOfferedGameTimeProfiles,
              "game time profile outside the offered ones");
    for (int humans = 0; humans <= 8; ++humans) GameTimerInterval(settings.gameTimeProfile, humans);
    for (int matchday = 1; matchday <= 40; ++matchday) SaveBeforeMatchday(settings.saveGameWhen, matchday);
    ChooseLanguageAtStart(settings.language, {{"en", "English", "ENG"}}, [] { return std::string("en"); });
    FindBuiltInCurrency(ReadSetting(store, kSettingCurrency));
    FillGameTimeProfiles([&](int n) { return lines.empty() ? std::string() : lines[n % lines.size()]; });
    for (const TGameTimeProfile& p : GameTimeProfiles())
        FuzzCheck(p.name.size() <= kGameTimeProfileNameWidth, "profile name longer than its width");

    // What the program stores on leaving comes back as it was.
    TMemorySettingsStore saved;
    SaveSettings(saved, settings);
    SaveGameOptions(saved, settings, "Euros");
    TGameSettings again;
    LoadSettings(saved, again);
    LoadGameOptions(saved, again);
    FuzzCheck(again.saveGameWhen == settings.saveGameWhen && again.sound == settings.sound &&
                  again.viewComputerPenalties == settings.viewComputerPenalties &&
                  again.gameTimeProfile == settings.gameTimeProfile &&
                  again.halfTimeSubstitutions == settings.halfTimeSubstitutions &&
                  again.viewPsychologicalLashes == settings.viewPsychologicalLashes &&
                  again.viewGetTeams == settings.viewGetTeams && again.viewAuction == settings.viewAuction,
              "a saved setting reads back differently");
}

std::vector<TFuzzBytes> Seeds(const std::string&) {
    return {
        FuzzBytesOf("en\n2\n2\ntrue\nfalse\n1\n1\ntrue\n1\ntrue\ntrue\n2002\n2002\n.\nme\nlast.sav\nEuros\n"),
        FuzzBytesOf("portuguese\n 7 \n-1\nTRUE\n0\nyes\n2147483648\n\n+3\n-0\n1\n98\n98\nC:\\game\n\n\n\n"),
        FuzzBytesOf("\n0\n99999999999\nFalse\n +1 \n\t\n-\n1e3\n0x10\n")};
}
} // namespace

KOLBRIN_FUZZ_TARGET("settings", Run, Seeds)
