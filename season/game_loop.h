#pragma once
// The rounds of a season: a league matchday of the four leagues every round and, on even rounds while the
// cup lasts, a cup round. Every club prepares (the computer's management, or a person's club screen), the
// matchday runs through the user port, the results are booked, the tables sorted, the players developed,
// the pending transfers executed and the price level moved. A game saved at a club screen resumes right
// after the club whose screen was open (the world's ResumeTeam), without replaying what was done.
//
// Order matters for the calendars: a cup tie's entry is put in front of its clubs' next unplayed game
// when the tie is created, and each result is filed on the first unplayed entry. So the league matchday's
// results are processed before the cup ties of the same round are created, and a cup round's ties are
// processed before the next league matchday is generated.
#include <functional>

class TWorld;

// The steps of a career that other parts of the season provide: the cup draw, the end of the season and the
// saving of the game. Each is a seam, so a test can put its own in their place.
struct TSeasonSteps {
    // Draws the next cup round of `games` ties (0: computed from the clubs left) over the world's CupTeams:
    // every club that plays gets its cupSlot (1, 2 the first tie, 3, 4 the second, ...), the others 9999.
    std::function<void(TWorld&, int games)> drawCupRound;
    // Titles, promotion and relegation, retirements, prizes, the new year.
    std::function<void(TWorld&)> endSeason;
    // Writes the game; false when it could not be written (the career goes on).
    std::function<bool(TWorld&)> saveGame;
};

// The steps of this build: the cup draw of season/cup_draw (through the user port), the end of season of
// season/end_of_season, and the game saved to the world's GameFilePath.
TSeasonSteps DefaultSeasonSteps();

// Plays rounds StartRound..18 and ends the season (unless the person quit).
void PlaySeason(TWorld& world, const TSeasonSteps& steps);
// The cup field rebuilt with every club, the season blocks of players, coaches and divisions, the first cup
// draw, and round 1.
void StartSeason(TWorld& world, const TSeasonSteps& steps);
// The league matchday of CurrentRound.
void PlayLeagueRound(TWorld& world, const TSeasonSteps& steps);
// The cup round of CurrentRound (even rounds), when the cup plays one.
void PlayCupRound(TWorld& world, const TSeasonSteps& steps);
// Saves the game through the steps and marks the round saved; true when it was written.
bool SaveGameNow(TWorld& world, const TSeasonSteps& steps);
