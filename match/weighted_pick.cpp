#include "match/weighted_pick.h"

#include "foundation/kol_random.h"
#include "world/player.h"
#include "world/team.h"

#include <cstdint>

int PlayerWeight(const TPlayer& player, int weightKind) {
    switch (weightKind) {
    case wkLevel:
        return player.level();
    case wkScorer: {
        const auto square = static_cast<std::int16_t>(player.position() * player.position());
        return player.level() * square * player.scoringWeight;
    }
    case wkCards:
        return player.behaviour();
    case wkInjury:
        return player.injuryProneness;
    default:
        return 0;
    }
}

TPlayer* PickWeightedPlayer(const TKolList<TPlayer>& players, int weightKind, bool onFieldOnly) {
    std::int32_t total = 0;
    for (const TPlayer* player : players)
        if (player != nullptr) total += PlayerWeight(*player, weightKind);
    const std::int32_t r = Random(total, "pickPlayer");
    std::int32_t sum = 0;
    for (TPlayer* player : players) {
        if (player == nullptr) continue;
        if (onFieldOnly && player->matchState.lineupRole != 1) continue;
        sum += PlayerWeight(*player, weightKind);
        if (sum > r) return player;
    }
    return nullptr;
}

int PlayersOnField(const TTeam& team) {
    int count = 0;
    for (const TPlayer* player : team.players)
        if (player != nullptr && player->matchState.lineupRole == 1) ++count;
    return count;
}
