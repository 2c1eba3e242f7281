#pragma once
// A player of a team open in the editor. It belongs to exactly one team's list (which owns it) and also
// stands in the model's list of all players.
#include "datafiles/player_attr.h"
#include "foundation/kol_list.h"
#include "foundation/kol_object.h"

#include <string>

class TEditorTeam;

// Column masks of the player rows.
constexpr int kPlayerRowInTeam = 0; // the team page: no team column
constexpr int kPlayerRowAll = 1;    // the list of all players: the team's short name too

class TEditorPlayer : public TKolbrinObject {
public:
    TPlayerAttr attr;

    TEditorTeam* Team() const { return team_; }
    void SetTeam(TEditorTeam* team) { team_ = team; }

    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;
    TKolOrder SortCompare(const std::string& columnTitle) const override;

private:
    TEditorTeam* team_ = nullptr;
};

using TListOfEditorPlayers = TKolList<TEditorPlayer>;

// The players' own order, used to sort a squad: by position (goalkeepers first), then by name.
bool PlayerInOrder(const TEditorPlayer* earlier, const TEditorPlayer* later);
// The language text of a position (0..3) and of a behaviour (0..5); empty outside the range.
std::string PositionText(int position);
std::string BehaviourText(int behaviour);
