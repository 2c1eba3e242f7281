#include "world/team.h"

#include "datafiles/countries.h"
#include "datafiles/team_attr.h"
#include "datafiles/team_file.h"
#include "foundation/format_text.h"
#include "foundation/numeric.h"
#include "foundation/reals.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "world/calendar.h"
#include "world/money_rules.h"
#include "world/world.h"
#include "world/world_texts.h"

#include <algorithm>

const std::array<TSquadTarget, 6> squadTargets = {{
    {{2, 6, 5, 3}, 0, 16},
    {{3, 6, 5, 4}, 0, 18},
    {{3, 7, 6, 4}, 0, 20},
    {{4, 9, 9, 7}, 0, 27},
    {{4, 10, 9, 8}, 0, 28},
    {{4, 10, 10, 8}, 0, 28},
}};

// Levels run 1..100, so the band is 0..5; anything outside (a damaged value) takes the nearest band.
const TSquadTarget& SquadTargetFor(int averageLevel) {
    return squadTargets[static_cast<std::size_t>(std::clamp(averageLevel / 20, 0, 5))];
}

int FinanceSlot(int category) {
    switch (category) {
    case fcReceipts:
        return 0;
    case fcSales:
        return 1;
    case fcPrizes:
        return 2;
    case fcPurchases:
        return 3;
    case fcWages:
        return 4;
    case fcStadium:
        return 5;
    case fcInterest:
        return 6;
    default:
        return -1;
    }
}

TTeam::TTeam(TWorld& world)
    : attr(std::make_unique<TTeamAttr>()), id(world.NewObjectId()),
      calendar(std::make_unique<TCalendar>(world)), world_(world) {
    SetSupportFactor(1.0L);
}

TTeam::~TTeam() = default;

std::unique_ptr<TTeam> TTeam::CreateFromTeamFile(TWorld& world, const TTeamFile& file) {
    auto team = std::make_unique<TTeam>(world);
    // The coach is created with the club (and so takes the id after the club's); the players follow.
    auto coach = std::make_unique<TCoach>(world);
    team->priceFactor = 1.0L;
    *team->attr = file.team;
    world.Port().ProgressPosition(-1, team->ShortName());
    for (const TPlayerAttr& record : file.players) {
        auto player = std::make_unique<TPlayer>(world);
        *player->attr = record;
        player->SetupFromRecord();
        team->AddPlayer(*player);
        world.AllPlayers.Add(player.release());
    }
    *coach->attr = file.coach;
    team->coach = coach.get();
    world.AllCoaches.Add(coach.release());
    team->coach->SetCurrentClub(team.get());
    team->SetSupportFactor(1.0L);
    return team;
}

void TTeam::SetSupportFactor(long double value) {
    supportFactor_ = RoundToReal48(value);
}

std::string TTeam::Name() const {
    return attr->Name();
}
std::string TTeam::ShortName() const {
    return attr->ShortName();
}
std::string TTeam::Country() const {
    return attr->Country();
}

int TTeam::RelationOf(const std::string& nationality) const {
    return NationalityRelation(nationality, Country());
}

bool TTeam::IsHumanRun() const {
    return coach != nullptr && coach->IsHumanActive();
}

bool TTeam::HasHumanCoach() const {
    return coach != nullptr && coach->isHuman;
}

// ---- Squad ----

void TTeam::AddPlayer(TPlayer& player) {
    players.Add(&player);
    ++positionCounts[static_cast<std::size_t>(player.position() & 3)];
    ++squadSize;
    player.foreignStatus = static_cast<std::uint8_t>(RelationOf(player.nationality()));
    if (player.foreignStatus == 2) ++foreignCount;
}

void TTeam::AddPlayerPriced(TPlayer& player) {
    AddPlayer(player);
    player.ComputeSelectionScore();
    SetAskingPrices();
}

void TTeam::RemovePlayer(TPlayer& player) {
    // A player who is not in the list leaves the counters alone, so they can never run below zero.
    if (players.Remove(&player) < 0) return;
    --positionCounts[static_cast<std::size_t>(player.position() & 3)];
    if (player.foreignStatus == 2) --foreignCount;
    --squadSize;
    SetAskingPrices();
}

