// The automatic line-up of a club: the computer's choice of eleven players and a bench, which a computer
// club's preparation and the scripted user port both use.
#include "world/team.h"

#include "foundation/kol_list.h"

#include <algorithm>
#include <array>

void TTeam::AutoLineup() {
    ShuffleList(players);
    CompleteAutoLineup();
}

void TTeam::CompleteAutoLineup() {
    ChooseLineup(1, 3, 3, 2, false);
    ChooseLineup(1, 10, 10, 10, true);
}

void TTeam::ChooseLineup(int goalkeepers, int defenders, int midfielders, int forwards, bool withBench) {
    match.benchCount = 0;
    std::array<int, 4> wanted = {goalkeepers, defenders, midfielders, forwards};
    std::array<int, 4> available{};
    int outfieldPlaced = 0;
    const auto free = [](const TPlayer* p) { return p->IsAvailable() && p->matchState.lineupRole == 0; };
    for (const TPlayer* player : players) {
        if (player == nullptr) continue;
        const std::size_t pos = static_cast<std::size_t>(player->position() & 3);
        if (player->matchState.lineupRole == 1) {
            --wanted[pos];
            if (pos != 0) ++outfieldPlaced;
        } else if (player->matchState.lineupRole == 2) {
            ++match.benchCount;
        }
        if (free(player)) ++available[pos];
    }
    std::array<bool, 4> needsSubstitute{};
    for (std::size_t p = 0; p < 4; ++p) needsSubstitute[p] = wanted[p] < available[p];

    players.Pack();
    const auto score = [](const TPlayer* p) { return p->selectionScore + p->season.runningGoals; };
    SortList(players,
             [&](const TPlayer* earlier, const TPlayer* later) { return score(earlier) >= score(later); });

    for (TPlayer* player : players) {
        if (!free(player)) continue;
        const std::size_t pos = static_cast<std::size_t>(player->position() & 3);
        if (wanted[pos] >= 1 && (pos == 0 || outfieldPlaced < 10)) {
            player->matchState.lineupRole = 1;
            --wanted[pos];
            if (pos != 0) ++outfieldPlaced;
        } else if (withBench && needsSubstitute[pos] && match.benchCount < (pos == 0 ? 5 : 4)) {
            player->matchState.lineupRole = 2;
            ++match.benchCount;
        }
    }
    if (withBench)
        for (TPlayer* player : players)
            if (match.benchCount < 7 && free(player) && player->position() != 0) {
                player->matchState.lineupRole = 2;
                ++match.benchCount;
            }
    match.benchCount = std::min(match.benchCount, 3);
}
