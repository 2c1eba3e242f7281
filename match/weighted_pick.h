#pragma once
// Who in a squad is concerned by a goal, a card or an injury: a draw weighted by a kind of weight.
#include "foundation/kol_list.h"

class TPlayer;
class TTeam;

enum TWeightKind : int {
    wkLevel = 1,
    wkScorer = 2, // level x position squared x scoringWeight: a goalkeeper never scores
    wkCards = 3,  // the behaviour value of the player record (0..5)
    wkInjury = 4, // injuryProneness
};

int PlayerWeight(const TPlayer& player, int weightKind);

// One draw Random(total), the total being the weight of ALL players of the list, on the field or not;
// then the walk adds up the weights of the eligible players only (with `onFieldOnly`, those on the
// field) and takes the first whose running sum exceeds the draw. A draw beyond the eligible players' sum
// finds nobody (nullptr), and the event does not happen: the more weight sits on the bench or in the
// stand, the rarer the event.
TPlayer* PickWeightedPlayer(const TKolList<TPlayer>& players, int weightKind, bool onFieldOnly);

// The club's players on the field (lineupRole 1).
int PlayersOnField(const TTeam& team);
