#pragma once
// What one season of a career came to, for a run without windows: the champions of the four leagues and
// the cup winner with their coaches, the top scorer, goals per league game, cards, injuries, the average
// crowd, the transfers and their money, the money of all clubs and the time the season took.
//
// THeadlessPort is the autopilot port that collects the figures only a round shows (each matchday's
// crowds, the transfers before they drop off the limited list); SeasonReportSteps wraps the end of season
// so the tables are read after round 18 and before the clubs move up and down.
#include "season/game_loop.h"
#include "world/user_port.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class TLastTransfer;
class TWorld;

struct TSeasonTitle {
    std::string club;  // the club's name, or empty when there is none
    std::string coach; // its coach's name
};

struct TSeasonReport {
    std::int32_t year = 0;
    int fromRound = 1; // a game loaded inside a season counts from its round on (the tables hold it all)
    std::vector<TSeasonTitle> champions; // leagues 1 to 4
    TSeasonTitle cupWinner;
    std::string topScorer, topScorerClub; // the first player in the world's order with the most goals
    std::int32_t topScorerGoals = 0;
    std::int64_t leagueGames = 0, leagueGoals = 0; // from the four tables: games played / 2, goals for
    std::int64_t yellowCards = 0, redCards = 0, injuries = 0;
    std::int64_t gamesWithCrowd = 0, attendance = 0; // every game of two clubs (league and cup)
    std::int64_t transfers = 0, transferMoney = 0;
    std::int64_t clubMoney = 0; // the balances of all clubs after the end of season's prizes
    double seconds = 0;         // wall-clock time of the season

    double GoalsPerGame() const;
    std::int64_t AverageAttendance() const;
};

// The autopilot of the scripted port (human coaches act as a computer club would), which also counts what
// each matchday shows. Its call log is emptied after every matchday so a long run stays small.
class THeadlessPort : public TScriptedUserPort {
public:
    explicit THeadlessPort(TWorld& world);
    // Zeroes the counters and takes the season's starting card and injury counts.
    void BeginSeason();
    void ShowMatchday(TMatchdayTicker& matchday) override;
    // Fills the report from the world after round 18 (tables, scorers, counters); called before the end of
    // season changes the divisions.
    void ReadSeason(TSeasonReport& report);
    // The cup winner's coach and the money of all clubs, after the end of season.
    void ReadAfterEnd(TSeasonReport& report);

private:
    void CountNewTransfers();
    TWorld& world_;
    const TLastTransfer* lastTransfer_ = nullptr;
    int fromRound_ = 1;
    std::int64_t transfers_ = 0, transferMoney_ = 0, games_ = 0, attendance_ = 0;
    std::int64_t yellowAtStart_ = 0, redAtStart_ = 0, injuriesAtStart_ = 0;
};

// `steps` with its end of season reading the report into `report` before and after it.
TSeasonSteps SeasonReportSteps(TSeasonSteps steps, THeadlessPort& port, TSeasonReport& report);

// One block of text per season (names in UTF-8).
void WriteSeasonText(std::ostream& out, const TSeasonReport& report);
// A JSON array of the seasons, one object each (names in UTF-8).
void WriteSeasonsJson(std::ostream& out, const std::vector<TSeasonReport>& reports);
