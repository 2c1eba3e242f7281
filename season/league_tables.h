#pragma once
// The league tables between rounds, and the round's news shown once after a matchday.
class TWorld;

// Sorts each league's clubs into table order (points, goal difference, goals scored; full ties keep their
// order) and classifies the table after `round`.
void SortLeagueTables(TWorld& world, int round);
// Shows the round's news through the port with the title of the round's news, when there is any, and
// empties the list.
void ShowRoundMessages(TWorld& world);
