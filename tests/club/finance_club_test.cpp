#include "club/finance.h"
#include "club_fixture.h"
#include "foundation/money_format.h"
#include "foundation/row_markup.h"

#include <gtest/gtest.h>

TEST(ClubLoans, LimitAndDialogButtons) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4, 500000);
    // Average level 49: 49 * 1.0 * 2 * 5 * 20 000 = 9 800 000, down to whole steps of 500 000.
    EXPECT_EQ(LoanLimit(club), 9500000);
    club.loan = 9500000;
    EXPECT_FALSE(CanBorrow(club));
    EXPECT_FALSE(HumanBorrow(club));
    club.loan = 12000000;
    EXPECT_EQ(LoanDialogLimit(club), 12000000);
    club.loan = 9000000;
    EXPECT_TRUE(HumanBorrow(club));
    EXPECT_EQ(club.loan, 9500000);
    EXPECT_EQ(club.balance(), 1000000);

    // Repaying needs a loan and more than one step of money.
    club.loan = 500000;
    club.SetBalance(500000);
    EXPECT_FALSE(CanRepay(club));
    club.SetBalance(500001);
    EXPECT_TRUE(HumanRepay(club));
    EXPECT_EQ(club.loan, 0);
    EXPECT_EQ(club.balance(), 1);
    EXPECT_FALSE(CanRepay(club));
}

TEST(ClubLoans, ComputerClubBorrowsUntilItsCostsAreCovered) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4, -1000000);
    // No wages: -1 000 000 -> -500 000 -> 0 (not above the 30 000 interest) -> 500 000.
    ComputerLoans(club, club.WageBill());
    EXPECT_EQ(club.loan, 1500000);
    EXPECT_EQ(club.balance(), 500000);
    // Richer: 1 200 000 - 45 000 and 700 000 - 30 000 leave more than a step, 200 000 - 15 000 does not.
    club.SetBalance(1200000);
    ComputerLoans(club, club.WageBill());
    EXPECT_EQ(club.loan, 500000);
    EXPECT_EQ(club.balance(), 200000);
}

TEST(ClubStadium, HumanWorksArePaidAtTheNewClass) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4, 1000000);
    club.stadium.size = 5;
    ASSERT_TRUE(HumanEnlargeStadium(club));
    EXPECT_EQ(club.stadium.size, 6);
    EXPECT_EQ(club.balance(), 500000);
    EXPECT_EQ(club.season.financeTotals[5], -500000);
    club.stadium.size = 24;
    club.SetBalance(100000000);
    EXPECT_FALSE(HumanEnlargeStadium(club));
    EXPECT_EQ(club.stadium.size, 24);
}

// The coach is asked for the price he pays: that of the class reached (prices 2.0, multiplier 5: 350 000
// into classes 2..5, 500 000 into 6..13, 600 000 into 14..24). Crossing into a dearer band with only the
// old band's money is refused, so the works never take the balance below zero.
TEST(ClubStadium, HumanWorksNeedThePriceOfTheClassReached) {
    const struct {
        int size;
        std::int32_t price;
    } cases[] = {{4, 350000}, {5, 500000}, {12, 500000}, {13, 600000}, {23, 600000}};
    for (const auto& c : cases) {
        for (const std::int32_t balance : {c.price - 1, c.price}) {
            ClubWorld w;
            TTeam& club = w.AddClub("Club", 2, 6, 6, 4, balance);
            club.stadium.size = static_cast<std::uint8_t>(c.size);
            EXPECT_EQ(HumanStadiumWorksPrice(club), c.price) << c.size;
            const bool enough = balance == c.price;
            EXPECT_EQ(CanEnlargeStadium(club), enough) << c.size << " " << balance;
            EXPECT_EQ(HumanEnlargeStadium(club), enough) << c.size << " " << balance;
            EXPECT_EQ(club.stadium.size, enough ? c.size + 1 : c.size);
            EXPECT_EQ(club.balance(), enough ? 0 : balance) << c.size;
        }
    }
}

