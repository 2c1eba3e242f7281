#pragma once
// The world of a new career: the clubs of the chosen countries from their team files, best first, the four
// leagues of ten and the pool, the players, coaches and referees, each club's starting strength and money
// by its place in that order, and the human coaches, each handed a weak club of the fourth league.
//
// The game loop's new-game steps, in order: ScanTeamFolder and the country selection (TCountrySelection),
// the currency, BuildNewWorld, then, unless QuitRequested, EnrolHumanCoaches and CreateStartEvents.
#include "season/team_folder.h"

#include <cstdint>
#include <string>
#include <vector>

class TTeam;
class TWorld;

struct TNewWorldSetup {
    const std::vector<TScannedTeamFile>* teamFiles = nullptr; // the folder as scanned (file-name order)
    std::string refereeFile;                                  // path of "referee.txe"
    std::uint32_t seed = 0;   // the generator's seed (the windowed game: the clock)
    std::int32_t year = 2002; // the first season (the windowed game: this year)
};

// Fills an empty world. Clubs come by team-file level, 20 down to 1, and in file order within a level; a
// selected country gives clubs while its quota (wantedTeams) lasts. Unused countries are dropped. Too few
// referees (fewer than clubs / 2 + 1) show the error message and set QuitRequested. A chosen club whose file
// is damaged raises its file error (the caller drops the half-built world).
void BuildNewWorld(TWorld& world, const TNewWorldSetup& setup);

// The place-by-place start: for the club at index i, base := max(round((1 - 0.025 i) x 100) - 1, 5) up to
// index 40 and 1 after; player levels base + 3 - Random(7) within 1..100 and salaries at market value;
// balance base x 50 000 x M; stadium size max(1, round(0.17 base)).
void SetInitialStrengths(TWorld& world);
// The club at index i of AllTeams goes to division min(i div 10, 4).
void AssignDivisions(TWorld& world);

// One human coach named `name` takes a club drawn from places 5..10 of the fourth league whose coach is not
// a person; the club's coach stays in the world without a club. Nullptr (nothing changes) when the fourth
// league has no such club.
TTeam* EnrolHumanCoach(TWorld& world, const std::string& name);
// The enrolment through the port, asked again until some human coach has a club (a port that gives no
// name ends it, as a headless career without human coaches does).
void EnrolHumanCoaches(TWorld& world);
// Every club's coach records the start of his career at the club in this season.
void CreateStartEvents(TWorld& world);
