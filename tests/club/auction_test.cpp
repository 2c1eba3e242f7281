#include "club/auction.h"
#include "club/market.h"
#include "club_fixture.h"
#include "world/records.h"

#include <gtest/gtest.h>

TEST(Auction, ThousandsCutAndTiesKeepTheEarlierBidder) {
    ClubWorld w;
    w.world.Options.viewAuction = true;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TTeam& b = w.AddClub("B", 2, 6, 6, 4, 5000000, true);
    TTeam& c = w.AddClub("C", 2, 6, 6, 4, 5000000, true);
    TAuction auction(seller, ClubWorld::FirstAt(seller, 2), 1234567);
    EXPECT_EQ(auction.BasePrice(), 1234000);
    ASSERT_TRUE(auction.Shown());
    ASSERT_EQ(auction.State(), TAuction::TState::Bidding);

    auction.RegisterOffer(c, 1233999); // below the base once cut
    EXPECT_EQ(auction.Winner(), nullptr);
    auction.RegisterOffer(b, 1234999); // cut to 1 234 000: exactly the base, accepted
    EXPECT_EQ(auction.Winner(), &b);
    EXPECT_EQ(auction.BestOffer(), 1234000);
    auction.RegisterOffer(c, 1234000); // equal: the earlier bidder keeps the lead
    EXPECT_EQ(auction.Winner(), &b);
    auction.RegisterOffer(c, 1235000);
    EXPECT_EQ(auction.Winner(), &c);
    EXPECT_EQ(auction.BestOffer(), 1235000);
}

TEST(Auction, HumanOffersInThousandsThroughThePort) {
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4, 100);
    TTeam& b = w.AddClub("B", 2, 6, 6, 4, 2000000, true);
    TTeam& c = w.AddClub("C", 2, 6, 6, 4, 2000000, true);
    TPlayer& p = ClubWorld::FirstAt(seller, 2);
    const std::int32_t asked = p.MarketValue(seller.priceFactor);
    // B offers 1 500 thousand; C offers the same, which does not take the lead.
    w.port.AuctionOffers = {1500, 1500};
    EXPECT_TRUE(Auction(seller, p, 1000000));
    ASSERT_EQ(w.port.Calls.size(), 4u);
    EXPECT_EQ(w.port.Calls[0], "AuctionOpen " + std::to_string(seller.id) + " " + std::to_string(p.id));
    EXPECT_EQ(w.port.Calls[1],
              "AuctionOffer " + std::to_string(b.id) + " " + std::to_string(p.id) + " 1000000");
    EXPECT_EQ(w.port.Calls[2],
              "AuctionOffer " + std::to_string(c.id) + " " + std::to_string(p.id) + " 1000000");
    EXPECT_EQ(w.port.Calls[3], "AuctionClose " + std::to_string(seller.id) + " " + std::to_string(p.id));

    // The player moved at once, at the salary he asked from the seller; the money moved with him.
    EXPECT_EQ(p.Club(), &b);
    EXPECT_EQ(p.salary(), asked);
    EXPECT_EQ(seller.players.Count(), 17);
    EXPECT_EQ(b.players.Count(), 19);
    EXPECT_EQ(seller.balance(), 1500100);
    EXPECT_EQ(b.balance(), 500000);
    EXPECT_EQ(c.balance(), 2000000);
    EXPECT_EQ(seller.season.financeTotals[1], 1500000);
    EXPECT_EQ(b.season.financeTotals[3], -1500000);
    ASSERT_EQ(w.world.LastTransfersList.Count(), 1);
    const TLastTransfer* record = w.world.LastTransfersList[0];
    EXPECT_EQ(record->kind, 0);
    EXPECT_EQ(record->buyerHuman, 1);
    EXPECT_EQ(record->price, 1500000);
    EXPECT_EQ(record->sellerId, seller.id);
    EXPECT_EQ(record->buyerId, b.id);
    EXPECT_EQ(record->player, &p);
    EXPECT_EQ(record->level, 49);
    EXPECT_EQ(record->age, 25);
}

TEST(Auction, OffersBeyondTheBalanceOrWithdrawnAreIgnored) {
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TTeam& b = w.AddClub("B", 2, 6, 6, 4, 2000000, true);
    TTeam& c = w.AddClub("C", 2, 6, 6, 4, 2000000, true);
    TPlayer& p = ClubWorld::FirstAt(seller, 3);
    // B offers more than it has; C withdraws.
    w.port.AuctionOffers = {2001, -1};
    EXPECT_FALSE(Auction(seller, p, 0));
    EXPECT_EQ(p.Club(), &seller);
    EXPECT_EQ(b.balance(), 2000000);
    EXPECT_EQ(c.balance(), 2000000);
    EXPECT_EQ(w.world.LastTransfersList.Count(), 0);
    // Exactly the balance is allowed.
    w.port.AuctionOffers = {2000, -1};
    EXPECT_TRUE(Auction(seller, p, 0));
    EXPECT_EQ(p.Club(), &b);
    EXPECT_EQ(b.balance(), 0);
}

