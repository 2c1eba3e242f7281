#include "ui/game/qt_user_port.h"

bool TQtUserPort::RunCupDraw(TCupDraw& draw) {
    return Autopilot().RunCupDraw(draw);
}
void TQtUserPort::ShowClassification(int round, bool autoClose) {
    Autopilot().ShowClassification(round, autoClose);
}
void TQtUserPort::ShowRoundNews(const std::vector<TKolObject*>& news, const std::string& title) {
    Autopilot().ShowRoundNews(news, title);
}
void TQtUserPort::ShowEndOfSeason(const TSeasonHonours& honours) {
    Autopilot().ShowEndOfSeason(honours);
}
