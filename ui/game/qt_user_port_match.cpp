#include "ui/game/qt_user_port.h"

#include "ui/game/match/forced_substitution_dlg.h"
#include "ui/game/match/journey_dlg.h"
#include "ui/game/match/penalties_dlg.h"
#include "ui/game/match/penalty_dlg.h"
#include "ui/game/match/substitution_dlg.h"

#include "match/shootout.h"
#include "match/substitutions.h"
#include "world/game.h"
#include "world/team.h"

#include <QApplication>
#include <QPointer>

namespace {

// The parent of a dialog opened during play: the live matchday window when it is open, so the dialog
// stands over it.
QWidget* DialogParent(QWidget* fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return fallback;
}

} // namespace

TPlayer* TQtUserPort::ChoosePenaltyTaker(TGame& game, TTeam& team) {
    if (team.players.Count() == 0) return nullptr;
    TpenaltyDlg dlg(game, team, DialogParent(Parent()));
    dlg.exec();
    return dlg.Taker();
}

void TQtUserPort::ShowPenaltyKick(TGame& game, TTeam& team, TPlayer& taker, int result) {
    TpenaltyDlg dlg(game, team, taker, result, DialogParent(Parent()));
    dlg.exec();
}

bool TQtUserPort::ShowShootout(TShootout& shootout) {
    TPenaltiesDlg dlg(shootout, DialogParent(Parent()));
    dlg.Run();
    // The dialog kicks until the end; should it have closed early, the rest is kicked here.
    while (!shootout.Finished()) shootout.Kick();
    return true;
}

void TQtUserPort::RequestSubstitution(TGame& game, int side, int reason, TPlayer* player) {
    if (!game.HasTeams()) return;
    TTeam& club = side == 0 ? *game.homeTeam : *game.awayTeam;
    if (reason == srInjury) {
        if (player == nullptr || club.match.benchCount <= 0) return;
        TforcedSubstitutionDlg dlg(club, *player, DialogParent(Parent()));
        dlg.exec();
        return;
    }
    if (club.players.Count() == 0) return;
    TsubstitutionDlg dlg(game, side, DialogParent(Parent()));
    dlg.exec();
}

// The core's beep: the application's beep, when the sound option is on (the program installs it).
void TQtUserPort::PlayBeep() {
    TUserPort::PlayBeep();
}

void TQtUserPort::ShowMatchday(TMatchdayTicker& matchday) {
    TjourneyDlg dlg(matchday, World(), Parent());
    dlg.Run();
    // The window closes only at the end; should it be gone earlier, the matchday is played out here.
    while (matchday.Tick()) {}
}
