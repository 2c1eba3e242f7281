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

bool SaveAtClubScreen(TWorld& world, const TTeam& club) {
    bool leagueGame = true;
    for (const TGame* game : world.RoundGames)
        if (game != nullptr && (game->homeTeam == &club || game->awayTeam == &club)) {
            leagueGame = game->kind == gkLeague;
            break;
        }
    const std::int16_t resumeTeam = world.ResumeTeam;
    const bool leagueRoundDone = world.LeagueRoundDone;
    world.ResumeTeam = club.id;
    world.LeagueRoundDone = !leagueGame;
    if (world.SaveGame(world.GameFilePath)) return true;
    // Left marked, the rest of this round's preparation would skip every other club.
    world.ResumeTeam = resumeTeam;
    world.LeagueRoundDone = leagueRoundDone;
    return false;
}
