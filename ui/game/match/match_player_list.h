#pragma once
// The players' lists of the match dialogs: the row painter's list with a header, one player a row
// (position, name marked when unavailable, level, card points), in the order of the positions.
#include <vector>

class QWidget;
class TObjectListView;
class TPlayer;
class TTeam;

// A list whose columns `prototype` sets up (any player will do).
TObjectListView* NewMatchPlayerList(const TPlayer& prototype, QWidget* parent);
// The players of `club` whose lineupRole is `role`, goalkeepers first; the squad itself keeps its order.
std::vector<TPlayer*> PlayersInRole(const TTeam& club, int role);
void ShowPlayers(TObjectListView& list, const std::vector<TPlayer*>& players);
// The rows of players booked in the game in play are painted on light yellow.
void MarkBookedPlayers(TObjectListView& list);
// The player of the list's current row, or nullptr.
TPlayer* CurrentPlayer(const TObjectListView& list);
