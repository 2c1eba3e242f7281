#pragma once
// The transfer market's rules: who may buy, what a computer club will pay, the price of a listed player,
// the end-of-round move of players sold at a listed price, and the salary questions (the wage review of a
// club's round and a human coach's contract renewal). Auctions are in club/auction.h.
#include <cstdint>
#include <string>

class TTeam;
class TPlayer;
class TWorld;

// Squad and foreign-player limits of a buyer.
constexpr int kMaxSquadBeforePurchase = 27;
constexpr int kMaxForeignBeforePurchase = 5;

// The buyer's room test: squad and foreign limits (pending purchases counted), human coaches never trade
// with each other, and nobody buys from himself.
bool CanBuy(const TTeam& buyer, const TPlayer& player, const TTeam& seller);

// The inputs of a computer club's bid limit, in money and counts.
struct TBidInputs {
    int positionCount = 0; // the club's players in the player's position
    int plannedCount = 0;  // how many it wants there for its level band
    long double needValue = 0;
    std::int32_t basePrice = 0;
    std::int32_t balance = 0;
    std::int32_t wageBill = 0;
    std::int32_t salary = 0; // the salary the player asks; 0 when buying at a listed price
    bool eager = false;      // buying at a listed price (on) rather than bidding in an auction (off)
};
// The most a club offers; 0 when it already has exactly the planned number of players in the position.
// Every intermediate amount is held as a 6-byte real.
std::int32_t MaxBidAmount(const TBidInputs& in);
// The same for `club` and `player`; the band is the club's stored averageLevel div 20 (which lags its squad
// until the club's next pricing or management step).
std::int32_t MaxBid(const TTeam& club, const TPlayer& player, std::int32_t salary, bool eager);

// The price at which the player may be bought now: his asking price when his club may sell him and has
// listed him, else 0.
std::int32_t ListedPrice(const TPlayer& player);
// The same for a player of `seller`'s squad, without looking for his club among all clubs.
std::int32_t ListedPrice(const TPlayer& player, const TTeam& seller);

// Why a human coach may not buy the player at his listed price now; kMayBuy when he may. The first reason
// that holds is given, in this order.
enum : int {
    kMayBuy = 0,
    kBuyOwnPlayer = 1,   // the player is already the buyer's
    kBuyNotListed = 2,   // no listed price (not for sale, sold, or his club may not sell him)
    kBuyHumanSeller = 3, // human coaches never trade with each other
    kBuySquadFull = 4,   // the squad with the pending purchases is at the limit
    kBuyForeignFull = 5, // he would be one foreign player too many
    kBuyTooDear = 6,     // the price is not below the buyer's balance
};
int PurchaseRefusal(const TTeam& buyer, const TPlayer& player);
// A human coach may buy the player at his listed price: there is one, it is below the club's balance, and
// the club has room.
bool HumanMayBuy(const TTeam& buyer, const TPlayer& player);
// The human buys at the listed price (the fixed-price sale of the seller). False when not allowed.
bool HumanBuy(TTeam& buyer, TPlayer& player);

// After every matchday: every player sold at a listed price leaves his old club for the buyer, signing
// for the salary his value gives at the buyer. Players are moved in the order of the world's players list.
void ExecutePendingTransfers(TWorld& world);

// Asks the club's coach (through the world's user port) to accept `amount` as the player's salary.
// Modes 0 and 1 come from the wage review, 2 and 3 from a renewal; when the club may not sell the player
// the mode goes up by one and the club cannot refuse. On acceptance the salary is set and the contract
// counts as renewed. True when accepted.
bool AskSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode);

// The wage review of a club's round (from matchday 2): computer-managed wages follow the players' market
// values, a human coach is asked about the best-placed raise, a refused raise and a club in debt put a
// player to auction at base price 0. The caller zeroes the players' match state first. True when a player
// was offered for sale.
bool ReviewWages(TTeam& club);

// A human coach proposes `offer` to renew a player's contract.
enum class TRenewal {
    Accepted,         // the offer was enough
    AcceptedRaised,   // the coach accepted the player's higher demand
    RefusedAuctioned, // the coach refused it: the player went to auction at base price 0
};
TRenewal RenewContract(TTeam& club, TPlayer& player, std::int32_t offer);
// What the player asks when an offer is not enough: 1.25 times his value, in whole steps of 50 M.
std::int32_t RenewalDemand(const TTeam& club, const TPlayer& player);

// A human coach sells: the asking price is stored (in thousands typed), then the player is auctioned at
// once (sale mode 1) or left listed (2) or unlisted (0). Returns the CanSell reason, 0 when the order was
// accepted; a refused order still stores the price.
int HumanSell(TTeam& club, TPlayer& player, std::int32_t priceThousands, int saleMode);

// ---- Texts of the market's questions and answers ----

// The question of the salary dialog for `mode` (0..3, after the raise of AskSalary).
std::string SalaryQuestionText(const TPlayer& player, std::int32_t amount, int mode,
                               const std::string& suffix);
// Why a sale order was refused (reasons 1..7), or that the player may be sold (0).
std::string SaleRefusalText(int reason);
// Why a purchase is refused (reasons 1..6 of PurchaseRefusal); empty for kMayBuy.
std::string PurchaseRefusalText(int reason);
// The line beside the buy button of another club's squad: the salary the player would ask at `buyer`.
std::string BuyerSalaryText(const TTeam& buyer, const TPlayer& player);
