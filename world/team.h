#pragma once
// A club inside a running career: its file record, squad, coach, money, league and cup standing, and the
// valuations and the automatic line-up its preparation uses. What a club does before a matchday (the
// computer management: selling, buying, loans, stadium works) is in club/computer_management.
//
// The world owns the club, its players and its coach; the club's squad and coach only refer to them. The
// club owns its record, its stadium, its history, its last results and its calendar.
#include "foundation/kol_list.h"
#include "foundation/kol_object.h"
#include "world/coach.h"
#include "world/player.h"
#include "world/records.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class TTeamAttr;
class TTeamFile;
class TCalendar;
class TDivision;
class TWorld;

// Finance categories of BookMoney; any other category changes only the balance.
enum : int {
    fcReceipts = 1,
    fcSales = 2,
    fcPrizes = 3,
    fcPurchases = 21,
    fcWages = 22,
    fcStadium = 23,
    fcInterest = 24,
};
// The slot of a category in the seven season totals, or -1.
int FinanceSlot(int category);

// A computer club's asking price cut down to a round amount: multiples of 100 000 from 2 000 000, of
// 50 000 from 1 000 000, of 25 000 above 500 000, of 10 000 above 100 000, of 1 000 below.
std::int32_t CutAskingPrice(std::int64_t price);

// Flags of ChangeCoach / FindNewCoach.
enum : int {
    nfFromOtherClub = 0x100, // coaches of happier, weaker clubs may be hired away
    nfUnemployed = 0x200,    // coaches without a club may be hired
    nfNoHumans = 0x400,      // no human coach (the fifth division, or the last matchday)
};

// Wanted numbers of players by band = averageLevel div 20: goalkeepers, defenders, midfielders,
// forwards, spare, total.
struct TSquadTarget {
    std::array<int, 4> byPosition;
    int spare;
    int total;
};
extern const std::array<TSquadTarget, 6> squadTargets;
const TSquadTarget& SquadTargetFor(int averageLevel);

// Zeroed at every NewSeason.
struct TTeamSeasonBlock {
    std::int32_t played = 0, won = 0, drawn = 0, lost = 0, goalsFor = 0, goalsAgainst = 0, points = 0;
    std::array<std::uint8_t, 18> scheduleRow{};
    std::uint8_t cupEliminated = 0;
    std::array<std::int32_t, 7> financeTotals{}; // categories 1, 2, 3, 21, 22, 23, 24
    std::int16_t leaguePosition = 0;
    std::uint8_t retiringCount = 0;
    std::uint8_t tableStatus = 0;
};

// Zeroed before every matchday.
struct TTeamMatchBlock {
    std::int32_t benchCount = 0; // the bench size while choosing, then the substitutions still allowed
    std::int32_t matchGoals = 0;
    std::array<std::uint16_t, 4> lineStrength{};
    std::int32_t disallowedGoals = 0;
};

// CanSell reasons.
enum : int {
    csMaySell = 0,
    csSquadTooSmall = 1,
    csAlreadySold = 2,
    csContractRenewed = 3,
    csOfferedThisMatchday = 4,
    csLastGoalkeeper = 5,
    csRetiring = 6,
    csTooFewOutfield = 7,
};

// Column bits of the club's row text.
enum : int {
    tcName = 0x1,
    tcNameHuman = 0x2,
    tcPoints = 0x4,
    tcPositionPoints = 0x8,
    tcRecord = 0x10,
    tcLoan = 0x20,
    tcBalance = 0x40,
    tcMorale = 0x100,
    tcPrestige = 0x800,
    tcDivision = 0x1000,
    tcBoard = 0x2000,
};

class TTeam : public TKolObject {
public:
    static constexpr int EventLimit = 50;
    static constexpr int MaxSquad = 28;
    static constexpr int MaxForeign = 6;

    // A new, empty club: its id from the world's counter, no coach yet (a saved game looks the coach up by
    // id; a team file gives the club a new coach).
    explicit TTeam(TWorld& world);
    ~TTeam() override;
    TWorld& World() const { return world_; }

    // A career starts: the club, its players and its coach from a team file. The players and the coach
    // are appended to the world's lists; the caller appends the club to AllTeams.
    static std::unique_ptr<TTeam> CreateFromTeamFile(TWorld& world, const TTeamFile& file);

    std::unique_ptr<TTeamAttr> attr;
    std::int16_t id = 0;
    TKolList<TPlayer> players{false};
    TCoach* coach = nullptr;
    TStadium stadium;
    TTeamSeasonBlock season;
    TTeamMatchBlock match;
    TTeamEventList events{EventLimit};
    TKolList<TLastResult> lastResults{true};
    std::unique_ptr<TCalendar> calendar;
    std::int32_t loan = 0;
    long double priceFactor = 1.0L;
    std::array<std::uint8_t, 4> positionCounts{};
    std::uint8_t foreignCount = 0;
    std::uint8_t squadSize = 0;
    std::array<std::int32_t, 7> seasonTotals{};
    std::array<std::int32_t, 7> previousTotals{};
    std::int32_t leagueTitles = 0;
    std::int32_t cupTitles = 0;
    std::int16_t averageLevel = 0;
    std::int16_t purchasesThisSeason = 0;
    std::int16_t foreignPurchases = 0;
    std::int16_t salePlayerId = 0;
    long double salePriceFactor = 1.0L;
    std::int16_t cupSlot = 0;

