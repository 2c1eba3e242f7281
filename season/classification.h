#pragma once
// The classification display between rounds (the tables sorted by SortLeagueTables, season/league_tables),
// whose rows show a face by each club's table status.
#include <string>

class TWorld;

// Sorts the tables for `round` and shows them through the port; `autoClose` closes the display by itself.
void ShowClassification(TWorld& world, int round, bool autoClose);
// The face drawn beside a club with this table status, a file of the "Icons" folder; empty where the
// club's position is written instead.
std::string ClassificationIcon(int tableStatus);
// The caption of the classification after `round` (the final table's own caption for round 0 or less).
std::string ClassificationCaption(int round);
