#pragma once
// Small careers for the season tests, built with the world tests' builder: clubs named after their place,
// divisions filled by hand.
#include "../world/world_fixture.h"

#include "world/division.h"

#include <string>
#include <vector>

namespace seasontest {

// `n` clubs in the cup, seeded by prestige: the club of seeding place p (1-based) is named "S<p>" and has
// prestige 1000 - p. They enter AllTeams and CupTeams weakest first, so the draw must sort them.
inline std::vector<TTeam*> CupClubs(TWorld& world, int n) {
    std::vector<TTeam*> byPlace(static_cast<std::size_t>(n) + 1, nullptr);
    for (int place = n; place >= 1; --place) {
        TTeam& club = worldtest::MakeClub(world, "S" + std::to_string(place));
        club.SetPrestige(1000 - place);
        world.CupTeams.Add(&club);
        byPlace[static_cast<std::size_t>(place)] = &club;
    }
    return byPlace;
}

// Seeding place of a club made by CupClubs.
inline int PlaceOf(const TTeam& club) {
    return std::stoi(club.ShortName().substr(1));
}

// Five divisions: leagues of ten clubs named "<letter><position>" (A0..A9, B0..B9, C0.., D0..) and a pool of
// `poolSize` clubs P0...
inline void LeagueWorld(TWorld& world, int poolSize) {
    CreateDivisions(world);
    const char letters[] = {'A', 'B', 'C', 'D'};
    for (int d = 0; d < 4; ++d)
        for (int i = 0; i < 10; ++i)
            world.Divisions[d]->teams.Add(
                &worldtest::MakeClub(world, std::string(1, letters[d]) + std::to_string(i)));
    for (int i = 0; i < poolSize; ++i)
        world.Divisions[4]->teams.Add(&worldtest::MakeClub(world, "P" + std::to_string(i)));
}

// The short names of a division's clubs, joined by blanks.
inline std::string Names(const TDivision& division) {
    std::string out;
    for (const TTeam* team : division.teams) out += (out.empty() ? "" : " ") + team->ShortName();
    return out;
}

} // namespace seasontest
