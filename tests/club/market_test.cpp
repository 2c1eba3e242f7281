#include "club/auction.h"
#include "club/market.h"
#include "club_fixture.h"

#include <gtest/gtest.h>

TEST(CanBuy, SquadForeignAndHumanLimits) {
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TTeam& buyer = w.AddClub("Buyer", 2, 6, 6, 4);
    TPlayer& home = ClubWorld::FirstAt(seller, 2);
    TPlayer& foreigner = w.AddPlayer(seller, 2, 40, "BRA");
    EXPECT_TRUE(CanBuy(buyer, home, seller));
    EXPECT_FALSE(CanBuy(seller, home, seller));

    // 18 players and 9 pending purchases make 27: still room; a tenth pending purchase fills it.
    buyer.purchasesThisSeason = 9;
    EXPECT_TRUE(CanBuy(buyer, home, seller));
    buyer.purchasesThisSeason = 10;
    EXPECT_FALSE(CanBuy(buyer, home, seller));
    buyer.purchasesThisSeason = 0;

    // Five foreigners and one pending: no sixth foreigner, but a home player is fine.
    buyer.foreignCount = 5;
    EXPECT_TRUE(CanBuy(buyer, foreigner, seller));
    buyer.foreignPurchases = 1;
    EXPECT_FALSE(CanBuy(buyer, foreigner, seller));
    EXPECT_TRUE(CanBuy(buyer, home, seller));
    buyer.foreignCount = 0;
    buyer.foreignPurchases = 0;

    // Human coaches never trade with each other; with a computer club either way is fine.
    buyer.coach->isHuman = 1;
    EXPECT_TRUE(CanBuy(buyer, home, seller));
    seller.coach->isHuman = 1;
    EXPECT_FALSE(CanBuy(buyer, home, seller));
    buyer.coach->isHuman = 0;
    EXPECT_TRUE(CanBuy(buyer, home, seller));
}

TEST(MaxBid, NothingAtExactlyThePlannedCount) {
    TBidInputs in;
    in.positionCount = 5;
    in.plannedCount = 5;
    in.needValue = 2.0L;
    in.basePrice = 1000000;
    in.balance = 100000000;
    in.wageBill = 10000;
    EXPECT_EQ(MaxBidAmount(in), 0);
    in.eager = true;
    EXPECT_EQ(MaxBidAmount(in), 0);
    // One more or one fewer than planned: the club bids.
    in.positionCount = 6;
    EXPECT_GT(MaxBidAmount(in), 0);
    in.positionCount = 4;
    EXPECT_GT(MaxBidAmount(in), 0);

    // The same through a club: a squad of level 10 plans 5 midfielders and 3 forwards (band 0).
    ClubWorld w;
    TTeam& rich = w.AddClub("Rich", 2, 6, 5, 4, 100000000);
    for (TPlayer* p : rich.players) p->SetLevel(10);
    TTeam& other = w.AddClub("Other", 2, 6, 6, 4);
    TPlayer& mid = ClubWorld::FirstAt(other, 2);
    EXPECT_EQ(MaxBid(rich, mid, 0, true), 0);
    EXPECT_EQ(MaxBid(rich, mid, 0, false), 0);
    EXPECT_GT(MaxBid(rich, ClubWorld::FirstAt(other, 3), 0, false), 0);
}

TEST(MaxBid, TheBandIsTheStoredLevelOfABidderWhoseRoundHasNotRun) {
    // Its pricing set 49 (band 2 plans 6 midfielders, as it holds); then the matchday dropped every player
    // to 10 (band 0 would plan 5). Until its own step runs it bids nothing for a midfielder.
    ClubWorld w;
    TTeam& bidder = w.AddClub("Bidder", 2, 6, 6, 4, 100000000);
    bidder.SetAskingPrices();
    for (TPlayer* p : bidder.players) p->SetLevel(10);
    TTeam& other = w.AddClub("Other", 2, 6, 6, 4);
    TPlayer& mid = ClubWorld::FirstAt(other, 2);
    EXPECT_EQ(MaxBid(bidder, mid, 0, false), 0);
    EXPECT_EQ(MaxBid(bidder, mid, 0, true), 0);
    bidder.SetAskingPrices();
    EXPECT_GT(MaxBid(bidder, mid, 0, false), 0);
}