TPlayer* TTeam::PlayerAt(int index) const {
    return index >= 0 && index < players.Count() ? players[index] : nullptr;
}

int TTeam::AverageLevel() const {
    long double sum = 0;
    int count = 0;
    for (const TPlayer* player : players) {
        if (player == nullptr) continue;
        sum += player->level();
        ++count;
    }
    return count == 0 ? 0 : static_cast<int>(nearest(sum / count));
}

std::int32_t TTeam::WageBill() const {
    std::int64_t sum = 0;
    for (const TPlayer* player : players)
        if (player != nullptr && player->soldToTeamId == 0) sum += player->salary();
    return static_cast<std::int32_t>(sum);
}

int TTeam::CanSell(const TPlayer& player) const {
    const int floor = 14 - season.retiringCount;
    if (floor >= squadSize || floor >= players.Count()) return csSquadTooSmall;
    if (player.soldToTeamId > 0) return csAlreadySold;
    if (player.season.contractRenewed) return csContractRenewed;
    if (player.matchState.offeredThisMatchday) return csOfferedThisMatchday;
    if (player.position() == 0 && positionCounts[0] < 2) return csLastGoalkeeper;
    if (player.position() != 0 && squadSize - positionCounts[0] <= 10) return csTooFewOutfield;
    if (player.retiring) return csRetiring;
    return csMaySell;
}

void TTeam::CompleteTransfer(TPlayer& player, TTeam& buyer, std::int32_t price) {
    player.soldToTeamId = buyer.id;
    // He plays on for this club until the round ends, but no longer counts here.
    RemovePlayer(player);
    players.Add(&player);
    BookMoney(fcSales, price);
    buyer.BookMoney(fcPurchases, -price);
    player.saleMode = 0;
    RecordTransfer(1, player, buyer, price);
    ++buyer.purchasesThisSeason;
    if (buyer.RelationOf(player.nationality()) == 2) ++buyer.foreignPurchases;
}

void TTeam::RecordTransfer(std::uint8_t kind, TPlayer& player, TTeam& buyer, std::int32_t price) {
    auto record = std::make_unique<TLastTransfer>(world_);
    record->kind = kind;
    record->sellerId = id;
    record->buyerId = buyer.id;
    record->price = price;
    record->level = static_cast<std::int16_t>(player.level());
    record->age = static_cast<std::uint8_t>(player.age());
    record->buyerHuman = buyer.HasHumanCoach() ? 1 : 0;
    record->player = &player;
    world_.LastTransfersList.Add(record.release());
    if (buyer.coach != nullptr) buyer.coach->RemoveObserved(player);
}

void TTeam::ExpireAbsences() {
    for (TPlayer* player : players) {
        if (player == nullptr) continue;
        if (player->suspendedGames > 0) --player->suspendedGames;
        if (player->injuredGames > 0) --player->injuredGames;
    }
}

void TTeam::UpdateLineStrengths() {
    std::array<std::uint32_t, 4> sums{};
    for (const TPlayer* player : players)
        if (player != nullptr && player->matchState.lineupRole == 1)
            sums[static_cast<std::size_t>(player->position() & 3)] +=
                static_cast<std::uint16_t>(player->selectionScore);
    for (std::size_t p = 0; p < 4; ++p) match.lineStrength[p] = static_cast<std::uint16_t>(sums[p]);
}

// ---- Money ----

void TTeam::BookMoney(int category, std::int32_t amount) {
    SetBalance(
        static_cast<std::int32_t>(static_cast<std::uint32_t>(balance_) + static_cast<std::uint32_t>(amount)));
    const int slot = FinanceSlot(category);
    if (slot >= 0) season.financeTotals[static_cast<std::size_t>(slot)] += amount;
}

void TTeam::PayWages() {
    BookMoney(fcWages, -WageBill());
}
void TTeam::PayInterest() {
    BookMoney(fcInterest, -Interest(loan));
}

void TTeam::TakeLoanStep() {
    SetBalance(balance_ + world_.MoneyStep());
    loan += world_.MoneyStep();
}

