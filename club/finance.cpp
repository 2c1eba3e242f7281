#include "club/finance.h"

#include "foundation/currency.h"
#include "foundation/format_text.h"
#include "foundation/money_format.h"
#include "foundation/numeric.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "world/team.h"
#include "world/world.h"

#include <algorithm>

int ComputerLoanSteps(std::int32_t balance, std::int32_t loan, std::int32_t wageBill, std::int32_t limit,
                      std::int32_t moneyStep) {
    if (moneyStep <= 0) return 0;
    std::int64_t b = balance;
    std::int64_t l = loan;
    int steps = 0;
    while (l > 0 && b - wageBill - Interest(ClampMoney(l)) > moneyStep) {
        b -= moneyStep;
        l -= moneyStep;
        --steps;
    }
    if (b < Interest(ClampMoney(l)) + static_cast<std::int64_t>(wageBill)) {
        while (l < limit && b <= Interest(ClampMoney(l)) + static_cast<std::int64_t>(wageBill)) {
            b += moneyStep;
            l += moneyStep;
            ++steps;
        }
    }
    return steps;
}

std::int32_t LoanLimit(const TTeam& club) {
    const TWorld& world = club.World();
    return LoanLimit(club.AverageLevel(), club.supportFactor(), world.PriceIndex, world.MoneyMultiplier(),
                     world.MoneyStep());
}

void ComputerLoans(TTeam& club, std::int32_t wageBill) {
    const int steps =
        ComputerLoanSteps(club.balance(), club.loan, wageBill, LoanLimit(club), club.World().MoneyStep());
    for (int i = 0; i < steps; ++i) club.TakeLoanStep();
    for (int i = 0; i > steps; --i) club.RepayLoanStep();
}

std::int32_t LoanDialogLimit(const TTeam& club) {
    return std::max(club.loan, LoanLimit(club));
}

bool CanBorrow(const TTeam& club) {
    return club.World().MoneyStep() > 0 && club.loan < LoanDialogLimit(club);
}

bool CanRepay(const TTeam& club) {
    const std::int32_t step = club.World().MoneyStep();
    return step > 0 && club.loan > 0 && club.balance() > step;
}

bool HumanBorrow(TTeam& club) {
    if (!CanBorrow(club)) return false;
    club.TakeLoanStep();
    return true;
}

bool HumanRepay(TTeam& club) {
    if (!CanRepay(club)) return false;
    club.RepayLoanStep();
    return true;
}

std::int32_t HumanStadiumWorksPrice(const TTeam& club) {
    const TWorld& world = club.World();
    // A stadium of the largest class cannot grow; its price is that of the largest class's band.
    const int reached = std::min<int>(club.stadium.size + 1, TStadium::MaxSize);
    return StadiumWorksCost(reached, world.PriceIndex, world.MoneyMultiplier());
}

bool CanEnlargeStadium(const TTeam& club) {
    return club.stadium.size < TStadium::MaxSize && club.balance() >= HumanStadiumWorksPrice(club);
}

bool HumanEnlargeStadium(TTeam& club) {
    if (!CanEnlargeStadium(club) || !club.stadium.Enlarge()) return false;
    const TWorld& world = club.World();
    club.BookMoney(fcStadium, -club.stadium.EnlargeCost(world.PriceIndex, world.MoneyMultiplier()));
    return true;
}

bool ComputerStadiumWorks(TTeam& club, std::int32_t wageBill) {
    const TWorld& world = club.World();
    if (!club.stadium.CanEnlarge()) return false;
    const std::int64_t cost = club.stadium.EnlargeCost(world.PriceIndex, world.MoneyMultiplier());
    if (cost + 2LL * wageBill >= club.balance()) return false;
    club.stadium.Enlarge();
    club.BookMoney(fcStadium, -club.stadium.EnlargeCost(world.PriceIndex, world.MoneyMultiplier()));
    return true;
}

std::string TicketPriceText(long double price, const CurrencyRecord& currency) {
    if (currency.ticketPriceScale > 1) return std::to_string(nearest(price * 1000)) + currency.subUnit;
    if (currency.ticketPriceUnit < 1.0L) return Format("%.2f", {price}) + currency.suffix;
    return std::to_string(nearest(price)) + currency.suffix;
}

