#include "world/player.h"

#include "datafiles/player_attr.h"
#include "foundation/format_text.h"
#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "world/team.h"
#include "world/world.h"
#include "world/world_texts.h"

#include <algorithm>
#include <cmath>

TPlayer::TPlayer(TWorld& world)
    : id(world.NewObjectId()), attr(std::make_unique<TPlayerAttr>()), world_(world) {
    SetAge(attr->Age());
}

TPlayer::TPlayer(TWorld& world, std::int16_t knownId)
    : id(knownId), attr(std::make_unique<TPlayerAttr>()), world_(world) {}

TPlayer::~TPlayer() = default;

int TPlayer::position() const {
    return attr->Position();
}
bool TPlayer::IsStar() const {
    return attr->IsStar();
}
int TPlayer::behaviour() const {
    return attr->Behaviour();
}
std::string TPlayer::nationality() const {
    return attr->Nationality();
}
std::string TPlayer::PlainName() const {
    return attr->Name();
}
std::string TPlayer::DisplayName() const {
    return attr->DisplayName();
}

void TPlayer::SetupFromRecord() {
    SetAge(attr->Age());
    DeriveHiddenNumbers();
}

void TPlayer::DeriveHiddenNumbers() {
    int sum = 0;
    for (const char c : DisplayName()) sum += static_cast<std::uint8_t>(c);
    scoringWeight = static_cast<std::int16_t>(sum % 10);
    if (IsStar() && scoringWeight < 8) scoringWeight = 8;
    injuryProneness = static_cast<std::int16_t>(sum % 11);
}

void TPlayer::ComputeSelectionScore() {
    selectionScore =
        static_cast<std::int16_t>(form + level() + 3 * (IsStar() ? 1 : 0) + 3 * (foreignStatus == 0 ? 1 : 0));
}

void TPlayer::SignContract(std::int32_t newSalary) {
    SetSalary(newSalary);
    matchState.lineupRole = 0;
    season.contractRenewed = 1;
    askingPrice = 0;
    form = 3;
    saleMode = 0;
}

void TPlayer::Rejuvenate() {
    SetAge(17);
    SetLevel(1);
    career = TPlayerCareerBlock{};
    suspendedGames = 0;
    injuredGames = 0;
    SetSalary(0);
    foreignStatus = 0;
    form = 3;
    askingPrice = 0;
    saleMode = 0;
    retiring = 0;
}

std::int32_t TPlayer::BasePrice() const {
    if (level() <= 0) return 0;
    const long double m = world_.MoneyMultiplier();
    const long double character =
        1.0L - behaviour() * 0.04L - injuryProneness * 0.02L + scoringWeight * 0.02L;
    const std::int64_t b = nearest(Power(level(), 1.04L) * m * world_.PriceIndex * character * 1000.0L);
    if (age() <= 22) return static_cast<std::int32_t>(nearest(b * 1.3L));
    if (age() <= 32) return static_cast<std::int32_t>(b);
    return static_cast<std::int32_t>(nearest(b * 0.7L));
}

std::int32_t TPlayer::MarketValue(long double priceFactor) const {
    const long double m = world_.MoneyMultiplier();
    const long double raw = Power(level() + 1, 1.04L) * std::sqrt(priceFactor) * m * world_.PriceIndex *
                            35.0L * Power(1000.0L, 0.04L) * 0.02L / m;
    std::int64_t v = nearest(raw) * 50 * static_cast<std::int64_t>(m);
    v = std::clamp<std::int64_t>(v, 50 * static_cast<std::int64_t>(m), 50000 * static_cast<std::int64_t>(m));
    if (injuredGames > 0) v = std::max<std::int64_t>(v, salary());
    return static_cast<std::int32_t>(v);
}