void TTeam::RepayLoanStep() {
    SetBalance(balance_ - world_.MoneyStep());
    loan -= world_.MoneyStep();
}

TDivision* TTeam::Division() const {
    return world_.DivisionOfTeam(*this);
}

// ---- Display ----

TColor TTeam::SatisfactionColour() const {
    if (supportFactor_ > 1.3L) return kRowGreen;
    if (supportFactor_ <= 0.7L) return kRowRed;
    return kRowYellow;
}

long double TTeam::Morale() const {
    long double sum = 0;
    int count = 0;
    for (const TPlayer* player : players) {
        if (player == nullptr) continue;
        sum += player->form;
        ++count;
    }
    // The mean leaves two players out; a squad of two or fewer is averaged over itself instead of
    // dividing by zero or less.
    const int divisor = count > 2 ? count - 2 : std::max(count, 1);
    return sum / divisor;
}

TColor TTeam::MoraleColour() const {
    const long double mean = Morale();
    if (mean >= 4) return kRowGreen;
    if (mean >= 2) return kRowYellow;
    return kRowRed;
}

std::string TTeam::GetListText(int mask) const {
    TRowMarkup row;
    if (mask & tcName) row.Cell(180, ShortName());
    if (mask & tcNameHuman) {
        const bool human = HasHumanCoach();
        row.Cell(human ? kRowBoldOn : 0, 140, ShortName());
        if (human) row.Cell(kRowBoldOff, 0, "");
    }
    if (mask & tcDivision) {
        const TDivision* division = Division();
        row.Cell(130, division != nullptr ? division->name : std::string());
    }
    if (mask & tcPoints) row.Cell(kRowAlignRight, 60, std::to_string(season.points));
    if (mask & tcPrestige) row.Cell(kRowAlignRight, 60, std::to_string(prestige()));
    if (mask & tcPositionPoints)
        row.Cell(170, Format(GetText(kTxtPositionPoints), {season.leaguePosition, season.points}));
    if (mask & tcRecord)
        row.Cell(170, std::to_string(season.won) + " " + std::to_string(season.drawn) + " " +
                          std::to_string(season.lost) + " " + std::to_string(season.goalsFor) + ":" +
                          std::to_string(season.goalsAgainst) + " " + std::to_string(season.points));
    if (mask & tcLoan) row.Cell(kRowAlignRight, 80, FormatThousands(loan, ' '));
    if (mask & tcBalance) row.Cell(kRowAlignRight, 100, FormatThousands(balance_, ' '));
    // The board and morale columns carry their titles only: a club's row leaves them blank (the club
    // screen shows the two moods by colour).
    if (mask & tcBoard) row.Cell(100, std::string());
    if (mask & tcMorale) row.Cell(100, std::string());
    return row.Text();
}

void TTeam::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    if (a & tcName) AddColumn(header, GetText(kTxtColClub), 180);
    if (a & tcNameHuman) AddColumn(header, GetText(kTxtColClub), 140);
    if (a & tcDivision) AddColumn(header, GetText(kTxtColDivision), 130);
    if (a & tcPoints) AddColumn(header, GetText(kTxtColPoints), 60);
    if (a & tcPrestige) AddColumn(header, GetText(kTxtColPoints), 60);
    if (a & tcPositionPoints) AddColumn(header, GetText(kTxtColStandings), 170);
    if (a & tcRecord) AddColumn(header, GetText(kTxtColStandings), 170);
    if (a & tcLoan) AddColumn(header, GetText(kTxtColLoan), 80);
    if (a & tcBalance) AddColumn(header, GetText(kTxtColBalance), 100);
    if (a & tcBoard) AddColumn(header, GetText(kTxtColBoard), 100);
    if (a & tcMorale) AddColumn(header, GetText(kTxtColMorale), 100);
}

TColor TTeam::TextColor() const {
    return attr->Color1();
}
TColor TTeam::BackColor() const {
    return attr->Color2();
}
TColor TTeam::SelectedBackColor() const {
    return SelectedBackUnder(TextColor());
}
