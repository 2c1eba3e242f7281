#pragma once
// Small worlds built by hand for the world tests: clubs with a computer coach and players of chosen
// position, level, age and nationality. The world's currency is the first built-in one (M = 5, S = 500 000)
// and its price index 2.0, unless a test changes them.
#include "datafiles/coach_attr.h"
#include "datafiles/player_attr.h"
#include "datafiles/team_attr.h"
#include "world/world.h"

#include <string>

namespace worldtest {

inline TTeam& MakeClub(TWorld& world, const std::string& shortName, const std::string& country = "POR") {
    auto team = std::make_unique<TTeam>(world);
    team->attr->SetName(shortName);
    team->attr->SetShortName(shortName);
    team->attr->SetCountry(country);
    auto coach = std::make_unique<TCoach>(world);
    coach->SetName("Coach " + shortName);
    team->coach = coach.get();
    world.AllCoaches.Add(coach.release());
    TTeam& ref = *team;
    world.AllTeams.Add(team.release());
    return ref;
}

// A player with no hidden numbers (behaviour 0, scoring weight 0, injury proneness 0) unless set after.
inline TPlayer& MakePlayer(TWorld& world, int position, int level, int age,
                           const std::string& nationality = "POR", const std::string& name = "Player") {
    auto player = std::make_unique<TPlayer>(world);
    player->attr->SetName(name);
    player->attr->SetPosition(static_cast<std::uint8_t>(position));
    player->attr->SetNationality(nationality);
    player->attr->SetAge(age);
    player->SetAge(age);
    player->SetLevel(level);
    TPlayer& ref = *player;
    world.AllPlayers.Add(player.release());
    return ref;
}

inline TPlayer& AddPlayer(TTeam& club, int position, int level, int age,
                          const std::string& nationality = "POR") {
    TPlayer& player = MakePlayer(club.World(), position, level, age, nationality);
    club.AddPlayer(player);
    return player;
}

// A squad of `goalkeepers` goalkeepers and `outfield` outfield players spread over the three lines, all of
// level `level` and age 25.
inline void FillSquad(TTeam& club, int goalkeepers, int outfield, int level = 20) {
    for (int i = 0; i < goalkeepers; ++i) AddPlayer(club, 0, level, 25);
    for (int i = 0; i < outfield; ++i) AddPlayer(club, 1 + i % 3, level, 25);
}

} // namespace worldtest
