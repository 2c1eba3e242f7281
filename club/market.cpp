#include "club/market.h"

#include "club/auction.h"
#include "foundation/format_text.h"
#include "foundation/numeric.h"
#include "foundation/reals.h"
#include "foundation/texts.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/team.h"
#include "world/world.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Amounts of the bid limit are held as 6-byte reals, as the club's accounts kept them.
long double R48(long double v) {
    return RoundToReal48(v);
}

std::int32_t Multiplier(const TWorld& world) {
    return std::max<std::int32_t>(world.MoneyMultiplier(), 1);
}

} // namespace

bool CanBuy(const TTeam& buyer, const TPlayer& player, const TTeam& seller) {
    if (&buyer == &seller) return false;
    if (buyer.squadSize + buyer.purchasesThisSeason > kMaxSquadBeforePurchase) return false;
    if (buyer.foreignCount + buyer.foreignPurchases > kMaxForeignBeforePurchase &&
        buyer.RelationOf(player.nationality()) == 2)
        return false;
    if (buyer.HasHumanCoach() && seller.HasHumanCoach()) return false;
    return true;
}

std::int32_t MaxBidAmount(const TBidInputs& in) {
    if (in.positionCount == in.plannedCount) return 0;
    const long double balance = in.balance;
    const long double w = in.wageBill;
    long double x = R48(in.needValue * in.basePrice * 1.3L);
    const long double y = R48((balance - x) / (w + 1 + in.salary));
    if (in.eager) {
        if (y < 3) x = R48(balance - (w + in.salary) * 3);
        if (y > 5) x = R48(x * std::log(y) * 0.625L);
        if (w > 100 && balance - x > 10 * w && balance - x > 1)
            x = R48(x * (1 + 0.1L * std::log((balance - x) / w - 9)));
        else
            x = R48(1.4L * x);
    }
    const std::int64_t bid = std::max<std::int64_t>(0, std::min(nearest(balance - x - 5 * w), nearest(x)));
    return static_cast<std::int32_t>(std::min<std::int64_t>(bid, INT32_MAX));
}

std::int32_t MaxBid(const TTeam& club, const TPlayer& player, std::int32_t salary, bool eager) {
    const int pos = player.position();
    if (pos < 0 || pos > 3) return 0;
    // An unavailable player is bid for like any other: injuries and suspensions do not lower the limit.
    TBidInputs in;
    in.positionCount = club.positionCounts[static_cast<std::size_t>(pos)];
    // The band comes from the stored averageLevel as the club's own pricing or management last set it,
    // even when the squad has changed since (a bidder whose round has not run yet, a seller just after a
    // sale): bidding on the squad as it is now would change which clubs bid in every auction.
    in.plannedCount = SquadTargetFor(club.averageLevel).byPosition[static_cast<std::size_t>(pos)];
    in.needValue = club.NeedValue(player);
    in.basePrice = player.BasePrice();
    in.balance = club.balance();
    in.wageBill = club.WageBill();
    in.salary = salary;
    in.eager = eager;
    return MaxBidAmount(in);
}

std::int32_t ListedPrice(const TPlayer& player) {
    const TTeam* seller = player.Club();
    return seller != nullptr ? ListedPrice(player, *seller) : 0;
}

std::int32_t ListedPrice(const TPlayer& player, const TTeam& seller) {
    return seller.CanSell(player) == csMaySell && player.saleMode == 2 ? player.askingPrice : 0;
}

int PurchaseRefusal(const TTeam& buyer, const TPlayer& player) {
    const TTeam* seller = player.Club();
    if (seller == &buyer) return kBuyOwnPlayer;
    const std::int32_t price = ListedPrice(player);
    if (price <= 0 || seller == nullptr) return kBuyNotListed;
    if (buyer.HasHumanCoach() && seller->HasHumanCoach()) return kBuyHumanSeller;
    if (CanBuy(buyer, player, *seller)) return price < buyer.balance() ? kMayBuy : kBuyTooDear;
    // CanBuy refused for room: the squad limit is tested before the foreign one.
    if (buyer.squadSize + buyer.purchasesThisSeason > kMaxSquadBeforePurchase) return kBuySquadFull;
    return kBuyForeignFull;
}

