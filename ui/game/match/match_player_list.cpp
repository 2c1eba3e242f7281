#include "ui/game/match/match_player_list.h"

#include "ui/common/object_list_view.h"

#include "world/player.h"
#include "world/team.h"

#include <algorithm>

namespace {
constexpr int kPlayerColumns = pcPosition | pcName | pcLevel | pcCardPoints;
} // namespace

TObjectListView* NewMatchPlayerList(const TPlayer& prototype, QWidget* parent) {
    auto* list = new TObjectListView(prototype, kPlayerColumns, kPlayerColumns, parent);
    list->view->setMinimumWidth(260);
    return list;
}

std::vector<TPlayer*> PlayersInRole(const TTeam& club, int role) {
    std::vector<TPlayer*> players;
    for (TPlayer* player : club.players)
        if (player != nullptr && player->matchState.lineupRole == role) players.push_back(player);
    // A copy is ordered for the eye: the squad's own order decides ties in the rules and must not change.
    std::stable_sort(players.begin(), players.end(),
                     [](const TPlayer* a, const TPlayer* b) { return a->position() < b->position(); });
    return players;
}

void ShowPlayers(TObjectListView& list, const std::vector<TPlayer*>& players) {
    list.model->SetObjects(std::vector<TKolObject*>(players.begin(), players.end()));
}

void MarkBookedPlayers(TObjectListView& list) {
    list.delegate->MarkRows([](const TKolObject* object) {
        const auto* player = dynamic_cast<const TPlayer*>(object);
        return player != nullptr && player->matchState.bookedThisMatch != 0;
    });
}

TPlayer* CurrentPlayer(const TObjectListView& list) {
    const QModelIndex index = list.view->currentIndex();
    if (!index.isValid() || !list.view->selectionModel()->isSelected(index)) return nullptr;
    return dynamic_cast<TPlayer*>(list.model->ObjectAt(index.row()));
}
