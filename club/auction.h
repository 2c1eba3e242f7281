#pragma once
// An auction of one player, as a state machine that a front end paces. Every club may bid once, in the
// order of the world's clubs list: first all computer clubs (their bids are taken at once, before anything
// is shown), then the clubs of human coaches, one per step, whose offers are typed in thousands. The best
// offer wins, an equal later offer never takes the lead, and the player moves at once.
//
// Auction() below opens one and, when it is to be shown, hands it to the user port's RunAuction, or steps
// it itself through the port's AuctionShown and AuctionOffer (StepAuction). A dialog
// calls NextBidder() from its timer; while the state is AwaitingHuman it shows the offer panel of
// AwaitingClub() and hands the typed number to HumanOffer().
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TTeam;
class TPlayer;
class TUserPort;
class TWorld;

class TAuction {
public:
    enum class TState {
        Bidding,       // more clubs to ask
        AwaitingHuman, // a human club's offer is awaited
        Closed,        // the auction is over (sold or not)
    };

    // Opens the auction: the base price is cut down to whole thousands, the clubs list is reordered so
    // that the human-run clubs stand last (the new order stays), and every computer club bids. When nobody
    // needs to see it (no auction display, no human seller, no human who will bid) it closes at once.
    TAuction(TTeam& seller, TPlayer& player, std::int32_t basePrice);

    // Asks the next club. A human club that will bid puts the auction into AwaitingHuman; after the last
    // club the auction closes. Does nothing while an offer is awaited or after the close.
    TState NextBidder();
    // The awaited human club's typed offer in thousands; a negative number (or a non-number, given as 0)
    // withdraws. An offer above the club's balance is ignored. Bidding goes on either way.
    void HumanOffer(std::int32_t thousands);
    // Registers an offer of `club`: cut down to whole thousands; kept only when at least the base price
    // and above the best offer so far.
    void RegisterOffer(TTeam& club, std::int64_t offer);
    // Steps to the close without pause; each awaited human offer is asked from `humanOffer` (thousands, as
    // for HumanOffer). Does nothing once closed.
    void RunToClose(const std::function<std::int32_t(TTeam& bidder)>& humanOffer);

    TState State() const { return state_; }
    bool Shown() const { return shown_; }
    bool Sold() const { return state_ == TState::Closed && winner_ != nullptr; }
    TTeam* Winner() const { return winner_; }
    TTeam* AwaitingClub() const { return awaiting_; }
    std::int64_t BestOffer() const { return bestOffer_; }
    std::int32_t BasePrice() const { return basePrice_; }
    // The salary the player asks (his value for the seller's price factor); he signs for it.
    std::int32_t AskedSalary() const { return askedSalary_; }
    TTeam& Seller() const { return seller_; }
    TPlayer& Player() const { return player_; }
    // The closing line: who bought him for how much, or that nobody did.
    const std::string& ResultText() const { return resultText_; }
    // The line of money a human bidder has ("text 232" and the balance).
    std::string CashText(const TTeam& club) const;
    // Whether a human club will bid: its coach is run by a person, it has room, it takes part in this
    // kind of auction, and it can pay the base price.
    bool HumanWillBid(const TTeam& club) const;

private:
    // One club's turn: computer clubs bid their limit, human clubs are awaited.
    void TakeBid(TTeam& club);
    void Close();
    void CompleteSale();

    TWorld& world_;
    TTeam& seller_;
    TPlayer& player_;
    std::int32_t basePrice_;
    std::int32_t askedSalary_;
    std::vector<TTeam*> clubs_; // the clubs list after the reorder
    std::size_t next_ = 0;
    TState state_ = TState::Bidding;
    bool shown_ = false;
    TTeam* awaiting_ = nullptr;
    TTeam* winner_ = nullptr;
    std::int64_t bestOffer_ = 0;
    std::string resultText_;
};

// The default stepping of a shown auction through a port without its own auction display: AuctionShown
// when it opens, the remaining clubs asked without pause, AuctionOffer for each human offer (in thousands;
// -1 withdraws; masked when the bidder's coach hides his offers), AuctionShown again when it ends.
void StepAuction(TUserPort& port, TAuction& auction);

// Runs an auction of `player` by `seller` to its end: the computer clubs bid at once, and when the auction
// is to be shown the world's user port runs the rest (TUserPort::RunAuction, or StepAuction when the port
// has no display of its own). True when the player was sold.
bool Auction(TTeam& seller, TPlayer& player, std::int32_t basePrice);
