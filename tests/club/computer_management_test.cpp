// What a club does before a matchday: offers for sale, the round preparation, loans, stadium works and
// purchases of a computer club, and how many numbers its management draws. Amounts worked out by hand with
// M = 5, S = 500 000, price index 2.
#include "../world/world_fixture.h"

#include "club/computer_management.h"
#include "datafiles/team_file.h"
#include "foundation/kol_random.h"
#include "world/division.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

int CountRole(const TTeam& club, int role) {
    int n = 0;
    for (const TPlayer* p : club.players)
        if (p->matchState.lineupRole == role) ++n;
    return n;
}

// The generator's state after `draws` steps of state * 134775813 + 1 (mod 2^32).
std::uint32_t StateAfter(std::uint32_t seed, int draws) {
    std::uint32_t state = seed;
    for (int i = 0; i < draws; ++i) state = state * 134775813u + 1u;
    return state;
}

// Sixteen players of level 40 (band 2: targets 3, 7, 6, 4) in counts 2, 6, 5, 3, so that every
// position's target over its count plus one is 1 and every player is kept alike.
void EvenBandTwoSquad(TTeam& club) {
    const int counts[4] = {2, 6, 5, 3};
    for (int p = 0; p < 4; ++p)
        for (int i = 0; i < counts[p]; ++i) AddPlayer(club, p, 40, 25);
}

} // namespace

TEST(TeamOfferForSale, AFullSquadStartsAtEightyPerCent) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    FillSquad(club, 2, 25);
    TPlayer& p = AddPlayer(club, 2, 1, 25);
    p.attr->SetBehaviour(1);
    p.injuryProneness = 2;
    p.scoringWeight = 3; // base price 9 800
    ASSERT_EQ(club.squadSize, 28);
    // 0.8 x 9 800 x 1.0 x 1.4 = 10 976 -> 10 000
    EXPECT_EQ(OfferForSale(club, p), 10000);
    EXPECT_EQ(club.salePlayerId, p.id);
    EXPECT_NEAR(static_cast<double>(club.salePriceFactor), 0.7, 1e-12);
    // The same player again: 0.7 x 9 800 x 1.4 = 9 604 -> 9 000
    EXPECT_EQ(OfferForSale(club, p), 9000);
}

TEST(TeamOfferForSale, OtherwiseAtFullPrice) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    FillSquad(club, 2, 24);
    TPlayer& p = AddPlayer(club, 2, 1, 25);
    p.attr->SetBehaviour(1);
    p.injuryProneness = 2;
    p.scoringWeight = 3;
    world.TransferPriceFactor = 1.0L;
    EXPECT_EQ(OfferForSale(club, p), 13000); // 9 800 x 1.4 = 13 720
    EXPECT_NEAR(static_cast<double>(club.salePriceFactor), 0.9, 1e-12);
    // Another player starts again at 1.0.
    TPlayer& q = *club.PlayerAt(3);
    OfferForSale(club, q);
    EXPECT_EQ(club.salePlayerId, q.id);
    EXPECT_NEAR(static_cast<double>(club.salePriceFactor), 0.9, 1e-12);
}

TEST(TeamOfferForSale, AnUnsoldPlayerIsNotOfferedAgainThatMatchday) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha"); // alone in its world: nobody bids
    FillSquad(club, 2, 24);
    TPlayer& p = *club.PlayerAt(5);
    ASSERT_EQ(club.CanSell(p), csMaySell);
    OfferForSale(club, p);
    EXPECT_EQ(p.Club(), &club);
    EXPECT_EQ(p.matchState.offeredThisMatchday, 1);
    EXPECT_EQ(club.CanSell(p), csOfferedThisMatchday);
    // The next matchday's preparation clears the match block: he may be offered again.
    world.CurrentRound = 1;
    ComputerRound(club);
    EXPECT_EQ(club.CanSell(p), csMaySell);
}

