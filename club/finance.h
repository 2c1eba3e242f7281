#pragma once
// The money decisions of a club: the loans and stadium works of a computer club before a matchday and of a
// human coach at his club screen, the ticket price as shown, and the finance table. The pure formulas they
// price with (ticket price, works cost, interest, the numeric loan limit) are in world/money_rules.
#include "foundation/kol_object.h"
#include "world/money_rules.h"

#include <array>
#include <cstdint>
#include <string>

class TTeam;
struct CurrencyRecord;

// What a computer club does with its loan before a game, given its balance, loan, wage bill and limit:
// the number of money steps it borrows (positive) or repays (negative). It repays while that still leaves
// more than one step above the wages and the interest, and borrows only when the balance would not cover
// them, up to the limit.
int ComputerLoanSteps(std::int32_t balance, std::int32_t loan, std::int32_t wageBill, std::int32_t limit,
                      std::int32_t moneyStep);

// ---- A club's money ----

// The loan limit of a club: its squad's average level, its supporters' mood and the world's prices.
std::int32_t LoanLimit(const TTeam& club);
// A computer club's loan steps before a game (see ComputerLoanSteps), booked on the club. `wageBill` is
// the wage bill the club's management took before its sales of the matchday.
void ComputerLoans(TTeam& club, std::int32_t wageBill);

// The loan dialog of a human coach: the limit it shows (never below the present loan), and whether one
// step may be borrowed (below the limit) or repaid (a loan left and more than one step of money).
std::int32_t LoanDialogLimit(const TTeam& club);
bool CanBorrow(const TTeam& club);
bool CanRepay(const TTeam& club);
// One step each; false (nothing changes) when the dialog's button would be disabled.
bool HumanBorrow(TTeam& club);
bool HumanRepay(TTeam& club);

// The stadium works of a human coach. They are paid at the price of the class they reach, so growing into
// class 6 or 14 costs the dearer band: that is the price the coach is shown and must have, so that he pays
// what he was told and his balance never goes below zero for works he could not afford. Possible while the
// club has that money and the stadium is below the largest class. False when not possible.
std::int32_t HumanStadiumWorksPrice(const TTeam& club);
bool CanEnlargeStadium(const TTeam& club);
bool HumanEnlargeStadium(TTeam& club);
// A computer club builds when its stadium is at least four-fifths full, can grow, and the works plus two
// wage bills (`wageBill` as for ComputerLoans) stay below its balance; paid at the price of the class
// reached. True when it built.
bool ComputerStadiumWorks(TTeam& club, std::int32_t wageBill);

// The ticket price as the club screen shows it: in thousandths with the sub-unit word when the currency
// asks for it, with two decimals when the rounding unit is below 1, else whole.
std::string TicketPriceText(long double price, const CurrencyRecord& currency);

// The finance gauge of the club screen: how many matchdays of wages the cash pays (none in debt or with
// less than one wage bill, at most a season of 18); green from 9 matchdays, yellow from 3, red below. A
// club without wages counts a full season.
int WagesCovered(const TTeam& club);
TColor WagesCoveredColour(int matchdays);

// ---- The finance table ----

// One season's account: the seven booked categories in the order 1, 2, 3, 21, 22, 23, 24.
using TSeasonAccount = std::array<std::int32_t, 7>;

// Rows 0..13 of the finance table over up to three season accounts (the current one first): season,
// income heading, the three incomes, expenses heading, salaries, transfers, stadium, interest, a line,
// total income, total expenses and the result. A missing account leaves its column blank; missing
// accounts at the end have no column.
class TThreeBalances : public TKolObject {
public:
    static constexpr int kRows = 14;
    static constexpr int kLabelWidth = 170;
    static constexpr int kAmountWidth = 120;

    TThreeBalances(std::int32_t seasonYear, std::string suffix, const TSeasonAccount* current,
                   const TSeasonAccount* previous = nullptr, const TSeasonAccount* beforeThat = nullptr);
    // The club's three accounts, or only the current one.
    static TThreeBalances OfClub(const TTeam& club, bool currentOnly);

    // Row 0.
    std::string GetListText(int mask) const override;
    // The row given by `selector` (0..13); any other row is empty.
    std::string GetListTextEx(int mask, int selector) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;

private:
    // One amount column per account up to the last one present.
    std::size_t ColumnCount() const;

    std::int32_t seasonYear_;
    std::string suffix_;
    std::array<const TSeasonAccount*, 3> accounts_;
};
