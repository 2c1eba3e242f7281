#include "ui/game/qt_user_port.h"

#include "ui/game/club/coach_options_dlg.h"
#include "world/coach.h"

bool TQtUserPort::EditCoachProfile(TCoach& coach) {
    return ShowCoachOptionsDialog(coach.World(), coach, Parent());
}
