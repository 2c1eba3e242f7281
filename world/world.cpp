#include "world/world.h"

#include "foundation/encoding.h"

TWorld::TWorld() : defaultPort_(std::make_unique<TScriptedUserPort>()), port_(defaultPort_.get()) {
    CurrencyRecord = BuiltInCurrencies()[0];
}

// The cup list only refers to clubs; it is emptied before the owning lists free anything, and the clubs
// (whose squads refer to players) go before the players and the coaches.
TWorld::~TWorld() {
    CupTeams.Clear();
    RoundGames.Clear();
    Divisions.Clear();
    LastTransfersList.Clear();
    LastWinnersList.Clear();
    RoundMessages.Clear();
    AllTeams.Clear();
    AllPlayers.Clear();
    AllCoaches.Clear();
    AllReferees.Clear();
}

TTeam* TWorld::TeamById(std::int16_t id) const {
    for (TTeam* team : AllTeams)
        if (team != nullptr && team->id == id) return team;
    return nullptr;
}

TTeam* TWorld::TeamByPlayerId(std::int16_t playerId) const {
    for (TTeam* team : AllTeams) {
        if (team == nullptr) continue;
        for (const TPlayer* player : team->players)
            if (player != nullptr && player->id == playerId) return team;
    }
    return nullptr;
}

TTeam* TWorld::TeamByCoachId(std::int16_t coachId) const {
    for (TTeam* team : AllTeams)
        if (team != nullptr && team->coach != nullptr && team->coach->id == coachId) return team;
    return nullptr;
}

TTeam* TWorld::TeamByCupSlot(std::int16_t slot) const {
    for (TTeam* team : CupTeams)
        if (team != nullptr && !team->season.cupEliminated && team->cupSlot == slot) return team;
    return nullptr;
}

TCoach* TWorld::CoachById(std::int16_t id) const {
    for (TCoach* coach : AllCoaches)
        if (coach != nullptr && coach->id == id) return coach;
    return nullptr;
}

TCoach* TWorld::CoachByName(const std::string& name) const {
    const std::string wanted = UpperCp1252(name);
    for (TCoach* coach : AllCoaches)
        if (coach != nullptr && UpperCp1252(coach->Name()) == wanted) return coach;
    return nullptr;
}

TPlayer* TWorld::PlayerById(std::int16_t id) const {
    for (TPlayer* player : AllPlayers)
        if (player != nullptr && player->id == id) return player;
    return nullptr;
}

TReferee* TWorld::RefereeById(std::int16_t id) const {
    for (TReferee* referee : AllReferees)
        if (referee != nullptr && referee->id == id) return referee;
    return nullptr;
}

TDivision* TWorld::DivisionOfTeam(const TTeam& team) const {
    for (TDivision* division : Divisions)
        if (division != nullptr && division->teams.Contains(&team)) return division;
    return nullptr;
}

TDivision* TWorld::DivisionOfTeamId(std::int16_t teamId) const {
    const TTeam* team = TeamById(teamId);
    return team != nullptr ? DivisionOfTeam(*team) : nullptr;
}

int TWorld::DivisionIndexOfTeam(const TTeam& team) const {
    for (int i = 0; i < Divisions.Count(); ++i)
        if (Divisions[i] != nullptr && Divisions[i]->teams.Contains(&team)) return i;
    return -1;
}

void CopyCareerSettings(TWorld& world, const TGameOptions& options, const CurrencyRecord& currency) {
    world.Options = options;
    world.CurrencyRecord = currency;
}
