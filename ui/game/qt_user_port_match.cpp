#include "ui/game/qt_user_port.h"

TPlayer* TQtUserPort::ChoosePenaltyTaker(TGame& game, TTeam& team) {
    return Autopilot().ChoosePenaltyTaker(game, team);
}
void TQtUserPort::ShowPenaltyKick(TGame& game, TTeam& team, TPlayer& taker, int result) {
    Autopilot().ShowPenaltyKick(game, team, taker, result);
}
bool TQtUserPort::ShowShootout(TShootout& shootout) {
    return Autopilot().ShowShootout(shootout);
}
void TQtUserPort::RequestSubstitution(TGame& game, int side, int reason, TPlayer* player) {
    Autopilot().RequestSubstitution(game, side, reason, player);
}
void TQtUserPort::PlayBeep() {
    TUserPort::PlayBeep();
}
void TQtUserPort::ShowMatchday(TMatchdayTicker& matchday) {
    Autopilot().ShowMatchday(matchday);
}
