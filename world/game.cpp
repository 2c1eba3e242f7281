#include "world/game.h"

#include "world/attendance.h"
#include "world/calendar.h"
#include "world/referee_assignment.h"
#include "world/team.h"

TGame::TGame(TWorld& world, std::uint8_t kind, std::int32_t prizeValue, std::int32_t roundMoney,
             std::uint8_t calendarSlot, long double ticketPrice, const std::string& title, TTeam* awayTeam,
             TTeam* homeTeam)
    : title(title.substr(0, kTitleWidth)), kind(kind), homeTeam(homeTeam), awayTeam(awayTeam),
      ticketPrice(ticketPrice), roundMoney(roundMoney), calendarSlot(calendarSlot), prizeValue(prizeValue),
      world_(&world) {
    // The order is part of the rules: the crowd draws first, then the referee is taken from the list.
    ComputeAttendance(*this);
    if (HasTeams()) {
        referee = AssignReferee(world, *homeTeam, *awayTeam);
        if (referee != nullptr) {
            homeFavour = static_cast<std::int16_t>(RefereeFavour(*referee, *homeTeam) + 2);
            awayFavour = RefereeFavour(*referee, *awayTeam);
        }
    }
    if (kind == gkCup && HasTeams()) {
        if (homeTeam->calendar) homeTeam->calendar->InsertCupEntry(awayTeam->id, 0);
        if (awayTeam->calendar) awayTeam->calendar->InsertCupEntry(homeTeam->id, 1);
    }
}

TGame::TGame(TWorld& world) : world_(&world) {}

std::string TGame::GetListText(int mask) const {
    return GetListTextEx(mask, 0);
}

std::string TGame::GetListTextEx(int /*mask*/, int selector) const {
    if (!homeTeam) return title;
    switch (selector) {
    case 1:
        return homeTeam->Name();
    case 2:
        return awayTeam ? homeTeam->Name() + " - " + awayTeam->Name() : homeTeam->Name();
    default:
        return awayTeam ? homeTeam->ShortName() + " - " + awayTeam->ShortName() : homeTeam->ShortName();
    }
}

TColor TGame::TextColor() const {
    return homeTeam ? homeTeam->TextColor() : 0;
}

TColor TGame::BackColor() const {
    return homeTeam ? homeTeam->BackColor() : 0;
}

TColor TGame::SelectedBackColor() const {
    return homeTeam ? homeTeam->SelectedBackColor() : 0;
}

bool IsDraw(const TGame& game) {
    return game.HasTeams() && game.homeTeam->match.matchGoals == game.awayTeam->match.matchGoals;
}
