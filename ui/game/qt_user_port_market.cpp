#include "ui/game/qt_user_port.h"

bool TQtUserPort::AskSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode) {
    return Autopilot().AskSalary(club, player, amount, mode);
}
TPlayer* TQtUserPort::ObservedPlayerDrop(TCoach& coach) {
    return Autopilot().ObservedPlayerDrop(coach);
}
bool TQtUserPort::RunAuction(TAuction& auction) {
    return Autopilot().RunAuction(auction);
}
std::int32_t TQtUserPort::AuctionOffer(TTeam& bidder, TPlayer& player, std::int32_t basePrice, bool masked) {
    return Autopilot().AuctionOffer(bidder, player, basePrice, masked);
}
void TQtUserPort::AuctionShown(TTeam& seller, TPlayer& player, bool open) {
    Autopilot().AuctionShown(seller, player, open);
}
