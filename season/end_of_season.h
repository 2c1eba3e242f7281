#pragma once
// The end of a season, after round 18 of every season that was not left early: titles and histories, two
// up and two down between neighbouring divisions, the retired players back as youths, the prizes and the
// new year.
//
// The game loop calls EndSeason and then saves the game (the save is the loop's, so a failed save can be
// reported there and the career go on): the file then holds round 18 with no club screen open, and
// loading it starts the next season.
class TDivision;
class TTeam;
class TWorld;

// Champion, cup winner, histories, promotion and relegation, retirements, the round's news, the new year
// and the end-of-season display with its prizes, in this order.
void EndSeason(TWorld& world);

// Titles, support, the winners' record and the title events of the clubs and coaches of the season.
void AwardSeasonTitles(TWorld& world, TTeam* champion, TTeam* cupWinner);

// Two clubs up and two down between each pair of neighbouring divisions; the two clubs that leave the pool
// are drawn at random (two draws, the second repeated until it differs from the first).
void PromoteAndRelegate(TWorld& world);

// Exchanges one club of each division: the upper club at `upperPosition` goes to the end of the lower
// division's list, the lower club at `lowerPosition` to the end of the upper list; both clubs and their
// coaches get the promoted or relegated event. With `replaceHumanCoach`, a club falling into the pool
// changes its human coach first (no person coaches outside the leagues).
void SwapClubs(TDivision& upper, int upperPosition, TDivision& lower, bool replaceHumanCoach,
               int lowerPosition);
