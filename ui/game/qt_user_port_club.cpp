#include "ui/game/qt_user_port.h"

void TQtUserPort::ClubScreen(TTeam& club) {
    Autopilot().ClubScreen(club);
}