std::int32_t TPlayer::EvaluateOffers() const {
    const long double base = BasePrice() * 3.5L;
    int matching = 0;
    long double weights = 0, prices = 0, levels = 0;
    for (const TLastTransfer* record : world_.LastTransfersList) {
        if (record == nullptr || record->player == nullptr) continue;
        const TPlayer& other = *record->player;
        if (other.position() != position()) continue;
        ++matching;
        if (record->buyerHuman) continue;
        const long double da = static_cast<long double>(record->age) - age();
        const long double dl = static_cast<long double>(record->level) - level();
        long double w = 1.0L / (da * da + 50.0L) + 1.0L / (dl * dl + 50.0L);
        if (other.nationality() == nationality()) w *= 4;
        if (other.IsStar() == IsStar()) w *= 4;
        weights += w;
        prices += record->price * w;
        levels += record->level * w;
    }
    long double estimate = base;
    // Without a single transfer to a computer club there is no market price to read; the base price
    // stands then, rather than a division by zero.
    if (matching >= 5 && weights > 0 && levels > 0) {
        estimate = level() * (prices / weights) / (levels / weights);
        if (matching < 10) estimate = (2 * estimate + base) / 3;
    }
    return static_cast<std::int32_t>(nearest(static_cast<long double>(nearest(estimate)) / 10000.0L) * 10000);
}

int TPlayer::DuelStrength() const {
    return static_cast<int>(nearest(level() * (position() + 1) * (scoringWeight * 0.1L + 1.0L) / 6.0L));
}

int TPlayer::ResolveDuel(const TPlayer& opponent) const {
    const int a = Random(DuelStrength());
    const int b = Random(opponent.level());
    if (Random(4) == 0) {
        if (a < 4) return 5;
        if (a < 10) return 6;
        if (a < 12) return 4;
        if (a < 13) return 3;
    }
    return a < b ? 2 : 1;
}

// The draw is made only when the form can still move, so a player at the limit leaves the generator
// untouched.
void TPlayer::FormUp() {
    if (form < 6 && Random(2) == 0) ++form;
}

void TPlayer::FormDown() {
    if (form > 0 && Random(2) == 0) --form;
}

char TPlayer::FormArrow() const {
    if (form > 4) return static_cast<char>(239);
    if (form < 2) return static_cast<char>(237);
    return ' ';
}

TTeam* TPlayer::Club() const {
    return world_.TeamByPlayerId(id);
}

// ---- Display ---------------------------------------------------------------------------------------------

namespace {

// Builds a row in which a marked cell's colour is taken back at the next cell, so that every mark stays
// on its own cell.
class TMarkedRow {
public:
    void Cell(int width, const std::string& text, std::uint8_t mark = 0) {
        std::uint8_t control = mark;
        if (control == 0 && coloured_) control = kRowColorDefault;
        row_.Cell(control, width, text);
        coloured_ = mark != 0;
    }
    const std::string& Text() const { return row_.Text(); }

private:
    TRowMarkup row_;
    bool coloured_ = false;
};

std::string Number(std::int64_t n) {
    return std::to_string(n);
}

} // namespace

std::string TPlayer::PositionShortName(int position) {
    return GetText(354 + 2 * position).substr(0, 2);
}
std::string TPlayer::PositionLongName(int position) {
    return GetText(355 + 2 * position);
}
std::string TPlayer::BehaviourName(int behaviour) {
    return GetText(292 + behaviour);
}