TEST(ClubStadium, ComputerBuildsWhenFullAndRich) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4, 700001);
    club.stadium.size = 13;
    EXPECT_FALSE(ComputerStadiumWorks(club, 100000)); // fill 0.6
    club.stadium.SetFillRatio(0.8L);
    club.SetBalance(700000);
    // 500 000 for the works plus twice the wages is not below 700 000.
    EXPECT_FALSE(ComputerStadiumWorks(club, 100000));
    club.SetBalance(700001);
    ASSERT_TRUE(ComputerStadiumWorks(club, 100000));
    EXPECT_EQ(club.stadium.size, 14);
    EXPECT_EQ(club.balance(), 100001);
    EXPECT_NEAR(static_cast<double>(club.stadium.fillRatio()), 0.6, 1e-9);
}

TEST(ThreeBalances, RowsSumTheirSlots) {
    const TSeasonAccount current = {1000, 2000, 3000, -400, -500, -600, -700};
    const TSeasonAccount last = {10, 20, 30, -1, -2, -3, -4};
    TThreeBalances table(2026, " EUR", &current, &last, nullptr);
    auto cells = [&](int row) { return ParseRowMarkup(table.GetListTextEx(0, row)); };
    const auto season = cells(0);
    ASSERT_EQ(season.size(), 3u);
    EXPECT_EQ(season[1].text, "2026");
    EXPECT_EQ(season[2].text, "2025");
    EXPECT_EQ(cells(2)[1].text, FormatMoney(1000, " EUR"));
    EXPECT_EQ(cells(4)[2].text, FormatMoney(30, " EUR"));
    EXPECT_EQ(cells(6)[1].text, FormatMoney(-500, " EUR"));  // salaries: slot 4
    EXPECT_EQ(cells(7)[1].text, FormatMoney(-400, " EUR"));  // transfers: slot 3
    EXPECT_EQ(cells(9)[1].text, FormatMoney(-700, " EUR"));  // interest: slot 6
    EXPECT_EQ(cells(11)[1].text, FormatMoney(6000, " EUR")); // slots 0 + 1 + 2
    EXPECT_EQ(cells(12)[1].text, FormatMoney(-2200, " EUR"));
    EXPECT_EQ(cells(13)[1].text, FormatMoney(3800, " EUR"));
    EXPECT_EQ(cells(13)[2].text, FormatMoney(50, " EUR"));
    EXPECT_EQ(cells(1).size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(cells(10)[0].text[0]), kRowMarkSeparator);
    EXPECT_TRUE(cells(14).empty());
    EXPECT_EQ(table.Columns(false).size(), 3u);

    TThreeBalances single(2026, " EUR", &current);
    EXPECT_EQ(ParseRowMarkup(single.GetListTextEx(0, 13)).size(), 2u);
    EXPECT_EQ(single.Columns(false).size(), 2u);
}

TEST(TicketPriceText, ByTheCurrencysDisplayParameters) {
    CurrencyRecord euros = BuiltInCurrencies()[0];
    EXPECT_EQ(TicketPriceText(48.0L, euros), "48 EUR");
    euros.ticketPriceUnit = 0.5L;
    EXPECT_EQ(TicketPriceText(47.5L, euros), "47.50 EUR");
    euros.ticketPriceScale = 1000;
    euros.subUnit = " cents";
    EXPECT_EQ(TicketPriceText(0.048L, euros), "48 cents");
}

TEST(ClubFinanceGauge, MatchdaysOfWagesTheCashPays) {
    ClubWorld w;
    TTeam& club = w.AddClub("Alpha", 2, 0, 0, 0);
    club.PlayerAt(0)->SetSalary(30000);
    club.PlayerAt(1)->SetSalary(20000); // wage bill 50 000
    struct Case {
        std::int32_t balance;
        int matchdays;
        TColor colour;
    } cases[] = {
        {-1, 0, kRowRed},        {49999, 0, kRowRed},    {149999, 2, kRowRed},    {150000, 3, kRowYellow},
        {449999, 8, kRowYellow}, {450000, 9, kRowGreen}, {900000, 18, kRowGreen}, {5000000, 18, kRowGreen},
    };
    for (const Case& c : cases) {
        club.SetBalance(c.balance);
        EXPECT_EQ(WagesCovered(club), c.matchdays) << c.balance;
        EXPECT_EQ(WagesCoveredColour(WagesCovered(club)), c.colour) << c.balance;
    }
    club.PlayerAt(0)->soldToTeamId = 99; // a sold player's salary is not the club's any more
    club.SetBalance(100000);
    EXPECT_EQ(WagesCovered(club), 5);
}
