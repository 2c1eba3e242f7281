#include "match/cards_and_injuries.h"

#include "foundation/kol_random.h"
#include "match/weighted_pick.h"
#include "world/player.h"
#include "world/team.h"

#include <algorithm>

namespace {

// A club reduced to six on the field loses nobody more.
constexpr int kFewestOnField = 7;

void SendOff(TPlayer& player, const char* tag) {
    player.matchState.lineupRole = 0;
    player.suspendedGames = static_cast<std::int16_t>(player.suspendedGames + Random(4, tag) + 2);
    player.career.redCards += 1;
    player.form = 0;
}

} // namespace

TPlayer* BookPlayer(TTeam& team) {
    TPlayer* player = PickWeightedPlayer(team.players, wkCards, true);
    if (player == nullptr || player->behaviour() == 0) return nullptr;
    if (player->matchState.bookedThisMatch == 0) {
        player->matchState.bookedThisMatch = 1;
        player->career.yellowCards += 1;
        player->season.cardPoints += 1;
        if (player->season.cardPoints % 3 == 0) player->suspendedGames = 2;
        if (player->form > 0) player->form -= 1;
        return player;
    }
    if (Random(2, "secondYellow") != 0) return nullptr;
    if (PlayersOnField(team) < kFewestOnField) return nullptr;
    SendOff(*player, "suspension");
    return player;
}

TPlayer* SendOffPlayer(TTeam& team) {
    if (PlayersOnField(team) < kFewestOnField) return nullptr;
    TPlayer* player = PickWeightedPlayer(team.players, wkCards, true);
    if (player == nullptr || player->behaviour() == 0) return nullptr;
    SendOff(*player, "suspension");
    return player;
}

TPlayer* InjurePlayer(TTeam& team) {
    if (PlayersOnField(team) < kFewestOnField) return nullptr;
    TPlayer* player = PickWeightedPlayer(team.players, wkInjury, true);
    if (player == nullptr || player->injuryProneness <= 0) return nullptr;
    player->matchState.lineupRole = 0;
    const std::int32_t bound = Random(20, "injuryBound");
    player->injuredGames = static_cast<std::int16_t>(Random(bound, "injuryGames") + 1);
    player->career.injuriesCount += 1;
    player->SetLevel(std::max(1, player->level() - 10));
    player->form = 0;
    return player;
}