std::string TPlayer::GetListTextEx3(int mask, int /*selectorA*/, int selectorB, int /*selectorC*/) const {
    if (selectorB != 0) return TKolbrinObject::GetListTextEx3(mask, 0, selectorB, 0);
    const std::uint32_t m = static_cast<std::uint32_t>(mask);
    TMarkedRow row;
    if (m & pcPosition) row.Cell(35, PositionShortName(position()));
    if (m & pcName) {
        std::uint8_t mark = 0;
        if (!IsAvailable())
            mark = kRowColorRed;
        else if ((m & pcMarkLineup) && matchState.lineupRole == 1)
            mark = kRowColorGreen;
        else if ((m & pcMarkLineup) && matchState.lineupRole == 2)
            mark = kRowColorBlue;
        row.Cell(120, DisplayName(), mark);
    }
    if (m & pcFormArrow) row.Cell(10, std::string(1, FormArrow()));
    if (m & pcLevel) row.Cell(40, Number(level()));
    if (m & pcAge) row.Cell(40, Number(age()), (retiring || age() <= 22) ? kRowColorOrange : 0);
    if (m & pcSeasonGoals)
        row.Cell(20, season.runningGoals == 0 ? std::string() : Number(season.runningGoals));
    if (m & pcCareerGoals) row.Cell(20, Number(career.goals));
    if (m & pcClub) {
        const TTeam* club = Club();
        const bool human = club != nullptr && club->HasHumanCoach();
        row.Cell(140, club != nullptr ? club->ShortName() : std::string(), human ? kRowColorBlue : 0);
    }
    if (m & pcNationality) {
        std::uint8_t mark = 0;
        if (foreignStatus == 2)
            mark = kRowColorRed;
        else if (foreignStatus == 1)
            mark = kRowColorOrange;
        row.Cell(35, nationality(), mark);
    }
    if (m & pcNationalityPlain) row.Cell(35, nationality());
    if (m & pcSaleState) {
        if (soldToTeamId > 0)
            row.Cell(70, GetText(kTxtSold));
        else if (askingPrice == 0 || retiring)
            row.Cell(70, std::string());
        else
            row.Cell(70, FormatThousands(askingPrice, ' '),
                     saleMode == 1 ? kRowColorRed : (saleMode == 2 ? kRowColorGreen : 0));
    }
    if (m & pcSalary)
        row.Cell(50, FormatThousands(salary(), ' '), season.contractRenewed ? kRowColorGreen : 0);
    if (m & pcCardPoints) row.Cell(30, season.cardPoints == 0 ? std::string() : Number(season.cardPoints));
    if (m & pcBehaviour) row.Cell(90, BehaviourName(behaviour()));
    if (m & pcMarker1)
        row.Cell(10, injuredGames > 0 ? std::string(1, static_cast<char>(kRowMarkBulletRed)) : "");
    if (m & pcMarker2)
        row.Cell(10, suspendedGames > 0 ? std::string(1, static_cast<char>(kRowMarkBulletYellow)) : "");
    return row.Text();
}

void TPlayer::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolbrinObject::SetupColumns(header, numbered, a, b);
    const std::uint32_t m = static_cast<std::uint32_t>(a);
    if (m & pcPosition) AddColumn(header, GetText(kTxtColPosition), 35);
    if (m & pcName) AddColumn(header, GetText(kTxtColName), 120);
    if (m & pcLevel) AddColumn(header, GetText(kTxtColLevel), (m & pcFormArrow) ? 50 : 40);
    if (m & pcAge) AddColumn(header, GetText(kTxtColAge), 40);
    if (m & pcSeasonGoals) AddColumn(header, GetText(kTxtColGoals), 20);
    if (m & pcCareerGoals) AddColumn(header, GetText(kTxtColGoals), 20);
    if (m & pcClub) AddColumn(header, GetText(kTxtColClub), 140);
    if (m & pcNationality) AddColumn(header, GetText(kTxtColNationality), 35);
    if (m & pcNationalityPlain) AddColumn(header, GetText(kTxtColNationality), 35);
    if (m & pcSaleState) AddColumn(header, GetText(kTxtColPrice), 70);
    if (m & pcSalary) AddColumn(header, GetText(kTxtColSalary), 50);
    if (m & pcCardPoints) AddColumn(header, GetText(kTxtColCards), 30);
    if (m & pcBehaviour) AddColumn(header, GetText(kTxtColBehaviour), 90);
    if (m & pcMarker1) AddColumn(header, GetText(kTxtColMarker1), 10);
    if (m & pcMarker2) AddColumn(header, GetText(kTxtColMarker2), 10);
}

std::string TPlayer::GetInfoText(int kind, const std::vector<std::string>& /*args*/) const {
    if (kind == 1) return Format(GetText(injuredGames == 1 ? 230 : 229), {injuredGames});
    if (kind == 2) return Format(GetText(suspendedGames == 1 ? 45 : 43), {suspendedGames});
    return std::string();
}
