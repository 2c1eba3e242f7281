#include "ui/game/qt_user_port.h"

#include "ui/game/season/classification_dlg.h"
#include "ui/game/season/end_of_season_dlg.h"
#include "ui/game/season/round_news.h"
#include "ui/game/season/sorteio_dlg.h"

bool TQtUserPort::RunCupDraw(TCupDraw& draw) {
    RunCupDrawDialog(draw, Parent());
    return true;
}
void TQtUserPort::ShowClassification(int round, bool autoClose) {
    if (World() == nullptr) return;
    ShowClassificationDialog(*World(), round, autoClose, Parent());
}
void TQtUserPort::ShowRoundNews(const std::vector<TKolObject*>& news, const std::string& title) {
    ShowRoundNewsDialog(news, title, Parent());
}
void TQtUserPort::ShowEndOfSeason(const TSeasonHonours& honours) {
    ShowEndOfSeasonDialog(honours, Parent());
}
