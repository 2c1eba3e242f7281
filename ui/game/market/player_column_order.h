#pragma once
// The order a click on a column title of a player list asks for (position, name, level, age, goals,
// nationality, club, price, salary, behaviour), for the market windows and the squad view. Ties keep the
// list's order (the sort is stable); an unknown title keeps the list as it is.
#include "foundation/kol_object.h"

#include <string>
#include <vector>

class TPlayer;

TKolOrder PlayerColumnOrder(const std::string& columnTitle);

// Sorts `players` by the column of `section` of `view`'s header, reversed on a second click of the same
// column (TObjectListView::NextOrder), and shows them again.
class TObjectListView;
void SortPlayerRows(TObjectListView& view, std::vector<TPlayer*>& players, int section);
