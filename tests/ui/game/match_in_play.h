#pragma once
// A game in play for the match dialogs' tests: a seeded career with one human coach plays its first league
// round through the scripted port, and at half time of the human club's game the test gets the game and
// the human club's side, with both line-ups on the field, the bench and the events so far.
#include "seeded_career.h"

#include "world/game.h"
#include "world/team.h"

#include <functional>

namespace uitest {

inline void AtHalfTimeOfHumanGame(std::uint32_t seed,
                                  const std::function<void(TGame&, int side)>& atHalfTime) {
    TScriptedUserPort port;
    port.RecordBeeps = false;
    bool seen = false;
    port.SubstitutionHook = [&](TGame& game, int side, int reason, TPlayer*) {
        if (reason != 4 || seen) return;
        seen = true;
        atHalfTime(game, side);
    };
    auto world = SeededCareer(seed, {"Ana"}, true, &port);
    PlayLeagueRound(*world, DefaultSeasonSteps());
    if (!seen) throw std::runtime_error("the human club played no game at half time");
}

// The players of `club` whose lineupRole is `role`, in squad order.
inline std::vector<TPlayer*> InRole(const TTeam& club, int role) {
    std::vector<TPlayer*> players;
    for (TPlayer* p : club.players)
        if (p != nullptr && p->matchState.lineupRole == role) players.push_back(p);
    return players;
}

} // namespace uitest