TEST(TeamRound, ResumeAndHumanScreen) {
    TWorld world;
    TTeam& human = MakeClub(world, "Alpha");
    TTeam& other = MakeClub(world, "Beta");
    FillSquad(human, 2, 14);
    FillSquad(other, 2, 14);
    human.coach->isHuman = 1;
    world.CurrentRound = 1;
    world.ResumeTeam = human.id;
    other.PlayerAt(0)->matchState.goalsThisMatch = 3;
    ComputerRound(other); // another club's screen was open at the save: nothing happens here
    EXPECT_EQ(other.PlayerAt(0)->matchState.goalsThisMatch, 3);
    ComputerRound(human);
    EXPECT_EQ(world.ResumeTeam, 0);
    ASSERT_FALSE(world.DefaultPort().Calls.empty());
    EXPECT_EQ(world.DefaultPort().Calls.back(), "ClubScreen " + std::to_string(human.id));
    EXPECT_EQ(CountRole(human, 1), 11); // the autopilot picked a line-up
}

TEST(TeamManagement, ARichClubRepaysItsLoan) {
    TWorld world;
    world.CurrentRound = 5;
    TTeam& club = MakeClub(world, "Alpha");
    FillSquad(club, 2, 14);
    club.SetBalance(2000000);
    club.loan = 1500000;
    SetRandSeed(3);
    ComputerManagement(club, false);
    // No wages: 2 000 000 - 45 000 > S, 1 500 000 - 30 000 > S, 1 000 000 - 15 000 > S: three steps back.
    EXPECT_EQ(club.loan, 0);
    EXPECT_EQ(club.balance(), 500000);
    EXPECT_EQ(CountRole(club, 1), 11);
}

TEST(TeamManagement, AClubShortOfMoneyBorrowsUntilItCoversWagesAndInterest) {
    TWorld world;
    world.CurrentRound = 5;
    TTeam& club = MakeClub(world, "Alpha");
    FillSquad(club, 2, 14); // average level 20: limit nearest(20 x 1 x 2 x 5 x 20 000) = 4 000 000
    for (int i = 0; i < 10; ++i) club.PlayerAt(i)->SetSalary(5000);
    club.SetBalance(-100000);
    SetRandSeed(3);
    ComputerManagement(club, false);
    // -100 000 <= 0 + 50 000: one step; 400 000 > 15 000 + 50 000: enough.
    EXPECT_EQ(club.loan, 500000);
    EXPECT_EQ(club.balance(), 400000);
}

TEST(TeamManagement, StadiumWorksPaidAtTheNewSize) {
    TWorld world;
    world.CurrentRound = 5;
    TTeam& club = MakeClub(world, "Alpha");
    FillSquad(club, 2, 14);
    club.stadium.size = 5;
    club.stadium.SetFillRatio(0.9L);
    club.SetBalance(600000); // size 5 costs 350 000 < 600 000; size 6 costs 500 000
    SetRandSeed(3);
    ComputerManagement(club, false);
    EXPECT_EQ(club.stadium.size, 6);
    EXPECT_EQ(club.season.financeTotals[5], -500000);
    EXPECT_EQ(club.balance(), 100000);
}

