#include "world/records.h"

#include "datafiles/referee_attr.h"
#include "foundation/format_text.h"
#include "foundation/numeric.h"
#include "foundation/reals.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "world/money_rules.h"
#include "world/world.h"
#include "world/world_texts.h"

#include <algorithm>

namespace {
// The price column of the last transfers: room for "12 345 000" and a currency suffix.
constexpr int kPriceWidth = 110;

std::string TeamName(const TWorld& world, std::int32_t id) {
    const TTeam* team = id > 0 && id <= 0x7FFF ? world.TeamById(static_cast<std::int16_t>(id)) : nullptr;
    return team != nullptr ? team->ShortName() : std::string();
}

std::string CoachName(const TWorld& world, std::int16_t id) {
    const TCoach* coach = id > 0 ? world.CoachById(id) : nullptr;
    return coach != nullptr ? coach->Name() : std::string();
}

// The name of the division a club is in now (events of promotion and relegation name it).
std::string DivisionName(const TWorld& world, std::int16_t teamId) {
    const TDivision* division = world.DivisionOfTeamId(teamId);
    return division != nullptr ? division->name : std::string();
}

} // namespace

// ---- TLash ----

TLash::TLash(const TWorld& world, std::int16_t coachId, std::int32_t teamId, bool dismissed)
    : coachId(coachId), teamId(teamId), dismissed(dismissed ? 1 : 0), world_(&world) {}

std::string TLash::GetListText(int /*mask*/) const {
    TRowMarkup row;
    if (coachId == 0) return row.Cell(300, "").Text();
    const TCoach* coach = world_->CoachById(coachId);
    const std::string coachName = coach != nullptr ? coach->Name() : std::string();
    const bool human = coach != nullptr && coach->isHuman;
    std::string text;
    if (dismissed)
        text = Format(GetText(kTxtCoachDismissed), {coachName, TeamName(*world_, teamId)});
    else if (teamId != 0)
        text = Format(GetText(kTxtCoachMoves), {coachName, TeamName(*world_, teamId)});
    else
        text = Format(GetText(kTxtCoachTakesOver), {coachName});
    return row.Cell(human ? kRowBoldOn : 0, 300, text).Text();
}

void TLash::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, "", 300);
}

// ---- Events ----

void THistoryEvent::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kTxtColYear), 40);
    AddColumn(header, "", 300);
}

std::string TCoachEvent::GetListText(int /*mask*/) const {
    static constexpr int kTexts[13] = {0, 107, 108, 99, 100, 101, 103, 102, 104, 105, 106, 97, 98};
    std::string text;
    if (kind >= 1 && kind <= 12) {
        const std::string format = GetText(kTexts[kind]);
        switch (kind) {
        case 1:
        case 5:
        case 6:
        case 7:
            text = Format(format, {TeamName(World(), otherId)});
            break;
        case 11:
        case 12:
            text = Format(format, {DivisionName(World(), otherId)});
            break;
        default:
            text = format;
            break;
        }
    }
    TRowMarkup row;
    row.Cell(40, std::to_string(season)).Cell(300, text);
    return row.Text();
}

std::string TTeamEvent::GetListText(int /*mask*/) const {
    static constexpr int kTexts[8] = {0, 109, 110, 104, 105, 106, 97, 98};
    std::string text;
    if (kind >= 1 && kind <= 7) {
        const std::string format = GetText(kTexts[kind]);
        // A club's promotion and relegation name the division it went to: the one it is in now.
        const TTeam* self = nullptr;
        for (const TTeam* team : World().AllTeams)
            if (team != nullptr && team->events.Contains(this)) self = team;
        text = kind >= 6 ? Format(format, {self != nullptr ? DivisionName(World(), self->id) : std::string()})
                         : format;
    }
    TRowMarkup row;
    row.Cell(40, std::to_string(season)).Cell(300, text);
    return row.Text();
}

// ---- TLastResult ----

std::string TLastResult::GetListText(int mask) const {
    return GetListTextEx(mask, 0);
}

std::string TLastResult::GetListTextEx(int /*mask*/, int selector) const {
    const int mine = selector == 0 ? homeGoals : awayGoals;
    const int theirs = selector == 0 ? awayGoals : homeGoals;
    std::string competitionName;
    if (competition == 1) competitionName = GetText(kTxtCup);
    if (competition == 2) competitionName = GetText(kTxtFriendly);
    const TReferee* referee = refereeId > 0 ? world_->RefereeById(refereeId) : nullptr;
    TRowMarkup row;
    row.Cell(40, std::to_string(season))
        .Cell(40, std::to_string(mine) + ":" + std::to_string(theirs))
        .Cell(50, competitionName)
        .Cell(200, referee != nullptr ? referee->Name() : std::string());
    return row.Text();
}

