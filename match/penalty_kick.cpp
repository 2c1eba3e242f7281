#include "match/penalty_kick.h"

#include "foundation/kol_list.h"
#include "foundation/kol_random.h"
#include "world/game.h"
#include "world/team.h"
#include "world/world.h"

namespace {

bool OnField(const TPlayer* player) {
    return player != nullptr && player->matchState.lineupRole == 1;
}

bool InSquadOnField(const TTeam& team, const TPlayer* player) {
    return OnField(player) && team.players.Contains(player);
}

} // namespace

TPlayer* PenaltyTaker(const TTeam& team) {
    return FindBest(team.players, [](const TPlayer* candidate, const TPlayer* best) {
        if (!OnField(best)) return true;
        return OnField(candidate) && candidate->DuelStrength() >= best->DuelStrength();
    });
}

TPlayer* FacingKeeper(const TTeam& team) {
    TPlayer* keeper = nullptr;
    for (TPlayer* player : team.players)
        if (OnField(player) && (keeper == nullptr || player->position() <= keeper->position()))
            keeper = player;
    return keeper;
}

TPenaltyOutcome InPlayPenalty(TGame& game, TTeam& shooting, TTeam& defending) {
    TPenaltyOutcome outcome;
    const bool shown = shooting.HasHumanCoach() || defending.HasHumanCoach();
    TUserPort& port = game.World().Port();
    if (shooting.HasHumanCoach()) {
        TPlayer* chosen = port.ChoosePenaltyTaker(game, shooting);
        if (InSquadOnField(shooting, chosen)) outcome.taker = chosen;
    }
    if (outcome.taker == nullptr) outcome.taker = PenaltyTaker(shooting);
    const TPlayer* keeper = FacingKeeper(defending);
    if (outcome.taker == nullptr || keeper == nullptr) return outcome;
    if (shown) port.PlayBeep();
    {
        const TDrawTag tag("penalty");
        outcome.result = outcome.taker->ResolveDuel(*keeper);
    }
    if (shown) port.ShowPenaltyKick(game, shooting, *outcome.taker, outcome.result);
    return outcome;
}