TEST(Auction, ComputerClubsBidFirstAndHumanClubsGoLast) {
    ClubWorld w;
    TTeam& hb = w.AddClub("HB", 2, 6, 6, 4, 0, true);
    hb.coach->buyInAuction = 2;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    // A computer club that already has its planned five midfielders (band 0) bids nothing.
    TTeam& full = w.AddClub("Full", 2, 6, 5, 3, 50000000);
    for (TPlayer* p : full.players) p->SetLevel(10);
    TAuction auction(seller, ClubWorld::FirstAt(seller, 2), 0);
    // Nobody to show it to and no bid: closed at once, unsold.
    EXPECT_FALSE(auction.Shown());
    EXPECT_EQ(auction.State(), TAuction::TState::Closed);
    EXPECT_FALSE(auction.Sold());
    // The exchange sort with "computer before human" as its order: [HB, Seller, Full] becomes
    // [Full, Seller, HB], and the clubs list keeps that order.
    ASSERT_EQ(w.world.AllTeams.Count(), 3);
    EXPECT_EQ(w.world.AllTeams[0], &full);
    EXPECT_EQ(w.world.AllTeams[1], &seller);
    EXPECT_EQ(w.world.AllTeams[2], &hb);
}

TEST(Auction, SteppedByAFrontEnd) {
    ClubWorld w;
    w.world.Options.viewAuction = true;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TTeam& poor = w.AddClub("Poor", 2, 6, 6, 4, 1000, true);
    TTeam& never = w.AddClub("Never", 2, 6, 6, 4, 9000000, true);
    never.coach->buyInAuction = 2;
    TTeam& human = w.AddClub("Human", 2, 6, 6, 4, 9000000, true);
    human.coach->encryptOffers = 1;
    TPlayer& p = ClubWorld::FirstAt(seller, 1);
    TAuction auction(seller, p, 5000);
    ASSERT_TRUE(auction.Shown());
    // The poor club cannot pay the base price and the other never takes part: each costs one step.
    EXPECT_FALSE(auction.HumanWillBid(poor));
    EXPECT_FALSE(auction.HumanWillBid(never));
    EXPECT_TRUE(auction.HumanWillBid(human));
    EXPECT_FALSE(auction.HumanWillBid(seller));
    int steps = 0;
    while (auction.NextBidder() == TAuction::TState::Bidding) ++steps;
    ASSERT_EQ(auction.State(), TAuction::TState::AwaitingHuman);
    EXPECT_EQ(auction.AwaitingClub(), &human);
    // Further steps wait for the offer.
    EXPECT_EQ(auction.NextBidder(), TAuction::TState::AwaitingHuman);
    auction.HumanOffer(6);
    EXPECT_EQ(auction.State(), TAuction::TState::Bidding);
    EXPECT_EQ(auction.NextBidder(), TAuction::TState::Closed);
    EXPECT_TRUE(auction.Sold());
    EXPECT_EQ(auction.Winner(), &human);
    EXPECT_EQ(auction.BestOffer(), 6000);
    EXPECT_EQ(p.Club(), &human);
    EXPECT_GE(steps, 2);
    // Once closed, more steps change nothing.
    EXPECT_EQ(auction.NextBidder(), TAuction::TState::Closed);
}

namespace {

// A front end that paces the auction itself: it counts its steps and types one offer.
class PacingPort : public TScriptedUserPort {
public:
    int steps = 0;
    bool giveUpAtOnce = false;
    bool RunAuction(TAuction& auction) override {
        if (giveUpAtOnce) return true;
        while (auction.State() != TAuction::TState::Closed) {
            ++steps;
            if (auction.NextBidder() == TAuction::TState::AwaitingHuman) auction.HumanOffer(250);
        }
        return true;
    }
};

} // namespace

TEST(Auction, APacingFrontEndDrivesTheSteps) {
    ClubWorld w;
    PacingPort pacer;
    w.world.SetPort(pacer);
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TTeam& human = w.AddClub("Human", 2, 6, 6, 4, 1000000, true);
    TPlayer& p = ClubWorld::FirstAt(seller, 3);
    EXPECT_TRUE(Auction(seller, p, 0));
    EXPECT_EQ(p.Club(), &human);
    EXPECT_EQ(human.balance(), 750000);
    // Asking the human club, then closing: two steps; the port's own questions were not used.
    EXPECT_EQ(pacer.steps, 2);
    EXPECT_TRUE(pacer.Calls.empty());

    // A pacer that returns early: the auction still ends, the awaited offer withdrawn.
    pacer.giveUpAtOnce = true;
    TPlayer& q = ClubWorld::FirstAt(seller, 2);
    EXPECT_FALSE(Auction(seller, q, 0));
    EXPECT_EQ(q.Club(), &seller);
}
