#include "season/career.h"

#include "foundation/settings.h"
#include "world/world.h"

void ReadOptions(TWorld& world, TSettingsStore& settings) {
    TGameSettings s;
    LoadGameOptions(settings, s);
    // The one copy step of the options into the career; the world keeps the currency it has.
    CopyCareerSettings(world, s, world.CurrencyRecord);
}

void WriteOptions(const TWorld& world, TSettingsStore& settings) {
    TGameSettings s;
    static_cast<TGameOptions&>(s) = world.Options;
    s.lastGame = world.GameFilePath;
    SaveGameOptions(settings, s, world.CurrencyRecord.name);
}

void RunCareer(std::unique_ptr<TWorld>& world, TSettingsStore& settings, const TCareerStart& begin,
               const TSeasonSteps& steps) {
    ReadOptions(*world, settings);
    if (!world->QuitRequested && !world->StopRequested && begin) {
        const TGameOptions options = world->Options;
        begin(world);
        // A loaded game brings no options: they are the settings'.
        world->Options = options;
    }
    while (!world->QuitRequested && !world->StopRequested) PlaySeason(*world, steps);
    // A person who quit leaves the options for the next run; a cancelled start leaves nothing.
    if (world->QuitRequested && !world->StopRequested) WriteOptions(*world, settings);
}
