// The club screen's doors: the squad view, money, referee aid, tables, coaches, history and lists it
// opens. Each refreshes the screen when it may have changed the club.
#include "ui/game/club/prepare_game_dlg.h"

#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/print_list_dlg.h"
#include "ui/common/qsettings_store.h"
#include "ui/game/club/coach_history_list.h"
#include "ui/game/club/prepare_game_doors.h"
#include "ui/game/club/prepare_game_parts.h"
#include "ui/game/options_dlg.h"
#include "world/calendar.h"
#include "world/world.h"

#include <algorithm>

using namespace prepare_game;

void TprepareGameDlg::ShowSquadOf(TTeam* club) {
    if (club == nullptr) return;
    ShowSquadView(world_, *club, &club_, nullptr, this);
    RefreshAll();
}

void TprepareGameDlg::ShowCalendarOf(TTeam* club) {
    if (club == nullptr || club->calendar == nullptr) return;
    std::vector<TKolObject*> entries;
    for (TCalendarEntry* entry : *club->calendar)
        if (entry != nullptr) entries.push_back(entry);
    TPrintListDlg dlg(entries, club->Name(), 0, 0, 0, this);
    dlg.Execute();
}

void TprepareGameDlg::ShowBalance() {
    ShowBalanceDialog(world_, club_, this);
    RefreshAll();
}

void TprepareGameDlg::ShowLoan() {
    ShowLoanDialog(world_, club_, this);
    RefreshAll();
}

void TprepareGameDlg::ShowStadium() {
    ShowStadiumDialog(world_, club_, this);
    RefreshAll();
}

void TprepareGameDlg::ShowRefereeAid() {
    if (game_ != nullptr) ::ShowRefereeAid(world_, *game_, this);
}

void TprepareGameDlg::ShowClassification() {
    ShowClassificationDialog(world_, world_.CurrentRound - 1, false, this);
    RefreshAll();
}

void TprepareGameDlg::ShowCoachManager() {
    TCoachManager manager(world_);
    ShowCoachManagerDialog(manager, this);
    RefreshAll();
}

void TprepareGameDlg::ShowCoachProfile() {
    if (club_.coach != nullptr) ShowCoachOptionsDialog(world_, *club_.coach, this);
}

void TprepareGameDlg::ShowCoachHistory() {
    if (club_.coach != nullptr) ::ShowCoachHistory(world_, *club_.coach, this);
}

void TprepareGameDlg::ShowClubHistory() {
    std::vector<TKolObject*> events;
    for (TTeamEvent* event : club_.events)
        if (event != nullptr) events.push_back(event);
    TPrintListDlg dlg(events, club_.Name(), 0, TPrintListDlg::kScrollToLast, 0, this);
    dlg.Execute();
}

void TprepareGameDlg::ShowAcquisitions() {
    // This season's purchases of the club among the last transfers.
    std::vector<TKolObject*> bought;
    for (TLastTransfer* transfer : world_.LastTransfersList)
        if (transfer != nullptr && transfer->buyerId == club_.id) bought.push_back(transfer);
    TPrintListDlg dlg(bought, GetText(kAcquisitionsCaptionText), 0, 0, 0, this);
    dlg.Execute();
}

void TprepareGameDlg::ShowTopScorers(bool allTime) {
    std::vector<TPlayer*> scorers;
    for (TPlayer* player : world_.AllPlayers)
        if (player != nullptr && (allTime ? player->career.goals : player->season.runningGoals) > 0)
            scorers.push_back(player);
    std::stable_sort(scorers.begin(), scorers.end(), [allTime](const TPlayer* a, const TPlayer* b) {
        return allTime ? a->career.goals > b->career.goals : a->season.runningGoals > b->season.runningGoals;
    });
    if (scorers.size() > 50) scorers.resize(50);
    const std::vector<TKolObject*> rows(scorers.begin(), scorers.end());
    TPrintListDlg dlg(
        rows, GetText(allTime ? kAllTimeScorersText : kSeasonScorersText),
        static_cast<int>(pcPosition | pcName | pcClub | (allTime ? pcCareerGoals : pcSeasonGoals)),
        TPrintListDlg::kNumbered, 0, this);
    dlg.Execute();
}

void TprepareGameDlg::ShowOptions() {
    TQSettingsStore store;
    if (ShowOptionsDialog(store, this)) CopyCareerSettings(world_, GameSettings(), world_.CurrencyRecord);
}
