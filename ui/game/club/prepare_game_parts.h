#pragma once
// What the files of the club screen share: its text numbers and the small helpers that build its widgets.
#include <QString>

#include <cstdint>

class QLabel;
class QPushButton;
class QWidget;
class TTeam;
class TWorld;

namespace prepare_game {

// Texts of the screen.
constexpr int kSeasonText = 274; // "Season %d - Matchday %d"
constexpr int kPerformanceText = 206;
constexpr int kMoralText = 205;
constexpr int kFinancesText = 367;
constexpr int kFirstPageText = 530; // the nine page names follow each other
constexpr int kBestText = 539;
constexpr int kAutomaticText = 540;
constexpr int kPlayText = 541;
constexpr int kCupText = 31;
constexpr int kCoachText = 48;
constexpr int kRefereeText = 92;
constexpr int kLastResultsText = 368;
constexpr int kCashText = 232;
constexpr int kForeignText = 373;
constexpr int kSalaryText = 120;
constexpr int kBehaviourText = 121;
constexpr int kSeasonGoalsText = 200;
constexpr int kYellowCardsText = 375;
constexpr int kCareerText = 374;
constexpr int kGamesText = 202;
constexpr int kGoalsText = 113;
constexpr int kRedCardsText = 203;
constexpr int kInjuriesText = 204;
constexpr int kTicketPriceText = 343;
constexpr int kLoanInterestText = 341;
constexpr int kWagesText = 340;
constexpr int kCashColumnText = 342;
constexpr int kAttackingText = 426;
constexpr int kDefensiveText = 427;
constexpr int kSpecialText = 428;
constexpr int kCalendarText = 345;
constexpr int kSquadText = 243;
constexpr int kPriceText = 550;
constexpr int kMarketValueText = 551;
constexpr int kSellText = 535;
constexpr int kCancelText = 77;
constexpr int kNotForSaleText = 321; // sale modes 0, 1, 2: not for sale, auction now, listed
constexpr int kAuctionNowText = 323;
constexpr int kListedText = 322;
constexpr int kRenewText = 369;
constexpr int kProposeText = 370;
constexpr int kNewSalaryText = 733;
constexpr int kNextCupOpponentText = 328;
constexpr int kOutOfCupText = 552;
constexpr int kSaveText = 720;
constexpr int kStopText = 721;
constexpr int kCoachBtnText = 722;
constexpr int kKolbrinBtnText = 723;
constexpr int kPlayerBtnText = 724;
constexpr int kClubBtnText = 725;
constexpr int kCoachesBtnText = 726;
constexpr int kStadiumBtnText = 727;
constexpr int kLoansBtnText = 728;
constexpr int kCardsBtnText = 729;
constexpr int kSavedText = 731;
constexpr int kWagesCoveredText = 732;
constexpr int kLineupHintText = 734;
constexpr int kSpyBtnText = 131;
constexpr int kHistoryText = 124;
constexpr int kProfileText = 122;
constexpr int kRankingText = 126;
constexpr int kSearchText = 127;
constexpr int kAcquisitionsText = 350;
constexpr int kObservedText = 129;
constexpr int kTransfersText = 130;
constexpr int kOptionsText = 332;
constexpr int kQuitText = 333;
constexpr int kAboutText = 334;
constexpr int kSellMenuText = 337;
constexpr int kSeasonScorersText = 338;
constexpr int kAllTimeScorersText = 339;
constexpr int kAcquisitionsCaptionText = 351;

// The gauges show a value times ten.
constexpr int kMoraleMaximum = 60;
constexpr int kPerformanceMaximum = 30;
constexpr int kFinancesMaximum = 18;

constexpr int kNoCupSlot = 9999;

// A language text, and an amount in the career's currency.
QString Text(int n);
QString Money(const TWorld& world, std::int64_t amount);
// A label that can be clicked: a flat button.
QPushButton* LinkButton(QWidget* parent, const char* name);
QLabel* NamedLabel(QWidget* parent, const char* name);
// The sale price editor steps in the rounding bands of asking prices (in thousands).
int PriceStep(int thousands);

} // namespace prepare_game
