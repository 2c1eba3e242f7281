#include "club/auction.h"

#include "club/market.h"
#include "foundation/file_helpers.h"
#include "foundation/format_text.h"
#include "foundation/kol_list.h"
#include "foundation/money_format.h"
#include "foundation/texts.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/team.h"
#include "world/user_port.h"
#include "world/world.h"

#include <algorithm>

namespace {

constexpr int kNotSoldText = 231;
constexpr int kCashText = 232;
constexpr int kSoldToText = 233;

} // namespace

TAuction::TAuction(TTeam& seller, TPlayer& player, std::int32_t basePrice)
    : world_(seller.World()), seller_(seller), player_(player),
      basePrice_(std::max<std::int32_t>(basePrice, 0) / 1000 * 1000),
      askedSalary_(player.MarketValue(seller.priceFactor)) {
    // The clubs of human coaches go behind all computer clubs. The exchange sort with this predicate also
    // reorders clubs of the same kind, and the new order of the clubs list stays: later rules that walk the
    // list depend on it.
    world_.AllTeams.Pack();
    SortList(world_.AllTeams, [](const TTeam* earlier, const TTeam* later) {
        return !earlier->IsHumanRun() && later->IsHumanRun();
    });
    clubs_.assign(world_.AllTeams.begin(), world_.AllTeams.end());

    while (next_ < clubs_.size() && !clubs_[next_]->IsHumanRun()) TakeBid(*clubs_[next_++]);

    shown_ = world_.Options.viewAuction || seller_.IsHumanRun();
    for (std::size_t i = next_; i < clubs_.size() && !shown_; ++i) shown_ = HumanWillBid(*clubs_[i]);
    if (!shown_) Close();
}

bool TAuction::HumanWillBid(const TTeam& club) const {
    if (!club.IsHumanRun() || !CanBuy(club, player_, seller_)) return false;
    const int mode = club.coach->buyInAuction;
    if (mode != 0 && !(mode == 1 && club.NeedValue(player_) > 1)) return false;
    return club.balance() >= basePrice_;
}

TAuction::TState TAuction::NextBidder() {
    if (state_ != TState::Bidding) return state_;
    if (next_ >= clubs_.size()) {
        Close();
        return state_;
    }
    TTeam& club = *clubs_[next_++];
    if (HumanWillBid(club)) TakeBid(club);
    return state_;
}

void TAuction::TakeBid(TTeam& club) {
    if (&club == &seller_) return;
    if (!CanBuy(club, player_, seller_) || club.balance() < basePrice_) return;
    if (club.IsHumanRun()) {
        awaiting_ = &club;
        state_ = TState::AwaitingHuman;
        return;
    }
    RegisterOffer(club, MaxBid(club, player_, askedSalary_, false));
}

void TAuction::RunToClose(const std::function<std::int32_t(TTeam& bidder)>& humanOffer) {
    while (state_ != TState::Closed)
        if (NextBidder() == TState::AwaitingHuman) HumanOffer(humanOffer(*awaiting_));
}

void TAuction::HumanOffer(std::int32_t thousands) {
    if (state_ != TState::AwaitingHuman || !awaiting_) return;
    TTeam& club = *awaiting_;
    awaiting_ = nullptr;
    state_ = TState::Bidding;
    const std::int64_t offer = static_cast<std::int64_t>(std::max<std::int32_t>(thousands, 0)) * 1000;
    if (club.balance() >= offer) RegisterOffer(club, offer);
}

void TAuction::RegisterOffer(TTeam& club, std::int64_t offer) {
    if (offer < 0) return;
    offer = offer / 1000 * 1000;
    if (offer < basePrice_ || offer <= bestOffer_) return;
    bestOffer_ = offer;
    winner_ = &club;
}

void TAuction::Close() {
    state_ = TState::Closed;
    awaiting_ = nullptr;
    if (winner_) {
        if (winner_->IsHumanRun()) PlayBeep();
        CompleteSale();
    } else
        resultText_ = GetText(kNotSoldText);
}

void TAuction::CompleteSale() {
    TTeam& buyer = *winner_;
    const auto price = static_cast<std::int32_t>(std::min<std::int64_t>(bestOffer_, INT32_MAX));
    player_.SignContract(askedSalary_);
    seller_.RemovePlayer(player_);
    buyer.AddPlayerPriced(player_);
    seller_.BookMoney(fcSales, price);
    buyer.BookMoney(fcPurchases, -price);
    resultText_ =
        Format(GetText(kSoldToText), {buyer.ShortName(), FormatMoney(price, world_.CurrencyRecord.suffix)});
    seller_.RecordTransfer(0, player_, buyer, price);
}

std::string TAuction::CashText(const TTeam& club) const {
    return GetText(kCashText) + " " + FormatMoney(club.balance(), world_.CurrencyRecord.suffix);
}

void StepAuction(TUserPort& port, TAuction& auction) {
    TTeam& seller = auction.Seller();
    TPlayer& player = auction.Player();
    port.AuctionShown(seller, player, true);
    auction.RunToClose([&](TTeam& bidder) {
        const bool masked = bidder.coach != nullptr && bidder.coach->encryptOffers;
        return port.AuctionOffer(bidder, player, auction.BasePrice(), masked);
    });
    port.AuctionShown(seller, player, false);
}

bool Auction(TTeam& seller, TPlayer& player, std::int32_t basePrice) {
    TAuction auction(seller, player, basePrice);
    if (auction.Shown()) {
        TUserPort& port = seller.World().Port();
        if (!port.RunAuction(auction)) StepAuction(port, auction);
        // A port that returned before the close leaves nothing half done: the remaining clubs are asked
        // without pause and an awaited offer counts as withdrawn.
        auction.RunToClose([](TTeam&) { return -1; });
    }
    return auction.Sold();
}
