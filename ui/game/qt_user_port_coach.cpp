#include "ui/game/qt_user_port.h"

bool TQtUserPort::EditCoachProfile(TCoach& coach) {
    return Autopilot().EditCoachProfile(coach);
}
