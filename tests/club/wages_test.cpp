#include "club/market.h"
#include "club_fixture.h"

#include <gtest/gtest.h>

namespace {

// Every player of level 49 is worth 27 000 per matchday at price factor 1 (108 steps of 250).
constexpr std::int32_t kValue = 27000;

void PayEveryone(TTeam& club, std::int32_t salary) {
    for (TPlayer* p : club.players) p->SetSalary(salary);
}

} // namespace

TEST(ReviewWages, ComputerClubCorrectsTheMostUnderAndOverpaid) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4, 1000000);
    PayEveryone(club, kValue);
    TPlayer& most = *club.players[3];   // ratio 2.70
    TPlayer& less = *club.players[4];   // ratio 1.35
    TPlayer& over = *club.players[5];   // ratio 0.54
    TPlayer& slight = *club.players[6]; // ratio 0.90
    most.SetSalary(10000);
    less.SetSalary(20000);
    over.SetSalary(50000);
    slight.SetSalary(30000);
    most.saleMode = 2;

    w.world.CurrentRound = 1;
    EXPECT_FALSE(ReviewWages(club));
    EXPECT_EQ(most.salary(), 10000);

    w.world.CurrentRound = 2;
    EXPECT_FALSE(ReviewWages(club));
    EXPECT_EQ(most.salary(), kValue);
    EXPECT_EQ(most.season.contractRenewed, 1);
    EXPECT_EQ(most.saleMode, 0);
    EXPECT_EQ(over.salary(), kValue);
    EXPECT_EQ(over.season.contractRenewed, 1);
    EXPECT_EQ(less.salary(), 20000);
    EXPECT_EQ(slight.salary(), 30000);
    EXPECT_TRUE(w.port.Calls.empty());

    // In debt, the club puts its first saleable player to auction (nobody bids here).
    club.SetBalance(-1);
    EXPECT_TRUE(ReviewWages(club));
}

TEST(ReviewWages, HumanCoachIsAskedAboutTheBestPlacedRaise) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4, 1000000, true);
    PayEveryone(club, kValue);
    TPlayer& first = *club.players[7];  // ratio 1.80
    TPlayer& second = *club.players[8]; // ratio 1.35
    first.SetSalary(15000);
    second.SetSalary(20000);
    w.world.CurrentRound = 9;
    club.coach->weeksInJob = 1;
    EXPECT_FALSE(ReviewWages(club));
    EXPECT_TRUE(w.port.Calls.empty());

    // nearest(27 000 * (9 * 0.2 / 18 + 1) * 1.1 * 0.02 / 5) = nearest(130.68) = 131 steps of 250.
    club.coach->weeksInJob = 2;
    EXPECT_FALSE(ReviewWages(club));
    ASSERT_EQ(w.port.Calls.size(), 1u);
    EXPECT_EQ(w.port.Calls[0],
              "AskSalary " + std::to_string(club.id) + " " + std::to_string(first.id) + " 32750 0");
    EXPECT_EQ(first.salary(), 32750);
    EXPECT_EQ(first.season.contractRenewed, 1);
    // Wages the coach keeps for himself are not corrected by the computer.
    EXPECT_EQ(second.salary(), 20000);

    // A refused raise sends the player to auction at base price 0.
    w.port.Calls.clear();
    w.port.SalaryAnswers = {false};
    EXPECT_TRUE(ReviewWages(club));
    ASSERT_GE(w.port.Calls.size(), 1u);
    EXPECT_EQ(w.port.Calls[0],
              "AskSalary " + std::to_string(club.id) + " " + std::to_string(second.id) + " 32750 0");
    EXPECT_EQ(second.salary(), 20000);

    // With the computer managing this class of player, the coach is not asked.
    w.port.Calls.clear();
    club.coach->autoSalaryNational = 1;
    PayEveryone(club, kValue);
    for (TPlayer* p : club.players) p->season.contractRenewed = 0;
    club.players[2]->SetSalary(15000);
    EXPECT_FALSE(ReviewWages(club));
    EXPECT_TRUE(w.port.Calls.empty());
    EXPECT_EQ(club.players[2]->salary(), kValue);
}

TEST(AskSalary, AClubThatMayNotSellCannotRefuse) {
    ClubWorld w;
    TTeam& small = w.AddClub("Small", 2, 5, 4, 3, 0, true);
    TPlayer& p = ClubWorld::FirstAt(small, 2);
    w.port.SalaryAnswers = {false, false};
    EXPECT_TRUE(AskSalary(small, p, 40000, 0));
    EXPECT_EQ(w.port.Calls.back(),
              "AskSalary " + std::to_string(small.id) + " " + std::to_string(p.id) + " 40000 1");
    EXPECT_EQ(p.salary(), 40000);
    EXPECT_EQ(p.season.contractRenewed, 1);

    TTeam& big = w.AddClub("Big", 2, 6, 6, 4, 0, true);
    TPlayer& q = ClubWorld::FirstAt(big, 2);
    q.SetSalary(1000);
    EXPECT_FALSE(AskSalary(big, q, 40000, 2));
    EXPECT_EQ(w.port.Calls.back(),
              "AskSalary " + std::to_string(big.id) + " " + std::to_string(q.id) + " 40000 2");
    EXPECT_EQ(q.salary(), 1000);
    EXPECT_EQ(q.season.contractRenewed, 0);
}

TEST(RenewContract, OfferDemandAndRefusal) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4, 0, true);
    TPlayer& a = *club.players[2];
    TPlayer& b = *club.players[3];
    TPlayer& c = *club.players[4];
    // 0.8 * 27 000 = 21 600: one unit more is enough.
    EXPECT_EQ(RenewContract(club, a, 21601), TRenewal::Accepted);
    EXPECT_EQ(a.salary(), 21601);
    EXPECT_EQ(a.season.contractRenewed, 1);
    // Exactly 21 600 is not: he asks nearest(27 000 * 1.25 / 250) * 250 = 33 750.
    EXPECT_EQ(RenewalDemand(club, b), 33750);
    EXPECT_EQ(RenewContract(club, b, 21600), TRenewal::AcceptedRaised);
    EXPECT_EQ(b.salary(), 33750);
    w.port.SalaryAnswers = {false};
    c.SetSalary(5000);
    EXPECT_EQ(RenewContract(club, c, 100), TRenewal::RefusedAuctioned);
    EXPECT_EQ(c.salary(), 5000);
    EXPECT_EQ(c.Club(), &club);
}

TEST(HumanSell, RefusalKeepsThePriceAndAnAuctionMarksThePlayer) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4, 0, true);
    TPlayer& keeper = ClubWorld::FirstAt(club, 0);
    TPlayer& mid = ClubWorld::FirstAt(club, 2);
    keeper.season.contractRenewed = 1;
    EXPECT_EQ(HumanSell(club, keeper, 750, 2), 3);
    EXPECT_EQ(keeper.askingPrice, 750000);
    EXPECT_EQ(ListedPrice(keeper), 0);

    EXPECT_EQ(HumanSell(club, mid, 800, 2), 0);
    EXPECT_EQ(ListedPrice(mid), 800000);
    EXPECT_EQ(HumanSell(club, mid, 900, 1), 0);
    EXPECT_EQ(mid.saleMode, 0);
    EXPECT_EQ(mid.matchState.offeredThisMatchday, 1);
    EXPECT_EQ(mid.Club(), &club);
    // Auctioned once this matchday: a second sale is refused with reason 4.
    EXPECT_EQ(HumanSell(club, mid, 900, 1), 4);
}
