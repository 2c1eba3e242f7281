#pragma once
// The coach's history: his events (clubs, titles, promotions) in the list dialog, his name as its title.
class QWidget;
class TCoach;
class TWorld;

void ShowCoachHistory(TWorld& world, TCoach& coach, QWidget* parent);
