#include "ui/game/club/coach_history_list.h"

#include "ui/common/print_list_dlg.h"
#include "world/coach.h"

void ShowCoachHistory(TWorld& /*world*/, TCoach& coach, QWidget* parent) {
    std::vector<TKolObject*> rows;
    for (TCoachEvent* event : coach.events)
        if (event != nullptr) rows.push_back(event);
    ShowObjectList(rows, coach.Name(), 0, 0, 0, parent);
}