bool HumanMayBuy(const TTeam& buyer, const TPlayer& player) {
    return PurchaseRefusal(buyer, player) == kMayBuy;
}

bool HumanBuy(TTeam& buyer, TPlayer& player) {
    if (!HumanMayBuy(buyer, player)) return false;
    player.Club()->CompleteTransfer(player, buyer, ListedPrice(player));
    return true;
}

void ExecutePendingTransfers(TWorld& world) {
    world.AllPlayers.Pack();
    const std::vector<TPlayer*> players(world.AllPlayers.begin(), world.AllPlayers.end());
    for (TPlayer* player : players) {
        if (player->soldToTeamId <= 0) continue;
        TTeam* seller = player->Club();
        TTeam* buyer = world.TeamById(player->soldToTeamId);
        if (seller) seller->players.Remove(player);
        player->soldToTeamId = 0;
        if (!buyer) {
            // The buyer no longer exists: the player stays where he was and counts there again.
            if (seller) seller->AddPlayer(*player);
            continue;
        }
        player->SignContract(player->MarketValue(buyer->priceFactor));
        buyer->AddPlayerPriced(*player);
        buyer->purchasesThisSeason = static_cast<std::int16_t>(buyer->purchasesThisSeason - 1);
        if (player->foreignStatus == 2)
            buyer->foreignPurchases = static_cast<std::int16_t>(buyer->foreignPurchases - 1);
    }
}

bool AskSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode) {
    if (club.CanSell(player) != csMaySell) ++mode;
    bool accepted = club.World().Port().AskSalary(club, player, amount, mode);
    // Modes 1 and 3 offer only an OK button: the club cannot refuse, however the question is closed.
    if (mode == 1 || mode == 3) accepted = true;
    if (accepted) {
        player.SetSalary(amount);
        player.season.contractRenewed = 1;
    }
    return accepted;
}

bool ReviewWages(TTeam& club) {
    TWorld& world = club.World();
    if (world.CurrentRound < 2) return false;
    const bool humanCoach = club.HasHumanCoach();

    TPlayer* raise = nullptr;
    long double raiseRatio = 0;
    std::int32_t raiseValue = 0;
    TPlayer* underpaid = nullptr;
    long double underpaidRatio = 1.2L;
    std::int32_t underpaidValue = 0;
    TPlayer* overpaid = nullptr;
    long double overpaidRatio = 0.8L;
    std::int32_t overpaidValue = 0;

    for (TPlayer* player : club.players) {
        if (!player || player->season.contractRenewed) continue;
        const std::int32_t v = player->MarketValue(club.priceFactor);
        const std::int32_t salary = player->salary();
        const long double ratio = static_cast<long double>(v) / (static_cast<long double>(salary) + 1);
        if (humanCoach && !club.coach->AutoSalaryFor(player->foreignStatus)) {
            if (ratio > 1.3L && static_cast<std::int64_t>(v) - salary >= 301 &&
                (!raise || ratio > raiseRatio)) {
                raise = player;
                raiseRatio = ratio;
                raiseValue = v;
            }
        } else {
            if (ratio > underpaidRatio) {
                underpaid = player;
                underpaidRatio = ratio;
                underpaidValue = v;
            }
            if (ratio < overpaidRatio) {
                overpaid = player;
                overpaidRatio = ratio;
                overpaidValue = v;
            }
        }
    }
    for (auto [player, value] : {std::pair{underpaid, underpaidValue}, std::pair{overpaid, overpaidValue}}) {
        if (!player) continue;
        player->SetSalary(value);
        player->season.contractRenewed = 1;
        player->saleMode = 0;
    }

    bool offered = false;
    if (raise && club.coach->weeksInJob > 1) {
        const std::int32_t m = Multiplier(world);
        const long double factor = world.CurrentRound * 0.2L / 18 + 1;
        const std::int64_t steps = nearest(raiseValue * factor * 1.1L * 0.02L / m);
        const auto amount = static_cast<std::int32_t>(std::clamp<std::int64_t>(steps * 50 * m, 0, INT32_MAX));
        if (!AskSalary(club, *raise, amount, 0)) {
            Auction(club, *raise, 0);
            offered = true;
        }
    }
    if (club.balance() < 0) {
        for (TPlayer* player : club.players) {
            if (player && club.CanSell(*player) == csMaySell) {
                Auction(club, *player, 0);
                offered = true;
                break;
            }
        }
    }
    return offered;
}

