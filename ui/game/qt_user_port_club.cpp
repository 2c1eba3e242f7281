#include "ui/game/qt_user_port.h"

#include "ui/game/club/prepare_game_dlg.h"
#include "world/team.h"

void TQtUserPort::ClubScreen(TTeam& club) {
    RunClubScreen(club.World(), club, Parent());
}