    // ---- Held values ----
    // The balance is kept with a check copy that is always balance + 1.
    std::int32_t balance() const { return balance_; }
    void SetBalance(std::int32_t value) {
        balance_ = value;
        balanceCopy_ = value + 1;
    }
    std::int32_t BalanceCopy() const { return balanceCopy_; }
    bool BalanceIntact() const { return balanceCopy_ == balance_ + 1; }
    // A saved game restores both as stored.
    void SetStoredBalance(std::int32_t value, std::int32_t copy) {
        balance_ = value;
        balanceCopy_ = copy;
    }
    std::int32_t prestige() const { return prestigeStored_ - 11; }
    void SetPrestige(std::int32_t value) { prestigeStored_ = value + 11; }
    std::int32_t StoredPrestige() const { return prestigeStored_; }
    void SetStoredPrestige(std::int32_t v) { prestigeStored_ = v; }
    // Kept as what the 6-byte real of the saved game holds.
    long double supportFactor() const { return supportFactor_; }
    void SetSupportFactor(long double value);

    std::string Name() const;
    std::string ShortName() const;
    std::string Country() const;

    // ---- Squad ----
    // Counts him in; his foreign status is taken against the club's country.
    void AddPlayer(TPlayer& player);
    // The variant of transfers and the season logic: also his selection score and the asking prices.
    void AddPlayerPriced(TPlayer& player);
    // Takes him out (closing the gap) and out of the counters, then sets the asking prices.
    void RemovePlayer(TPlayer& player);
    TPlayer* PlayerAt(int index) const;
    int AverageLevel() const;
    std::int32_t WageBill() const;
    int CanSell(const TPlayer& player) const;
    // Called on the seller: the player is sold to `buyer` at `price` and stays in this list until the
    // pending transfers are executed.
    void CompleteTransfer(TPlayer& player, TTeam& buyer, std::int32_t price);
    // A transfer agreed (`kind` 1 at a listed price, 0 in an auction): it is appended to the world's last
    // transfers and the player leaves the observed list of the buyer's coach.
    void RecordTransfer(std::uint8_t kind, TPlayer& player, TTeam& buyer, std::int32_t price);
    // The asking prices of the squad (world/team_pricing): set again whenever the squad changes.
    void SetAskingPrices();
    long double NeedValue(const TPlayer& player) const;
    long double KeepValue(const TPlayer& player) const;
    void ExpireAbsences();
    // lineStrength[p] := the sum of selectionScore of the playing players of position p.
    void UpdateLineStrengths();
    // The relation (0 home, 1 assimilated, 2 foreign) of a nationality to this club's country.
    int RelationOf(const std::string& nationality) const;

    // ---- Money ----
    void BookMoney(int category, std::int32_t amount);
    void PayWages();
    void PayInterest();
    void TakeLoanStep();
    void RepayLoanStep();

    // ---- Season and matchday ----
    // `division` is the division whose list holds the club, or nullptr (no league: the calendar is
    // cleared).
    void NewSeason(TDivision* division);
    // The computer's automatic line-up (world/team_lineup): the squad shuffled, so that equal scores fall
    // by chance, then CompleteAutoLineup.
    void AutoLineup();
    // The choice of the automatic line-up without the shuffle: the best free players by score in a 1-3-3-2,
    // filled up to ten outfield players, and the bench. Players already placed keep their places, so on a
    // line-up this made it changes nothing (and takes the bench count again).
    void CompleteAutoLineup();
    void ChooseLineup(int goalkeepers, int defenders, int midfielders, int forwards, bool withBench);
    void ChangeCoach(int flags);
    TCoach* FindNewCoach(int flags);
    TDivision* Division() const;
    // The coach is a person at the screen now (IsHumanActive): the club screen prepares its matches.
    bool IsHumanRun() const;
    // The coach is a person (isHuman), even while on holiday.
    bool HasHumanCoach() const;

    // ---- After a match ----
    void ApplyResultToLevels(int referenceLevel);
    void FormUpAll();
    void FormDownAll();

    // ---- Display ----
    std::string GetListText(int mask) const override;
    void SetupColumns(TColumnList& header, bool numbered, int a, int b) const override;
    TColor TextColor() const override;
    TColor BackColor() const override;
    // A selected row keeps the club's text colour: on a background it reads on.
    TColor SelectedBackColor() const override;
    // The squad's morale: the sum of the players' form over the squad size less two (a squad of two or fewer
    // is averaged over itself); green from 4, yellow from 2, red below.
    long double Morale() const;
    TColor MoraleColour() const;
    TColor SatisfactionColour() const;

private:
    TWorld& world_;
    std::int32_t balance_ = 0;
    std::int32_t balanceCopy_ = 1;
    std::int32_t prestigeStored_ = 11;
    long double supportFactor_ = 1.0L;
};
