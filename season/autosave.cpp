#include "season/autosave.h"

#include "foundation/settings.h"
#include "world/team.h"
#include "world/world.h"

bool AutosaveDue(const TWorld& world) {
    return !world.SavedThisRound && SaveBeforeMatchday(world.Options.saveGameWhen, world.CurrentRound);
}

bool PrepareAutosave(TWorld& world, const TTeam& club, bool leagueGame) {
    if (!AutosaveDue(world)) return false;
    world.ResumeTeam = club.id;
    world.LeagueRoundDone = !leagueGame;
    return true;
}
