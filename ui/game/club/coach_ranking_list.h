#pragma once
// The coach ranking: every coach of the career by standing (world/coach_ranking), numbered, with his club,
// its board's mood, his titles and his prestige; human coaches in bold.
#include <cstdint>

class QWidget;
class TWorld;

// The columns of the ranking's rows.
std::uint32_t CoachRankingColumns();

void ShowCoachRanking(TWorld& world, QWidget* parent);