namespace {

// Label texts of the finance rows.
constexpr int kSeasonText = 362;
constexpr int kIncomeHeadingText = 393;
constexpr int kExpensesHeadingText = 392;
constexpr int kTotalIncomeText = 396;
constexpr int kTotalExpensesText = 397;
constexpr int kResultText = 398;

// A row that shows one account slot: its label text and the slot.
struct TSlotRow {
    int row;
    int text;
    int slot;
};
constexpr TSlotRow kSlotRows[] = {
    {2, 390, 0}, {3, 391, 1}, {4, 224, 2}, {6, 340, 4}, {7, 394, 3}, {8, 256, 5}, {9, 395, 6},
};

std::int64_t SumSlots(const TSeasonAccount& a, int from, int to) {
    std::int64_t sum = 0;
    for (int i = from; i <= to; ++i) sum += a[static_cast<std::size_t>(i)];
    return sum;
}

} // namespace

TThreeBalances::TThreeBalances(std::int32_t seasonYear, std::string suffix, const TSeasonAccount* current,
                               const TSeasonAccount* previous, const TSeasonAccount* beforeThat)
    : seasonYear_(seasonYear), suffix_(std::move(suffix)), accounts_{current, previous, beforeThat} {}

TThreeBalances TThreeBalances::OfClub(const TTeam& club, bool currentOnly) {
    const TWorld& world = club.World();
    if (currentOnly)
        return TThreeBalances(world.SeasonYear, world.CurrencyRecord.suffix, &club.season.financeTotals);
    return TThreeBalances(world.SeasonYear, world.CurrencyRecord.suffix, &club.season.financeTotals,
                          &club.seasonTotals, &club.previousTotals);
}

std::string TThreeBalances::GetListText(int mask) const {
    return GetListTextEx(mask, 0);
}

std::string TThreeBalances::GetListTextEx(int /*mask*/, int row) const {
    TRowMarkup markup;
    const std::size_t columns = ColumnCount();
    auto amounts = [&](auto value) {
        for (std::size_t k = 0; k < columns; ++k)
            markup.Cell(kRowAlignRight, kAmountWidth,
                        accounts_[k] ? FormatMoney(value(*accounts_[k]), suffix_) : std::string());
    };
    switch (row) {
    case 0:
        markup.Cell(kRowBoldOn, kLabelWidth, GetText(kSeasonText));
        for (std::size_t k = 0; k < columns; ++k)
            markup.Cell(kRowAlignRight, kAmountWidth,
                        accounts_[k] ? std::to_string(seasonYear_ - static_cast<std::int32_t>(k))
                                     : std::string());
        break;
    case 1:
        markup.Cell(kRowBoldOn, kLabelWidth, GetText(kIncomeHeadingText));
        break;
    case 5:
        markup.Cell(kRowBoldOn, kLabelWidth, GetText(kExpensesHeadingText));
        break;
    case 10:
        markup.Cell(kLabelWidth, std::string(1, static_cast<char>(kRowMarkSeparator)));
        break;
    case 11:
        markup.Cell(kRowBoldOn, kLabelWidth, GetText(kTotalIncomeText));
        amounts([](const TSeasonAccount& a) { return SumSlots(a, 0, 2); });
        break;
    case 12:
        markup.Cell(kRowBoldOn, kLabelWidth, GetText(kTotalExpensesText));
        amounts([](const TSeasonAccount& a) { return SumSlots(a, 3, 6); });
        break;
    case 13:
        markup.Cell(kRowBoldOn, kLabelWidth, GetText(kResultText));
        amounts([](const TSeasonAccount& a) { return SumSlots(a, 0, 6); });
        break;
    default:
        for (const TSlotRow& r : kSlotRows) {
            if (r.row != row) continue;
            markup.Cell(kLabelWidth, GetText(r.text));
            amounts([&r](const TSeasonAccount& a) {
                return static_cast<std::int64_t>(a[static_cast<std::size_t>(r.slot)]);
            });
        }
        break;
    }
    return markup.Text();
}

void TThreeBalances::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, std::string(), kLabelWidth);
    for (std::size_t k = 0; k < ColumnCount(); ++k) AddColumn(header, std::string(), kAmountWidth);
}

std::size_t TThreeBalances::ColumnCount() const {
    std::size_t count = accounts_.size();
    while (count > 0 && !accounts_[count - 1]) --count;
    return count;
}

int WagesCovered(const TTeam& club) {
    constexpr int kSeason = 18;
    const std::int64_t wages = club.WageBill();
    if (wages <= 0) return kSeason;
    if (club.balance() <= 0) return 0;
    return static_cast<int>(std::min<std::int64_t>(kSeason, club.balance() / wages));
}

TColor WagesCoveredColour(int matchdays) {
    if (matchdays >= 9) return kRowGreen;
    if (matchdays >= 3) return kRowYellow;
    return kRowRed;
}
