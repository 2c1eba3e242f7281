#include "world/coach.h"

#include "datafiles/coach_attr.h"
#include "foundation/format_text.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "world/world.h"
#include "world/world_texts.h"

#include <algorithm>
#include <cmath>

namespace {

// The coach row's column of the board's mood at his club: the club row's board title, wide enough for it.
constexpr int kBoardColumnWidth = 50;

} // namespace

TCoach::TCoach(TWorld& world)
    : id(world.NewObjectId()), attr(std::make_unique<TCoachAttr>()), world_(world) {}

TCoach::TCoach(TWorld& world, std::int16_t knownId)
    : id(knownId), attr(std::make_unique<TCoachAttr>()), world_(world) {}

TCoach::~TCoach() = default;

void TCoach::DecayPrestige() {
    SetPrestige(static_cast<std::int32_t>(std::trunc(prestige() * 0.9L)));
}

std::string TCoach::Name() const {
    return attr->Name();
}
void TCoach::SetName(const std::string& name) {
    attr->SetName(name);
}

bool TCoach::AutoSalaryFor(int foreignStatus) const {
    switch (foreignStatus) {
    case 0:
        return autoSalaryNational != 0;
    case 1:
        return autoSalaryBosman != 0;
    default:
        return autoSalaryForeign != 0;
    }
}

TTeam* TCoach::CurrentClub() const {
    if (cached_) return currentTeam_;
    TTeam* club = world_.TeamByCoachId(id);
    if (club != nullptr) SetCurrentClub(club);
    return club;
}

void TCoach::ComputeHireScore(const TTeam& club) {
    const std::int32_t p = club.prestige();
    const std::int32_t c = prestige();
    hireScore = p < c ? (c - p) / 2 : p - c;
    if (isHuman)
        hireScore = static_cast<std::int32_t>(std::trunc(hireScore * 0.8L));
    else if (CurrentClub() == nullptr)
        hireScore = static_cast<std::int32_t>(std::trunc(hireScore * 1.2L));
}

bool TCoach::AcceptsOffer(TTeam& club) {
    if (!isHuman) return true;
    if (CurrentClub() == nullptr) return true;
    return world_.Port().Invitation(*this, club);
}

bool TCoach::ShouldBeDismissed(const TTeam& club) const {
    if (weeksInJob > 9 && club.supportFactor() <= 0.7L) return true;
    return isHuman && world_.DivisionIndexOfTeam(club) == 4;
}

TPlayer* TCoach::AddObserved(TPlayer& player) {
    observedPlayers.push_back(&player);
    if (static_cast<int>(observedPlayers.size()) >= ObservedLimit)
        return world_.Port().ObservedPlayerDrop(*this);
    return nullptr;
}

void TCoach::RemoveObserved(const TPlayer& player) {
    const auto at = std::find(observedPlayers.begin(), observedPlayers.end(), &player);
    if (at != observedPlayers.end()) observedPlayers.erase(at);
}

bool TCoach::IsObserved(const TPlayer& player) const {
    return std::find(observedPlayers.begin(), observedPlayers.end(), &player) != observedPlayers.end();
}

void TCoach::AddEvent(int kind, std::int16_t otherId) {
    events.Add(new TCoachEvent(world_, static_cast<std::uint8_t>(kind), world_.SeasonYear, otherId));
}

bool TCoach::EditProfile() {
    return world_.Port().EditCoachProfile(*this);
}

void TCoach::PrintHistory() {
    std::vector<TKolObject*> rows;
    for (TCoachEvent* event : events)
        if (event != nullptr) rows.push_back(event);
    world_.Port().ShowObjectList(rows, Name(), 0, 0, 0);
}

std::string TCoach::GetListText(int mask) const {
    const std::uint32_t m = static_cast<std::uint32_t>(mask);
    TRowMarkup row;
    const TTeam* club = CurrentClub();
    if (m & ccName) {
        // The human mark is a bold name.
        const bool marked = isHuman && !(m & ccNoHumanMark);
        row.Cell(marked ? kRowBoldOn : 0, 140, Name());
    }
    if (m & ccClub) row.Cell((m & ccName) && isHuman ? kRowBoldOff : 0, 180, club ? club->ShortName() : "");
    if (m & ccSatisfaction) {
        std::string mark;
        if (club != nullptr) {
            const TColor colour = club->SatisfactionColour();
            mark = std::string(1, static_cast<char>(colour == kRowGreen ? kRowMarkBulletGreen
                                                    : colour == kRowRed ? kRowMarkBulletRed
                                                                        : kRowMarkBulletYellow));
        }
        row.Cell(kBoardColumnWidth, mark);
    }
    if (m & ccTitles)
        row.Cell(90, std::to_string(leagueTitles) + " + " + std::to_string(cupTitles) + " = " +
                         std::to_string(leagueTitles + cupTitles));
    if (m & ccPrestige) row.Cell(kRowAlignRight, 60, std::to_string(prestige()));
    if (m & ccHireScore) row.Cell(kRowAlignRight, 60, std::to_string(hireScore));
    if (m & ccHoliday) row.Cell(80, onHoliday ? GetText(kTxtOnHoliday) : "");
    return row.Text();
}

void TCoach::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    const std::uint32_t m = static_cast<std::uint32_t>(a);
    if (m & ccName) AddColumn(header, GetText(kTxtColName), 140);
    if (m & ccClub) AddColumn(header, GetText(kTxtColClub), 180);
    if (m & ccSatisfaction) AddColumn(header, GetText(kTxtColBoard), kBoardColumnWidth);
    if (m & ccTitles) AddColumn(header, GetText(kTxtColTitles), 90);
    if (m & ccPrestige) AddColumn(header, GetText(kTxtColPoints), 60);
    if (m & ccHireScore) AddColumn(header, GetText(kTxtColRating), 60);
    if (m & ccHoliday) AddColumn(header, GetText(kTxtColHoliday), 80);
}
