#include "match/result_processing.h"

#include "foundation/numeric.h"
#include "foundation/reals.h"
#include "match/shootout.h"
#include "world/calendar.h"
#include "world/game.h"
#include "world/world.h"

#include <memory>

namespace {

constexpr long double kSupportWeight = 0.9L;
constexpr long double kHomeDefeatWeight = 0.81L; // the home crowd forgives a home defeat less
constexpr int kLeagueCoachCheck = 0;

void AddPrestige(TTeam& club, std::int32_t amount) {
    club.SetPrestige(club.prestige() + amount);
    if (club.coach != nullptr) club.coach->SetPrestige(club.coach->prestige() + amount);
}

void MoveSupport(TTeam& club, long double sample, long double w = kSupportWeight) {
    club.SetSupportFactor(SupportAverage(club.supportFactor(), w, sample));
}

// After a defeat or a draw: the coach check of the club (its coach's ShouldBeDismissed).
void CoachCheck(TTeam& club, int flags) {
    if (club.coach != nullptr && club.coach->ShouldBeDismissed(club)) club.ChangeCoach(flags);
}

TCalendarEntry* EntryFor(const TTeam& club, const TGame& game) {
    return club.calendar ? club.calendar->NextEntry(game.calendarSlot) : nullptr;
}

void FileResult(TCalendarEntry* entry, std::int32_t own, std::int32_t other, const TGame& game,
                std::int32_t receipts) {
    if (entry == nullptr) return;
    entry->goalsFor = static_cast<std::int16_t>(own);
    entry->goalsAgainst = static_cast<std::int16_t>(other);
    entry->attendance = game.attendance;
    entry->receipts = receipts;
    entry->refereeId = game.referee != nullptr ? game.referee->id : 0;
}

void LeagueResult(TGame& game, TTeam& home, TTeam& away) {
    const std::int32_t gH = home.match.matchGoals;
    const std::int32_t gA = away.match.matchGoals;
    const auto d = static_cast<std::int16_t>(gH - gA);
    const std::int32_t P = game.prizeValue;

    ++home.season.played;
    ++away.season.played;
    home.BookMoney(fcReceipts, game.receipts);
    FileResult(EntryFor(home, game), gH, gA, game, game.receipts);
    FileResult(EntryFor(away, game), gA, gH, game, 0);

    if (d > 0) {
        ++home.season.won;
        ++away.season.lost;
        home.season.points += 3;
        AddPrestige(home, P);
        CoachCheck(away, kLeagueCoachCheck);
        MoveSupport(home, 2.0L);
        MoveSupport(away, 0);
        home.FormUpAll();
        away.FormDownAll();
    } else if (d == 0) {
        ++home.season.drawn;
        ++away.season.drawn;
        ++home.season.points;
        ++away.season.points;
        AddPrestige(home, P / 2);
        AddPrestige(away, P / 2);
        CoachCheck(home, kLeagueCoachCheck);
        CoachCheck(away, kLeagueCoachCheck);
        MoveSupport(home, 0.8L);
        MoveSupport(away, 1.3L);
    } else {
        ++away.season.won;
        ++home.season.lost;
        away.season.points += 3;
        AddPrestige(away, P);
        CoachCheck(home, kLeagueCoachCheck);
        MoveSupport(home, 0, kHomeDefeatWeight);
        MoveSupport(away, 2.5L);
        home.FormDownAll();
        home.FormDownAll();
        away.FormUpAll();
        away.FormUpAll();
    }
    home.season.goalsFor += gH;
    away.season.goalsFor += gA;
    home.season.goalsAgainst += gA;
    away.season.goalsAgainst += gH;
}

void CupResult(TGame& game, TTeam& home, TTeam& away) {
    TWorld& world = game.World();
    const std::int32_t gH = home.match.matchGoals;
    const std::int32_t gA = away.match.matchGoals;
    const auto d = static_cast<std::int16_t>(gH - gA);

    const auto half = static_cast<std::int32_t>(nearest(game.attendance * game.ticketPrice * 0.5L));
    home.BookMoney(fcReceipts, half);
    away.BookMoney(fcReceipts, half);

    TCalendarEntry* homeEntry = EntryFor(home, game);
    TCalendarEntry* awayEntry = EntryFor(away, game);
    FileResult(homeEntry, gH, gA, game, game.receipts / 2);
    FileResult(awayEntry, gA, gH, game, game.receipts / 2);
    if (homeEntry != nullptr) homeEntry->decision = game.extraTime;
    if (awayEntry != nullptr) awayEntry->decision = game.extraTime;

    bool awayThrough = d < 0;
    if (d == 0) awayThrough = RunShootout(game, homeEntry, awayEntry);
    TTeam& winner = awayThrough ? away : home;
    TTeam& loser = awayThrough ? home : away;

    loser.season.cupEliminated = 1;
    const int index = world.CupTeams.IndexOf(&loser);
    if (index >= 0) world.CupTeams.Take(index);

    AddPrestige(winner, game.prizeValue);
    CoachCheck(loser, nfNoHumans);
    MoveSupport(winner, awayThrough ? 2.0L : 1.5L);
    MoveSupport(loser, 0);
    winner.FormUpAll();
    loser.FormDownAll();
    winner.BookMoney(fcPrizes, game.roundMoney);
    world.CupTeams.Pack();
}

// The running costs of one game and the absences it serves.
void AfterAnyGame(TTeam& club) {
    club.ExpireAbsences();
    club.PayWages();
    club.PayInterest();
    if (club.coach != nullptr) ++club.coach->weeksInJob;
}

} // namespace

long double SupportAverage(long double support, long double w, long double sample) {
    const long double weight = RoundToReal48(w);
    const long double rest = RoundToReal48(1 - weight);
    return RoundToReal48(RoundToReal48(weight * RoundToReal48(support)) + RoundToReal48(rest * sample));
}

void ProcessResult(TGame& game) {
    TWorld& world = game.World();
    game.receipts = static_cast<std::int32_t>(nearest(game.attendance * game.ticketPrice));
    TTeam* home = game.homeTeam;
    TTeam* away = game.awayTeam;

    if (home != nullptr && away != nullptr) {
        if (game.kind == gkLeague)
            LeagueResult(game, *home, *away);
        else if (game.kind == gkCup)
            CupResult(game, *home, *away);
    }

    if (home != nullptr) {
        AfterAnyGame(*home);
        if (away != nullptr) {
            auto last = std::make_unique<TLastResult>(world);
            last->season = world.SeasonYear;
            last->opponentId = away->id;
            last->homeGoals = static_cast<std::uint8_t>(home->match.matchGoals);
            last->awayGoals = static_cast<std::uint8_t>(away->match.matchGoals);
            last->competition = game.kind;
            last->refereeId = game.referee != nullptr ? game.referee->id : 0;
            home->lastResults.Add(last.release());
        }
    }
    if (away != nullptr) AfterAnyGame(*away);
    if (game.referee != nullptr) game.referee->available = 1;
    game.homeTeam = nullptr;
    game.awayTeam = nullptr;
}
