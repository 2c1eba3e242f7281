#include "match/auto_substitute.h"

#include "world/player.h"
#include "world/team.h"

namespace {

bool IsGoalkeeper(const TPlayer& player) {
    return player.position() == 0;
}

TPlayer* FirstOnBench(const TTeam& team, bool goalkeeper) {
    for (TPlayer* candidate : team.players)
        if (candidate != nullptr && candidate->matchState.lineupRole == 2 &&
            IsGoalkeeper(*candidate) == goalkeeper)
            return candidate;
    return nullptr;
}

} // namespace

bool AutoSubstitute(TTeam& team, int reason, const TPlayer& player) {
    if (team.match.benchCount < 1) return false;
    TPlayer* substitute = nullptr;
    if (reason == srKeeperSentOff) {
        if (!IsGoalkeeper(player)) return false;
        substitute = FirstOnBench(team, true);
        if (substitute == nullptr) return false;
        // The goalkeeper's place is made by the last outfield player of the list; the first entry stays.
        for (int i = team.players.Count() - 1; i >= 1; --i) {
            TPlayer* leaving = team.players[i];
            if (leaving != nullptr && leaving->matchState.lineupRole == 1) {
                leaving->matchState.lineupRole = 0;
                break;
            }
        }
    } else if (reason == srInjury) {
        substitute = FirstOnBench(team, IsGoalkeeper(player));
        if (substitute == nullptr) return false;
    } else {
        return false;
    }
    substitute->matchState.lineupRole = 1;
    substitute->career.appearances += 1;
    team.match.benchCount -= 1;
    team.UpdateLineStrengths();
    return true;
}
