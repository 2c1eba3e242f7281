#include "season/career.h"

#include "foundation/settings.h"
#include "world/world.h"

void ReadOptions(TWorld& world, TSettingsStore& settings) {
    TGameSettings s;
    LoadGameOptions(settings, s);
    TCareerOptions& o = world.Options;
    o.gameTimeProfile = s.gameTimeProfile;
    o.saveGameWhen = s.saveGameWhen;
    o.halfTimeSubstitutions = s.halfTimeSubstitutions;
    o.viewPsychologicalLashes = s.viewPsychologicalLashes;
    o.viewGetTeams = s.viewGetTeams;
    o.viewComputerPenalties = s.viewComputerPenalties;
    o.viewAuction = s.viewAuction;
}

void WriteOptions(const TWorld& world, TSettingsStore& settings) {
    TGameSettings s;
    const TCareerOptions& o = world.Options;
    s.gameTimeProfile = o.gameTimeProfile;
    s.saveGameWhen = o.saveGameWhen;
    s.halfTimeSubstitutions = o.halfTimeSubstitutions;
    s.viewPsychologicalLashes = o.viewPsychologicalLashes;
    s.viewGetTeams = o.viewGetTeams;
    s.viewComputerPenalties = o.viewComputerPenalties;
    s.viewAuction = o.viewAuction;
    s.lastGame = world.GameFilePath;
    SaveGameOptions(settings, s, world.CurrencyRecord.name);
}

void RunCareer(std::unique_ptr<TWorld>& world, TSettingsStore& settings, const TCareerStart& begin,
               const TSeasonSteps& steps) {
    ReadOptions(*world, settings);
    if (!world->QuitRequested && !world->StopRequested && begin) {
        const TCareerOptions options = world->Options;
        begin(world);
        // A loaded game brings no options: they are the settings'.
        world->Options = options;
    }
    while (!world->QuitRequested && !world->StopRequested) PlaySeason(*world, steps);
    // A person who quit leaves the options for the next run; a cancelled start leaves nothing.
    if (world->QuitRequested && !world->StopRequested) WriteOptions(*world, settings);
}