std::int32_t RenewalDemand(const TTeam& club, const TPlayer& player) {
    const std::int64_t step = 50LL * Multiplier(club.World());
    const long double demand = player.MarketValue(club.priceFactor);
    const std::int64_t asked = nearest(demand * 1.25L / step) * step;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(asked, 0, INT32_MAX));
}

TRenewal RenewContract(TTeam& club, TPlayer& player, std::int32_t offer) {
    const std::int32_t demand = player.MarketValue(club.priceFactor);
    if (offer > 0.8L * demand) {
        player.season.contractRenewed = 1;
        player.SetSalary(offer);
        return TRenewal::Accepted;
    }
    if (AskSalary(club, player, RenewalDemand(club, player), 2)) return TRenewal::AcceptedRaised;
    Auction(club, player, 0);
    return TRenewal::RefusedAuctioned;
}

int HumanSell(TTeam& club, TPlayer& player, std::int32_t priceThousands, int saleMode) {
    player.askingPrice = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(priceThousands) * 1000, 0, INT32_MAX));
    player.saleMode = static_cast<std::uint16_t>(saleMode);
    const int reason = club.CanSell(player);
    if (reason != csMaySell) return reason;
    if (saleMode == 1) {
        player.saleMode = 0;
        Auction(club, player, player.askingPrice);
        player.matchState.offeredThisMatchday = 1;
    }
    return csMaySell;
}

namespace {

constexpr int kSalaryAskText = 389;
constexpr int kSalaryMayRefuseText = 260;
constexpr int kSalaryMustAcceptText = 261;
constexpr int kRenewalMayRefuseText = 262;
constexpr int kRenewalMustAcceptText = 263;
constexpr int kMaySellText = 284;
constexpr int kBuyerSalaryText = 199;
constexpr int kPurchaseRefusalText = 700; // reasons 1..6: texts 700..705

} // namespace

std::string SalaryQuestionText(const TPlayer& player, std::int32_t amount, int mode,
                               const std::string& suffix) {
    // Grouped in thousands like every amount the game shows ("32 750 EUR").
    const std::string money = FormatThousands(amount, ' ') + suffix;
    if (mode >= 2)
        return Format(GetText(mode == 2 ? kRenewalMayRefuseText : kRenewalMustAcceptText), {money});
    return Format(GetText(kSalaryAskText), {player.PlainName(), TPlayer::PositionLongName(player.position()),
                                            player.level(), player.age(), money}) +
           " " + GetText(mode == 0 ? kSalaryMayRefuseText : kSalaryMustAcceptText);
}

std::string SaleRefusalText(int reason) {
    if (reason < 0 || reason > csTooFewOutfield) return std::string();
    return GetText(kMaySellText + reason);
}

std::string PurchaseRefusalText(int reason) {
    if (reason <= kMayBuy || reason > kBuyTooDear) return std::string();
    return GetText(kPurchaseRefusalText + reason - 1);
}

std::string BuyerSalaryText(const TTeam& buyer, const TPlayer& player) {
    return GetText(kBuyerSalaryText) + " " + FormatThousands(player.MarketValue(buyer.priceFactor), ' ') +
           buyer.World().CurrencyRecord.suffix;
}
