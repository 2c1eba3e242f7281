#pragma once
// Creating the games of one competition's round: league matchdays (one call per division) and cup rounds.
#include <cstdint>
#include <string>
#include <vector>

class TTeam;
class TWorld;

// The ticket price of a round: the currency's multiplier and the world's price level, the rounded mean
// AverageLevel of the round's clubs and the mean of their priceFactor.
long double ComputeTicketPrice(const TWorld& world, long double level, int kind, long double factor);

// Appends the round's games to the world's RoundGames, after putting the referees in one of three orders
// (one Random(3) draw) so that who referees whom changes: a heading row first when `headingText` is not
// empty, then `gameCount` games (0: half the clubs) pairing the clubs in list order, the first of each pair
// at home. Every game of the round gets the same ticket price, kind, prize value, round money and title.
void CreateCompetitionGames(TWorld& world, const std::vector<TTeam*>& teams, std::uint8_t kind,
                            const std::string& gameTitle, std::int32_t prizeValue, std::int32_t roundMoney,
                            int gameCount, const std::string& headingText);