TEST(TeamManagement, AComputerClubBuysAListedPlayer) {
    TWorld world;
    TTeam& seller = MakeClub(world, "Seller");
    TTeam& buyer = MakeClub(world, "Buyer");
    FillSquad(seller, 2, 0);
    for (int i = 0; i < 14; ++i) {
        TPlayer& p = AddPlayer(seller, 2, 20, 25);
        p.saleMode = 2;
        p.askingPrice = 1000 * (i + 1);
    }
    for (int i = 0; i < 2; ++i) AddPlayer(buyer, 0, 20, 25);
    for (int i = 0; i < 12; ++i) AddPlayer(buyer, 1, 20, 25);
    buyer.SetBalance(50000000);
    SetRandSeed(11);
    BuyPlayer(buyer);
    ASSERT_EQ(world.LastTransfersList.Count(), 1);
    const TLastTransfer& t = *world.LastTransfersList.Last();
    EXPECT_EQ(t.buyerId, buyer.id);
    EXPECT_EQ(t.player->soldToTeamId, buyer.id);
    EXPECT_EQ(t.price % 1000, 0);
    EXPECT_EQ(buyer.balance(), 50000000 - t.price);
    EXPECT_EQ(seller.balance(), t.price);
    EXPECT_EQ(buyer.purchasesThisSeason, 1);

    // A buyer with no room (27 players and one on the way) buys nobody.
    TWorld full;
    TTeam& s2 = MakeClub(full, "Seller");
    TTeam& b2 = MakeClub(full, "Buyer");
    FillSquad(s2, 2, 0);
    for (int i = 0; i < 14; ++i) {
        TPlayer& p = AddPlayer(s2, 2, 20, 25);
        p.saleMode = 2;
        p.askingPrice = 1000;
    }
    FillSquad(b2, 2, 25);
    b2.purchasesThisSeason = 1;
    b2.SetBalance(50000000);
    SetRandSeed(11);
    BuyPlayer(b2);
    EXPECT_EQ(full.LastTransfersList.Count(), 0);
}

TEST(TeamRound, AClubWithoutCoachSaysSoAndGoesOn) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    FillSquad(club, 2, 14);
    club.coach = nullptr;
    SetRandSeed(1);
    ComputerRound(club);
    ASSERT_EQ(world.DefaultPort().Messages.size(), 1u);
    EXPECT_EQ(world.DefaultPort().Messages[0], "Alpha: coach is nil");
    EXPECT_EQ(CountRole(club, 1), 11);
}

TEST(ReviewComputerManagement, DrawsOnlyWhereTheRulesDraw) {
    for (const std::uint32_t seed : {1u, 77u, 123456u}) {
        // Matchday 1: the asking prices are set without a draw and nobody is offered; then the one in
        // five for the big-squad sale, the one in three for a purchase (a lone club finds no seller) and
        // 3 x 16 moves of the shuffle.
        TWorld world;
        world.CurrentRound = 1;
        TTeam& club = MakeClub(world, "Alpha");
        EvenBandTwoSquad(club);
        club.SetBalance(1000000);
        SetRandSeed(seed);
        ComputerManagement(club, false);
        EXPECT_EQ(RandSeed(), StateAfter(seed, 1 + 1 + 48)) << "seed " << seed;

        // Matchday 2 in debt: one in five for the prices; balance x 3 < wages already decides the sale, so
        // the one in thirty is not drawn; every player is kept alike, so the walk keeps its first
        // candidate without a draw, and the auction of a lone club draws nothing.
        TWorld world2;
        world2.CurrentRound = 2;
        TTeam& poor = MakeClub(world2, "Beta");
        EvenBandTwoSquad(poor);
        poor.SetBalance(-1000);
        const TPlayer* firstKeeper = poor.PlayerAt(0);
        SetRandSeed(seed);
        ComputerManagement(poor, false);
        EXPECT_EQ(RandSeed(), StateAfter(seed, 1 + 1 + 1 + 48)) << "seed " << seed;
        // The first in list order was offered (the shuffle came after), and his next offer asks a tenth less.
        EXPECT_EQ(poor.salePlayerId, firstKeeper->id);
        EXPECT_NEAR(static_cast<double>(poor.salePriceFactor), 0.9, 1e-12);
        // The debt is covered by one loan step.
        EXPECT_EQ(poor.loan, 500000);

        // The same club when the wage review already offered a player: no sale step at all.
        TWorld world3;
        world3.CurrentRound = 2;
        TTeam& offered = MakeClub(world3, "Gamma");
        EvenBandTwoSquad(offered);
        offered.SetBalance(-1000);
        SetRandSeed(seed);
        ComputerManagement(offered, true);
        EXPECT_EQ(RandSeed(), StateAfter(seed, 1 + 1 + 1 + 48)) << "seed " << seed;
        EXPECT_EQ(offered.salePlayerId, 0);
    }
}
