#include "ui/game/qt_user_port.h"

#include "ui/common/qt_text.h"
#include "ui/game/market/ask_more_salary_dlg.h"
#include "ui/game/market/auction_dlg.h"
#include "ui/game/market/observed_players_dlg.h"

#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "world/coach.h"
#include "world/world.h"

#include <QInputDialog>
#include <QLineEdit>

bool TQtUserPort::AskSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode) {
    return AskMoreSalary(club, player, amount, mode, Parent());
}

TPlayer* TQtUserPort::ObservedPlayerDrop(TCoach& coach) {
    // The observed list opens at its 16th player and closes only when the coach has removed some; the
    // player picked there (to see his club) is the answer.
    return PickObservedPlayer(coach, Parent());
}

bool TQtUserPort::RunAuction(TAuction& auction) {
    RunAuctionWindow(auction, Parent());
    return true;
}

// The auction window paces every shown auction (RunAuction); these two answer only a caller that steps an
// auction itself through the port.
std::int32_t TQtUserPort::AuctionOffer(TTeam& /*bidder*/, TPlayer& /*player*/, std::int32_t /*basePrice*/,
                                       bool masked) {
    bool ok = false;
    const QString text = QInputDialog::getText(
        Parent(), ToQString(GetCaptionText(237)),
        ToQString(Format(GetText(238), {World() ? World()->CurrencyRecord.suffix : std::string()})),
        masked ? QLineEdit::Password : QLineEdit::Normal, QString(), &ok);
    if (!ok) return -1;
    bool number = false;
    const int thousands = text.trimmed().toInt(&number);
    return number ? thousands : 0;
}

void TQtUserPort::AuctionShown(TTeam& /*seller*/, TPlayer& /*player*/, bool /*open*/) {}
