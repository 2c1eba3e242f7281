#include "ui/game/market/player_column_order.h"

#include "ui/common/object_list_view.h"

#include "foundation/encoding.h"
#include "foundation/texts.h"
#include "world/player.h"
#include "world/team.h"
#include "world/world_texts.h"

#include <algorithm>
#include <functional>

namespace {

// An order that puts smaller keys first; equal keys may stand either way.
template <class Key> TKolOrder ByKey(Key key) {
    return [key](const TKolObject* earlier, const TKolObject* later) {
        return key(*static_cast<const TPlayer*>(earlier)) <= key(*static_cast<const TPlayer*>(later));
    };
}
// Larger first, for the numbers a coach looks for at the top (level, goals, prices, salaries).
template <class Key> TKolOrder ByKeyDescending(Key key) {
    return [key](const TKolObject* earlier, const TKolObject* later) {
        return key(*static_cast<const TPlayer*>(earlier)) >= key(*static_cast<const TPlayer*>(later));
    };
}

} // namespace

TKolOrder PlayerColumnOrder(const std::string& title) {
    if (title == GetText(kTxtColPosition)) return ByKey([](const TPlayer& p) { return p.position(); });
    if (title == GetText(kTxtColName))
        return ByKey([](const TPlayer& p) { return UpperCp1252(p.PlainName()); });
    if (title == GetText(kTxtColLevel)) return ByKeyDescending([](const TPlayer& p) { return p.level(); });
    if (title == GetText(kTxtColAge)) return ByKey([](const TPlayer& p) { return p.age(); });
    if (title == GetText(kTxtColGoals))
        return ByKeyDescending([](const TPlayer& p) { return p.season.runningGoals; });
    if (title == GetText(kTxtColNationality)) return ByKey([](const TPlayer& p) { return p.nationality(); });
    if (title == GetText(kTxtColClub))
        return ByKey([](const TPlayer& p) {
            const TTeam* club = p.Club();
            return club ? UpperCp1252(club->ShortName()) : std::string();
        });
    if (title == GetText(kTxtColPrice))
        return ByKeyDescending([](const TPlayer& p) { return p.askingPrice; });
    if (title == GetText(kTxtColSalary)) return ByKeyDescending([](const TPlayer& p) { return p.salary(); });
    if (title == GetText(kTxtColBehaviour)) return ByKey([](const TPlayer& p) { return p.behaviour(); });
    return [](const TKolObject*, const TKolObject*) { return true; };
}

void SortPlayerRows(TObjectListView& view, std::vector<TPlayer*>& players, int section) {
    const TKolOrder order = view.NextOrder(section, PlayerColumnOrder(view.Caption(section)));
    std::stable_sort(players.begin(), players.end(),
                     [&order](const TPlayer* a, const TPlayer* b) { return !order(b, a); });
    TKolObject* current = view.Current();
    view.model->SetObjects(std::vector<TKolObject*>(players.begin(), players.end()));
    view.Select(current);
}
