#include "season/league_tables.h"

#include "foundation/texts.h"
#include "world/division.h"
#include "world/world.h"

#include <vector>

namespace {
constexpr int kRoundNewsTitleText = 273;
}

void SortLeagueTables(TWorld& world, int round) {
    for (int d = 0; d < TDivision::kLeagueCount && d < world.Divisions.Count(); ++d) {
        world.Divisions[d]->SortTable();
        world.Divisions[d]->ClassifyTable(round);
    }
}

void ShowRoundMessages(TWorld& world) {
    if (world.RoundMessages.Empty()) return;
    const std::vector<TKolObject*> news(world.RoundMessages.begin(), world.RoundMessages.end());
    world.Port().ShowRoundNews(news, GetText(kRoundNewsTitleText));
    world.RoundMessages.Clear();
}
