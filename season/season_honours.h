#pragma once
// What the end of a season shows: the champion and the cup winner with their titles, the prizes, and the
// best scorers. ShowEndOfSeason pays the prizes, fills this and hands it to the user port; the dialog only
// shows it.
#include <cstdint>
#include <string>
#include <vector>

class TPlayer;
class TTeam;
class TWorld;

class TSeasonHonours {
public:
    TTeam* champion = nullptr;
    TTeam* cupWinner = nullptr;
    std::int32_t prizeChampion = 0, prizeSecond = 0, prizeThird = 0, prizeCup = 0, prizeBestScorer = 0;
    // "3 titles", and "Coach (2 titles)": the club's and its coach's count with the singular or plural word.
    std::string championTimes, championCoach, cupWinnerTimes, cupWinnerCoach;
    int bestGoals = 0;
    std::string bestScorerCaption;        // the highest number of goals, formatted
    std::vector<TPlayer*> bestScorers;    // every player with that number, in the order of all players
    std::vector<std::string> scorerLines; // "Name  (Club)"
};

// Pays the prizes into category 3 (champion, second and third of league 1, cup winner, and the club of every
// best scorer) and shows the end of the season through the port. Nothing is paid or shown unless both the
// champion and the cup winner exist.
void ShowEndOfSeason(TWorld& world, TTeam* champion, TTeam* cupWinner);
