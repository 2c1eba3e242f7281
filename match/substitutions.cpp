#include "match/substitutions.h"

#include "world/game.h"
#include "world/player.h"
#include "world/team.h"
#include "world/user_port.h"

namespace {

bool InSquad(const TTeam& club, const TPlayer& player) {
    return club.players.IndexOf(const_cast<TPlayer*>(&player)) >= 0;
}

bool IsKeeper(const TPlayer& player) {
    return player.position() == 0;
}

} // namespace

bool KeeperOnField(const TTeam& club) {
    for (const TPlayer* player : club.players)
        if (player != nullptr && player->matchState.lineupRole == 1 && IsKeeper(*player)) return true;
    return false;
}

bool CanStillSubstitute(const TTeam& club) {
    if (club.match.benchCount < 1) return false;
    for (const TPlayer* player : club.players)
        if (player != nullptr && player->matchState.lineupRole == 2) return true;
    return false;
}

bool MaySubstitute(const TTeam& club, const TPlayer& outgoing, const TPlayer& incoming) {
    if (club.match.benchCount < 1 || !InSquad(club, outgoing) || !InSquad(club, incoming)) return false;
    if (outgoing.matchState.lineupRole != 1 || incoming.matchState.lineupRole != 2) return false;
    return !KeeperOnField(club) || IsKeeper(outgoing) == IsKeeper(incoming);
}

bool Substitute(TTeam& club, TPlayer& outgoing, TPlayer& incoming) {
    if (!MaySubstitute(club, outgoing, incoming)) return false;
    outgoing.matchState.lineupRole = 0;
    incoming.matchState.lineupRole = 1;
    ++incoming.career.appearances;
    club.UpdateLineStrengths();
    --club.match.benchCount;
    return true;
}

bool MayReplaceInjured(const TTeam& club, const TPlayer& injured, const TPlayer& incoming) {
    if (club.match.benchCount <= 0 || !InSquad(club, injured) || !InSquad(club, incoming)) return false;
    if (injured.matchState.lineupRole == 2 || incoming.matchState.lineupRole != 2) return false;
    if (IsKeeper(incoming) == IsKeeper(injured)) return true;
    for (const TPlayer* player : club.players)
        if (player != nullptr && player->matchState.lineupRole == 2 && IsKeeper(*player)) return false;
    return true;
}

bool ReplaceInjured(TTeam& club, TPlayer& injured, TPlayer& incoming) {
    if (!MayReplaceInjured(club, injured, incoming)) return false;
    incoming.matchState.lineupRole = 1;
    injured.matchState.lineupRole = 0;
    --club.match.benchCount;
    club.UpdateLineStrengths();
    return true;
}

void AutopilotSubstitution(TGame& game, int side, int reason, TPlayer* player) {
    TTeam* club = side == 0 ? game.homeTeam : game.awayTeam;
    if (club == nullptr || player == nullptr || club->match.benchCount < 1) return;
    club->players.Pack();
    if (reason == srInjury) {
        for (TPlayer* candidate : club->players)
            if (candidate->matchState.lineupRole == 2 && IsKeeper(*candidate) == IsKeeper(*player)) {
                ReplaceInjured(*club, *player, *candidate);
                return;
            }
    } else if (reason == srKeeperSentOff && IsKeeper(*player)) {
        TPlayer* keeper = nullptr;
        for (TPlayer* candidate : club->players)
            if (candidate->matchState.lineupRole == 2 && IsKeeper(*candidate)) {
                keeper = candidate;
                break;
            }
        if (keeper == nullptr) return;
        for (int i = club->players.Count() - 1; i >= 1; --i) {
            TPlayer* outgoing = club->players[i];
            if (outgoing->matchState.lineupRole == 1) {
                Substitute(*club, *outgoing, *keeper);
                return;
            }
        }
    }
}

void InstallSubstitutionAutopilot(TScriptedUserPort& port) {
    port.SubstitutionHook = AutopilotSubstitution;
}
