#include "world/division.h"

#include "foundation/format_text.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "world/coach.h"
#include "world/division_schedule.h"
#include "world/division_standing.h"
#include "world/game_factory.h"
#include "world/team.h"
#include "world/world.h"

#include <algorithm>

namespace {

constexpr int kFirstDivisionNameText = 144;
constexpr int kNumberedDivisionText = 404;
constexpr int kMatchdayTitleText = 406;
constexpr int kDivisionHeaderText = 33;
constexpr int kDivisionColumnWidth = 130;

// The share of its starting wealth a division holds never counts for less than a tenth.
constexpr long double kMinWealthShare = 0.1L;

} // namespace

std::string DivisionName(int index) {
    const std::string text = index >= 0 && index < TDivision::kDivisionCount
                                 ? GetText(kFirstDivisionNameText + index)
                                 : Format(GetText(kNumberedDivisionText), {index});
    return text.substr(0, TDivision::kNameWidth);
}

TDivision::TDivision(TWorld& world, int index)
    : referenceLevel(static_cast<std::int16_t>(110 - 30 * index)), name(DivisionName(index)),
      winPrestige(8 - 2 * index), world_(&world) {}

TDivision::TDivision(TWorld& world) : world_(&world) {}

TTeam* TDivision::ClubAt(int index) const {
    if (index < 0 || index >= teams.Count()) return nullptr;
    return teams[index];
}

int TDivision::Index() const {
    return world_->Divisions.IndexOf(this);
}

void TDivision::GenerateRound(int matchday) {
    teams.Pack();
    std::int64_t computerBalance = 0;
    for (const TTeam* team : teams)
        if (!team->HasHumanCoach()) computerBalance += team->balance();
    // A division whose clubs started without any money has no share to measure: its clubs count as poor.
    // A division in debt keeps the quotient of its two sums.
    long double x =
        totalBalance != 0 ? static_cast<long double>(computerBalance) / totalBalance : kMinWealthShare;
    if (x < kMinWealthShare) x = kMinWealthShare;
    for (TTeam* team : teams) team->priceFactor = 0.9L * team->priceFactor + 0.1L * x;

    // The division's own list is put in the order of this matchday's slots, so that slots 2k-1 and 2k make
    // a game. The season loop sorts it back into table order right after, and clubs level on everything
    // then keep this slot order: the order of the list is part of the rules.
    const std::size_t column = static_cast<std::size_t>(std::clamp(matchday, 1, kLeagueMatchdays) - 1);
    SortList(teams, [column](const TTeam* earlier, const TTeam* later) {
        return earlier->season.scheduleRow[column] <= later->season.scheduleRow[column];
    });
    const std::vector<TTeam*> ordered(teams.begin(), teams.end());
    CreateCompetitionGames(*world_, ordered, 0, Format(GetText(kMatchdayTitleText), {matchday}), winPrestige,
                           0, 0, name);
}

void TDivision::SortTable() {
    teams.Pack();
    SortList(teams, [](const TTeam* earlier, const TTeam* later) {
        return StandingInOrder(
            {earlier->season.points, earlier->season.goalsFor, earlier->season.goalsAgainst},
            {later->season.points, later->season.goalsFor, later->season.goalsAgainst});
    });
}

void TDivision::ClassifyTable(int matchday) {
    teams.Pack();
    std::vector<std::int32_t> points;
    for (const TTeam* team : teams) points.push_back(team->season.points);
    const std::vector<std::uint8_t> status = ClassifyStatuses(points, matchday, Index() == 0);
    for (int k = 0; k < teams.Count(); ++k) {
        teams[k]->season.leaguePosition = static_cast<std::int16_t>(k + 1);
        teams[k]->season.tableStatus = status[static_cast<std::size_t>(k)];
    }
}

void TDivision::NewSeasonAll(bool hasDivision) {
    teams.Pack();
    for (TTeam* team : teams) team->NewSeason(hasDivision ? this : nullptr);
}

void TDivision::ComputeTotalBalance() {
    std::int64_t sum = 0;
    for (const TTeam* team : teams)
        if (team) sum += team->balance();
    totalBalance = static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

std::string TDivision::GetListText(int /*mask*/) const {
    return TRowMarkup().Cell(kDivisionColumnWidth, name).Text();
}

void TDivision::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kDivisionHeaderText), kDivisionColumnWidth);
}

void CreateDivisions(TWorld& world) {
    for (int i = 0; i < TDivision::kDivisionCount; ++i) world.Divisions.Add(new TDivision(world, i));
}

TDivision* DivisionAt(const TKolList<TDivision>& divisions, int index) {
    if (index < 0 || index >= divisions.Count()) return nullptr;
    return divisions[index];
}

void ApplyLevelEvolution(TKolList<TDivision>& divisions) {
    for (int d = 0; d < TDivision::kLeagueCount && d < divisions.Count(); ++d) {
        TDivision* division = divisions[d];
        if (!division) continue;
        for (int j = 0; j < division->teams.Count(); ++j)
            if (TTeam* team = division->teams[j]) team->ApplyResultToLevels(division->referenceLevel - 4 * j);
    }
}