TEST(MaxBid, ASellerJustAfterASaleBidsOnTheLevelSetWithoutThePlayerSold) {
    // 17 players of 39 and a defender of 57: 40 on average (band 2 plans 7 defenders). The defender sold
    // at a listed price stays in the list until the round ends; the level set when he left is 39 (band 1
    // plans 6 defenders, exactly the 6 left). So a defender auctioned meanwhile finds no bidder.
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 7, 5, 4, 100000000);
    for (TPlayer* p : seller.players) p->SetLevel(39);
    TPlayer& sold = ClubWorld::FirstAt(seller, 1);
    sold.SetLevel(57);
    TTeam& buyer = w.AddClub("Buyer", 2, 6, 6, 4, 1000000);
    seller.CompleteTransfer(sold, buyer, 1000000); // the buyer has nothing left to bid with
    ASSERT_EQ(seller.averageLevel, 39);
    ASSERT_EQ(seller.AverageLevel(), 40);
    TTeam& auctioneer = w.AddClub("Auctioneer", 2, 6, 6, 4);
    TPlayer& defender = ClubWorld::FirstAt(auctioneer, 1);
    EXPECT_FALSE(Auction(auctioneer, defender, 100000));
    EXPECT_EQ(defender.Club(), &auctioneer);
    // The seller's next pricing counts the whole list again (40): now it wants a seventh defender.
    seller.SetAskingPrices();
    EXPECT_TRUE(Auction(auctioneer, defender, 100000));
    EXPECT_EQ(defender.Club(), &seller);
}

TEST(MaxBid, AuctionBidIsTheValueUnlessTheMoneyRunsShort) {
    TBidInputs in;
    in.positionCount = 3;
    in.plannedCount = 5;
    in.needValue = 1.0L;
    in.basePrice = 1000000;
    in.balance = 10000000;
    in.wageBill = 100000;
    // X = 1.3 * 1 000 000; balance - X - 5 W = 8 200 000 is more: the bid is X.
    EXPECT_EQ(MaxBidAmount(in), 1300000);
    // With 1 000 000 the money left after X and five wage bills is negative: no bid.
    in.balance = 1000000;
    EXPECT_EQ(MaxBidAmount(in), 0);
}

TEST(MaxBid, EagerBuyerAdjustsToItsMeans) {
    TBidInputs in;
    in.positionCount = 3;
    in.plannedCount = 5;
    in.needValue = 1.0L;
    in.eager = true;
    // Short of money: X = 650 000, Y = 150 000 / 100 051 < 3, so X := 800 000 - 3 * 100 050 = 499 850;
    // the wage bill is below 100, so X := 1.4 X = 699 790; 800 000 - 699 790 - 250 = 99 960.
    in.basePrice = 500000;
    in.balance = 800000;
    in.wageBill = 50;
    in.salary = 100000;
    EXPECT_EQ(MaxBidAmount(in), 99960);
    // Rich: X = 1 300 000, Y = 48 700 000 / 200 001 = 243.499, X := X * ln(Y) * 0.625 = 4 464 778;
    // then X := X * (1 + 0.1 * ln(45 535 222 / 200 000 - 9)) = 6 870 219.
    in.basePrice = 1000000;
    in.balance = 50000000;
    in.wageBill = 200000;
    in.salary = 0;
    EXPECT_NEAR(MaxBidAmount(in), 6870219, 3);
}

TEST(ListedPrice, OnlyListedPlayersWhoMayBeSold) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4);
    TPlayer& p = ClubWorld::FirstAt(club, 1);
    p.askingPrice = 1500000;
    p.saleMode = 0;
    EXPECT_EQ(ListedPrice(p), 0);
    p.saleMode = 2;
    EXPECT_EQ(ListedPrice(p), 1500000);
    p.season.contractRenewed = 1;
    EXPECT_EQ(ListedPrice(p), 0);
    p.season.contractRenewed = 0;
    // A club of 14 may not sell at all.
    TTeam& small = w.AddClub("Small", 2, 5, 4, 3);
    TPlayer& q = ClubWorld::FirstAt(small, 3);
    q.askingPrice = 900000;
    q.saleMode = 2;
    EXPECT_EQ(ListedPrice(q), 0);
}

TEST(HumanBuy, ListedPriceBelowTheBalanceAndRoom) {
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TTeam& human = w.AddClub("Human", 2, 6, 6, 4, 1000000, true);
    TPlayer& p = ClubWorld::FirstAt(seller, 3);
    p.askingPrice = 1000000;
    p.saleMode = 2;
    // The price must be below the balance, not equal to it.
    EXPECT_FALSE(HumanMayBuy(human, p));
    human.SetBalance(1000001);
    EXPECT_TRUE(HumanMayBuy(human, p));
    seller.coach->isHuman = 1;
    EXPECT_FALSE(HumanBuy(human, p));
    seller.coach->isHuman = 0;
    EXPECT_TRUE(HumanBuy(human, p));
    EXPECT_EQ(p.soldToTeamId, human.id);
    EXPECT_EQ(human.balance(), 1);
    EXPECT_EQ(seller.balance(), 1000000);
}

