#include "world/calendar.h"

#include "foundation/money_format.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "world/division_schedule.h"
#include "world/records.h"
#include "world/team.h"
#include "world/world.h"

#include <stdexcept>

namespace {

// Header texts and widths of the calendar's columns.
constexpr int kMatchdayText = 133, kOpponentText = 134, kVenueText = 135, kScoreText = 136,
              kReceiptsText = 137, kRefereeText = 92;
constexpr int kMatchdayWidth = 20, kOpponentWidth = 155, kVenueWidth = 70, kScoreWidth = 70,
              kReceiptsWidth = 90, kRefereeWidth = 200;
// Home, away and neutral ground: the row shows the first letter of these texts.
constexpr int kVenueTexts[3] = {279, 281, 283};
constexpr int kCompetitionMarkText = 403;

} // namespace

std::string TCalendarEntry::GetListText(int /*mask*/) const {
    const TWorld& world = World();
    TRowMarkup row;
    row.Cell(kMatchdayWidth, isCup ? std::string() : std::to_string(matchday));
    const TTeam* opponent = world.TeamById(opponentId);
    row.Cell(kOpponentWidth, opponent ? opponent->Name() : std::string());
    std::string venue;
    if (away >= 0 && away <= 2) venue = GetText(kVenueTexts[away]).substr(0, 1);
    row.Cell(kVenueWidth, venue);
    row.Cell(kScoreWidth,
             Played() ? std::to_string(goalsFor) + " - " + std::to_string(goalsAgainst) : std::string());
    // The competition mark shares the receipts column, after the amount.
    std::string money = receipts != 0 ? FormatMoney(receipts, world.CurrencyRecord.suffix) : std::string();
    if (competitionKind == 1) money += (money.empty() ? "" : " ") + GetText(kCompetitionMarkText);
    row.Cell(kRowAlignRight, kReceiptsWidth, money);
    const TReferee* referee = refereeId != 0 ? world.RefereeById(refereeId) : nullptr;
    row.Cell(kRefereeWidth, referee ? referee->Name() : std::string());
    return row.Text();
}

void TCalendarEntry::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kMatchdayText), kMatchdayWidth);
    AddColumn(header, GetText(kOpponentText), kOpponentWidth);
    AddColumn(header, GetText(kVenueText), kVenueWidth);
    AddColumn(header, GetText(kScoreText), kScoreWidth);
    AddColumn(header, GetText(kReceiptsText), kReceiptsWidth);
    AddColumn(header, GetText(kRefereeText), kRefereeWidth);
}

TColor TCalendarEntry::TextColor() const {
    return isCup ? kRowGreen : kRowBlue;
}

TColor TCalendarEntry::BackColor() const {
    return away == 0 ? 0xC0C0C0 : kRowWhite;
}

void TCalendar::BuildLeagueCalendar(const std::vector<std::int16_t>& divisionClubIds, int clubIndex) {
    if (divisionClubIds.size() != static_cast<std::size_t>(kLeagueClubs) || clubIndex < 0 ||
        clubIndex >= kLeagueClubs)
        throw std::invalid_argument("a league calendar needs ten clubs and a club among them");
    Clear();
    for (int m = 1; m <= kLeagueMatchdays; ++m) {
        auto* entry = new TCalendarEntry(*world_);
        entry->matchday = static_cast<std::int16_t>(m);
        entry->opponentId = divisionClubIds[static_cast<std::size_t>(OpponentIndex(clubIndex, m))];
        entry->away = PlaysAway(clubIndex, m) ? 1 : 0;
        Add(entry);
    }
}

void TCalendar::BuildLeagueCalendar(const TKolList<TTeam>& divisionClubs, int clubIndex) {
    std::vector<std::int16_t> ids;
    for (const TTeam* team : divisionClubs) ids.push_back(team ? team->id : 0);
    BuildLeagueCalendar(ids, clubIndex);
}

TCalendarEntry* TCalendar::InsertCupEntry(std::int16_t opponentId, std::int16_t away) {
    auto* entry = new TCalendarEntry(*world_);
    entry->isCup = 1;
    entry->opponentId = opponentId;
    entry->away = away;
    for (int i = 0; i < Count(); ++i) {
        const TCalendarEntry* e = Items(i);
        if (e && !e->Played() && (e->competitionKind == 0 || e->competitionKind == 2)) {
            Insert(i, entry);
            return entry;
        }
    }
    Add(entry);
    return entry;
}

TCalendarEntry* TCalendar::NextEntry(int kind) const {
    for (TCalendarEntry* e : *this)
        if (e && !e->Played() && (e->competitionKind == kind || e->competitionKind == 2)) return e;
    return nullptr;
}
