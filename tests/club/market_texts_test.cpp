#include "club/auction.h"
#include "club/market.h"
#include "club_fixture.h"
#include "foundation/money_format.h"
#include "tests/world/labels_fixture.h"

#include <gtest/gtest.h>

TEST(MarketTexts, SalaryQuestionsByMode) {
    TestLabels labels({{260, "Accept?"},
                       {261, "Must accept."},
                       {262, "Asks %s, accept?"},
                       {263, "Asks %s, must accept."},
                       {359, "Midfielder"},
                       {389, "%s (%s, %d, %d) asks %s."}});
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4);
    TPlayer& p = ClubWorld::FirstAt(club, 2);
    p.attr->SetName("Rui");
    EXPECT_EQ(SalaryQuestionText(p, 32750, 0, " EUR"), "Rui (Midfielder, 49, 25) asks 32 750 EUR. Accept?");
    EXPECT_EQ(SalaryQuestionText(p, 32750, 1, " EUR"),
              "Rui (Midfielder, 49, 25) asks 32 750 EUR. Must accept.");
    EXPECT_EQ(SalaryQuestionText(p, 33750, 2, " EUR"), "Asks 33 750 EUR, accept?");
    EXPECT_EQ(SalaryQuestionText(p, 33750, 3, " EUR"), "Asks 33 750 EUR, must accept.");
}

TEST(MarketTexts, RefusalsBuyerSalaryAndAuctionLines) {
    TestLabels labels({{199, "Salary:"},
                       {231, "Not sold."},
                       {232, "Cash:"},
                       {233, "Sold to %s for %s."},
                       {284, "May be sold."},
                       {288, "Already offered this matchday."},
                       {291, "Too few outfield players."}});
    ClubWorld w;
    TTeam& seller = w.AddClub("Seller", 2, 6, 6, 4);
    TTeam& buyer = w.AddClub("Buyer", 2, 6, 6, 4, 1000000, true);
    TPlayer& p = ClubWorld::FirstAt(seller, 2);
    EXPECT_EQ(SaleRefusalText(0), "May be sold.");
    EXPECT_EQ(SaleRefusalText(4), "Already offered this matchday.");
    EXPECT_EQ(SaleRefusalText(7), "Too few outfield players.");
    EXPECT_EQ(SaleRefusalText(8), "");
    // Level 49 at price factor 1 asks 27 000.
    EXPECT_EQ(BuyerSalaryText(buyer, p), "Salary: 27 000 EUR");

    w.port.AuctionOffers = {-1};
    TAuction unsold(seller, p, 0);
    while (unsold.State() != TAuction::TState::Closed)
        if (unsold.NextBidder() == TAuction::TState::AwaitingHuman) unsold.HumanOffer(-1);
    EXPECT_EQ(unsold.ResultText(), "Not sold.");
    TAuction sold(seller, p, 0);
    EXPECT_EQ(sold.CashText(buyer), "Cash: " + FormatMoney(1000000, " EUR"));
    while (sold.State() != TAuction::TState::Closed)
        if (sold.NextBidder() == TAuction::TState::AwaitingHuman) sold.HumanOffer(500);
    EXPECT_EQ(sold.ResultText(), "Sold to Buyer for " + FormatMoney(500000, " EUR") + ".");
}
