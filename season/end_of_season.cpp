#include "season/end_of_season.h"

#include "foundation/kol_random.h"
#include "season/league_tables.h"
#include "season/retired_players.h"
#include "season/season_honours.h"
#include "world/world.h"

#include <stdexcept>

namespace {

// Club events 6 / 7 and coach events 11 / 12; the sub value is the division concerned.
constexpr int kTeamPromoted = 6, kTeamRelegated = 7, kCoachPromoted = 11, kCoachRelegated = 12;

void AddTeamEvent(TTeam& team, int kind, int sub = 0) {
    TWorld& world = team.World();
    team.events.Add(new TTeamEvent(world, static_cast<std::uint8_t>(kind), world.SeasonYear,
                                   team.coach != nullptr ? team.coach->id : 0,
                                   static_cast<std::uint8_t>(sub)));
}

void AddCoachEvent(TTeam& team, int kind, int sub = 0) {
    if (team.coach == nullptr) return;
    TWorld& world = team.World();
    team.coach->events.Add(new TCoachEvent(world, static_cast<std::uint8_t>(kind), world.SeasonYear, team.id,
                                           static_cast<std::uint8_t>(sub)));
}

void AddMoveEvents(TTeam& team, int teamKind, int coachKind, int division) {
    AddTeamEvent(team, teamKind, division);
    AddCoachEvent(team, coachKind, division);
}

} // namespace

void AwardSeasonTitles(TWorld& world, TTeam* champion, TTeam* cupWinner) {
    if (champion != nullptr) {
        champion->SetSupportFactor(champion->supportFactor() + 1.0L);
        ++champion->leagueTitles;
        if (champion->coach != nullptr) ++champion->coach->leagueTitles;
    }
    if (cupWinner != nullptr) {
        cupWinner->SetSupportFactor(cupWinner->supportFactor() + 0.5L);
        ++cupWinner->cupTitles;
        if (cupWinner->coach != nullptr) ++cupWinner->coach->cupTitles;
    }

    auto* winners = new TLastWinners(world);
    winners->season = static_cast<std::int16_t>(world.SeasonYear);
    if (champion != nullptr) {
        winners->championId = champion->id;
        winners->championCoachId = champion->coach != nullptr ? champion->coach->id : 0;
    }
    if (cupWinner != nullptr) {
        winners->cupWinnerId = cupWinner->id;
        winners->cupWinnerCoachId = cupWinner->coach != nullptr ? cupWinner->coach->id : 0;
    }
    world.LastWinnersList.Add(winners);

    if (champion != nullptr && champion == cupWinner) {
        AddTeamEvent(*champion, 3);
        AddCoachEvent(*champion, 8);
    } else {
        if (champion != nullptr) AddTeamEvent(*champion, 1);
        if (cupWinner != nullptr) AddTeamEvent(*cupWinner, 2);
        if (champion != nullptr) AddCoachEvent(*champion, 3);
        if (cupWinner != nullptr) AddCoachEvent(*cupWinner, 4);
    }
    const TDivision* first = world.Divisions.Count() > 0 ? world.Divisions[0] : nullptr;
    if (first != nullptr) {
        if (TTeam* second = first->ClubAt(1)) {
            AddTeamEvent(*second, 4);
            AddCoachEvent(*second, 9);
        }
        if (TTeam* third = first->ClubAt(2)) {
            AddTeamEvent(*third, 5);
            AddCoachEvent(*third, 10);
        }
    }
}

void SwapClubs(TDivision& upper, int upperPosition, TDivision& lower, bool replaceHumanCoach,
               int lowerPosition) {
    TTeam* down = upper.ClubAt(upperPosition);
    TTeam* up = lower.ClubAt(lowerPosition);
    if (down == nullptr || up == nullptr) throw std::out_of_range("SwapClubs: no club at that position");
    const int upperIndex = upper.Index();
    const int lowerIndex = lower.Index();

    if (replaceHumanCoach && down->coach != nullptr && down->coach->isHuman) down->ChangeCoach(nfNoHumans);

    upper.teams.Delete(upperPosition);
    lower.teams.Add(down);
    lower.teams.Delete(lower.teams.IndexOf(up));
    upper.teams.Add(up);

    AddMoveEvents(*down, kTeamRelegated, kCoachRelegated, lowerIndex);
    AddMoveEvents(*up, kTeamPromoted, kCoachPromoted, upperIndex);
}

void PromoteAndRelegate(TWorld& world) {
    if (world.Divisions.Count() < TDivision::kDivisionCount) return;
    TDivision& d0 = *world.Divisions[0];
    TDivision& d1 = *world.Divisions[1];
    TDivision& d2 = *world.Divisions[2];
    TDivision& d3 = *world.Divisions[3];
    TDivision& d4 = *world.Divisions[4];
    // Each pair of calls moves the clubs placed 9th and 10th down: after the first call the 10th stands at
    // the position the 9th left.
    for (int i = 0; i < 2; ++i) SwapClubs(d0, 8, d1, false, 0);
    for (int i = 0; i < 2; ++i) SwapClubs(d1, 6, d2, false, 0);
    for (int i = 0; i < 2; ++i) SwapClubs(d2, 6, d3, false, 0);

    const int pool = d4.teams.Count();
    if (pool == 0) return;
    const int a = Random(pool);
    if (pool == 1) {
        // A pool of one club can give only that one: a second draw that must differ would never end.
        SwapClubs(d3, 6, d4, true, a);
        return;
    }
    int b = Random(pool);
    while (b == a) b = Random(pool);
    SwapClubs(d3, 6, d4, true, a);
    SwapClubs(d3, 6, d4, true, a < b ? b - 1 : b);
}

void EndSeason(TWorld& world) {
    TTeam* champion = world.Divisions.Count() > 0 ? world.Divisions[0]->ClubAt(0) : nullptr;
    world.CupTeams.Pack();
    TTeam* cupWinner = world.CupTeams.First();

    AwardSeasonTitles(world, champion, cupWinner);
    PromoteAndRelegate(world);
    RecycleRetiredPlayers(world);
    ShowRoundMessages(world);

    world.ResumeTeam = 0;
    world.LeagueRoundDone = false;
    ++world.SeasonYear;

    ShowEndOfSeason(world, champion, cupWinner);
}
