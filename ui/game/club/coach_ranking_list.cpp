#include "ui/game/club/coach_ranking_list.h"

#include "foundation/texts.h"
#include "ui/common/print_list_dlg.h"
#include "world/coach.h"
#include "world/coach_ranking.h"

namespace {
constexpr int kCaptionText = 126;
} // namespace

std::uint32_t CoachRankingColumns() {
    return ccName | ccClub | ccSatisfaction | ccTitles | ccPrestige;
}

void ShowCoachRanking(TWorld& world, QWidget* parent) {
    const std::vector<TCoach*> ranking = CoachRanking(world);
    const std::vector<TKolObject*> rows(ranking.begin(), ranking.end());
    ShowObjectList(rows, GetCaptionText(kCaptionText), static_cast<int>(CoachRankingColumns()),
                   TPrintListDlg::kNumbered, 0, parent);
}