void TLastResult::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kTxtColYear), 40);
    AddColumn(header, GetText(kTxtColScore), 40);
    AddColumn(header, GetText(kTxtColCompetition), 50);
    AddColumn(header, GetText(kTxtColReferee), 200);
}

// ---- TStadium ----

void TStadium::SetFillRatio(long double value) {
    fillRatio_ = RoundToReal48(value);
}

bool TStadium::Enlarge() {
    if (size > MaxSize - 1) return false;
    ++size;
    SetFillRatio(0.6L);
    return true;
}

std::int32_t TStadium::EnlargeCost(long double priceIndex, std::int32_t moneyMultiplier) const {
    return StadiumWorksCost(size, priceIndex, moneyMultiplier);
}

std::int32_t TStadium::AdmitSpectators(std::int32_t crowd) {
    const std::int32_t admitted = std::min(crowd, Capacity());
    long double fill = fillRatio_;
    // The weight is the 6-byte real nearest to 0.9, as the ratio is kept in that format.
    SmoothReal48(fill, RoundToReal48(0.9L), static_cast<long double>(admitted) / (Capacity() + 1));
    fillRatio_ = fill;
    return admitted;
}

// ---- TReferee ----

TReferee::TReferee(std::int16_t id, std::unique_ptr<TRefereeAttr> attr) : id(id), attr(std::move(attr)) {
    if (!this->attr) this->attr = std::make_unique<TRefereeAttr>();
}
TReferee::~TReferee() = default;

std::string TReferee::Name() const {
    return attr->Name();
}
std::string TReferee::Country() const {
    return attr->Country();
}

std::string TReferee::GetListText(int /*mask*/) const {
    TRowMarkup row;
    row.Cell(200, Name()).Cell(35, Country());
    return row.Text();
}

void TReferee::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kTxtColReferee), 200);
    AddColumn(header, GetText(kTxtColNationality), 35);
}

// ---- TLastWinners ----

std::string TLastWinners::GetListText(int /*mask*/) const {
    TRowMarkup row;
    row.Cell(40, std::to_string(season))
        .Cell(140, TeamName(*world_, championId))
        .Cell(140, CoachName(*world_, championCoachId))
        .Cell(140, TeamName(*world_, cupWinnerId))
        .Cell(140, CoachName(*world_, cupWinnerCoachId));
    return row.Text();
}

void TLastWinners::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kTxtColYear), 40);
    AddColumn(header, GetText(kTxtColLeagueChampions), 140);
    AddColumn(header, "", 140);
    AddColumn(header, GetText(kTxtColCupWinners), 140);
    AddColumn(header, "", 140);
}

// ---- TLastTransfer ----

std::string TLastTransfer::GetListText(int /*mask*/) const {
    TRowMarkup row;
    const std::string name = player != nullptr ? player->DisplayName() : std::string();
    const std::string pos =
        player != nullptr ? TPlayer::PositionShortName(player->position()) : std::string();
    // Level and age as in the player rows (left, under their left-justified titles); the price as every
    // amount, grouped with the currency's suffix.
    row.Cell(35, pos)
        .Cell(120, name)
        .Cell(40, std::to_string(level))
        .Cell(40, std::to_string(age))
        .Cell(140, TeamName(*world_, sellerId))
        .Cell(buyerHuman ? kRowBoldOn : 0, 140, TeamName(*world_, buyerId))
        .Cell(buyerHuman ? kRowBoldOff : 0, kPriceWidth,
              FormatThousands(price, ' ') + world_->CurrencyRecord.suffix);
    return row.Text();
}

void TLastTransfer::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kTxtColPosition), 35);
    AddColumn(header, GetText(kTxtColName), 120);
    AddColumn(header, GetText(kTxtColLevel), 40);
    AddColumn(header, GetText(kTxtColAge), 40);
    AddColumn(header, GetText(kTxtColClub), 140);
    AddColumn(header, GetText(kTxtColClub), 140);
    AddColumn(header, GetText(kTxtColPrice), kPriceWidth);
}
