#pragma once
// Who referees a game, and how he leans toward each side.
#include <cstdint>

class TReferee;
class TTeam;
class TWorld;

// The first available referee (in the world's list order) of the country of both clubs; failing that the
// first available one of a country that is neither club's. A referee of only one club's country is never
// chosen. The chosen one is no longer available until his game is processed. nullptr: no referee.
TReferee* AssignReferee(TWorld& world, const TTeam& home, const TTeam& away);

// The referee's favour toward a club, 0 or more (the home side's bonus of 2 is not included):
// the character codes of the referee's name minus those of the club's name, over the shorter of the two,
// summed in 16 bits; the remainder of that sum by 11 (with the sum's sign), made positive; 3 more for a
// referee of the club's country; 1 more for a red, navy or blue shirt, 1 less for a green or lime one.
std::int16_t RefereeFavour(const TReferee& referee, const TTeam& team);