// Each refusal at the edge where it starts, and the first that holds wins.
TEST(HumanBuy, PurchaseRefusalReasonsAtTheirLimits) {
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TTeam& human = w.AddClub("Human", 2, 6, 6, 4, 1000001, true);
    TPlayer& p = ClubWorld::FirstAt(seller, 3);
    TPlayer& foreigner = w.AddPlayer(seller, 3, 49, "BRA");
    for (TPlayer* q : {&p, &foreigner}) {
        q->askingPrice = 1000000;
        q->saleMode = 2;
    }
    EXPECT_EQ(PurchaseRefusal(human, ClubWorld::FirstAt(human, 1)), kBuyOwnPlayer);
    EXPECT_EQ(PurchaseRefusal(human, p), kMayBuy);
    human.SetBalance(1000000);
    EXPECT_EQ(PurchaseRefusal(human, p), kBuyTooDear);
    human.SetBalance(1000001);
    p.saleMode = 0;
    EXPECT_EQ(PurchaseRefusal(human, p), kBuyNotListed);
    p.saleMode = 2;
    seller.coach->isHuman = 1;
    EXPECT_EQ(PurchaseRefusal(human, p), kBuyHumanSeller);
    seller.coach->isHuman = 0;
    // 18 players: 9 pending purchases leave room (27), the 10th fills the squad (28).
    human.purchasesThisSeason = 9;
    EXPECT_EQ(PurchaseRefusal(human, p), kMayBuy);
    human.purchasesThisSeason = 10;
    human.SetBalance(5);
    EXPECT_EQ(PurchaseRefusal(human, p), kBuySquadFull);
    human.SetBalance(1000001);
    human.purchasesThisSeason = 0;
    // Five foreigners with those bought leave room for a sixth; a seventh is refused, a home player is not.
    human.foreignCount = 3;
    human.foreignPurchases = 2;
    EXPECT_EQ(PurchaseRefusal(human, foreigner), kMayBuy);
    human.foreignPurchases = 3;
    EXPECT_EQ(PurchaseRefusal(human, foreigner), kBuyForeignFull);
    EXPECT_EQ(PurchaseRefusal(human, p), kMayBuy);
}

TEST(PendingTransfers, MoneyAtOnceAndPlayersAtTheRoundsEnd) {
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4, 3000000);
    TTeam& buyer = w.AddClub("Buyer", 2, 6, 5, 3, 5000000, false, "ESP");
    TTeam& bystander = w.AddClub("Other", 2, 6, 6, 4, 1000000);
    TPlayer& p = ClubWorld::FirstAt(seller, 2);
    TPlayer& q = ClubWorld::FirstAt(seller, 3);
    const int playersBefore = w.world.AllPlayers.Count();

    seller.CompleteTransfer(p, buyer, 2000000);
    seller.CompleteTransfer(q, buyer, 1000000);
    // The money has moved, the players have not.
    EXPECT_EQ(seller.balance(), 6000000);
    EXPECT_EQ(buyer.balance(), 2000000);
    EXPECT_EQ(seller.squadSize, 16);
    EXPECT_EQ(seller.players.Count(), 18);
    EXPECT_EQ(buyer.purchasesThisSeason, 2);
    EXPECT_EQ(buyer.foreignPurchases, 2);
    // Sold players no longer count in the seller's wage bill or for a second sale.
    EXPECT_EQ(ListedPrice(p), 0);

    ExecutePendingTransfers(w.world);
    EXPECT_EQ(seller.players.Count(), 16);
    EXPECT_EQ(seller.squadSize, 16);
    EXPECT_EQ(buyer.players.Count(), 18);
    EXPECT_EQ(buyer.squadSize, 18);
    EXPECT_EQ(buyer.positionCounts[2], 6);
    EXPECT_EQ(buyer.positionCounts[3], 4);
    EXPECT_EQ(buyer.purchasesThisSeason, 0);
    EXPECT_EQ(buyer.foreignPurchases, 0);
    EXPECT_EQ(buyer.foreignCount, 2);
    EXPECT_EQ(p.soldToTeamId, 0);
    EXPECT_EQ(p.Club(), &buyer);
    EXPECT_EQ(q.Club(), &buyer);
    // Level 49 at price factor 1: nearest(107.9) = 108 steps of 250 is 27 000.
    EXPECT_EQ(p.salary(), 27000);
    EXPECT_EQ(p.season.contractRenewed, 1);
    // Nothing else moved; money and players are conserved.
    EXPECT_EQ(bystander.players.Count(), 18);
    EXPECT_EQ(w.world.AllPlayers.Count(), playersBefore);
    EXPECT_EQ(seller.balance() + buyer.balance() + bystander.balance(), 9000000);
    // A second run finds nothing to move.
    ExecutePendingTransfers(w.world);
    EXPECT_EQ(buyer.players.Count(), 18);
    EXPECT_EQ(seller.players.Count(), 16);
}

TEST(PendingTransfers, AVanishedBuyerLeavesThePlayerCountedAtHome) {
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TPlayer& p = ClubWorld::FirstAt(seller, 1);
    p.soldToTeamId = 9999;
    seller.RemovePlayer(p);
    seller.players.Add(&p);
    ExecutePendingTransfers(w.world);
    EXPECT_EQ(p.soldToTeamId, 0);
    EXPECT_EQ(seller.players.Count(), 18);
    EXPECT_EQ(seller.squadSize, 18);
    EXPECT_EQ(seller.positionCounts[1], 6);
}
