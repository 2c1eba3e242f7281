#include "season/season_honours.h"

#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "world/world.h"

namespace {

constexpr int kTitleText = 217; // 217 / 218 league title(s), 219 / 220 cup title(s)
constexpr int kCupTitleText = 219;
constexpr int kBestScorerText = 221;

std::string Count(std::int32_t n, int singularText) {
    return std::to_string(n) + " " + GetText(n == 1 ? singularText : singularText + 1);
}

std::string CoachLine(const TTeam& team, std::int32_t titles, int singularText) {
    const std::string name = team.coach != nullptr ? team.coach->Name() : "";
    return name + " (" + Count(titles, singularText) + ")";
}

} // namespace

void ShowEndOfSeason(TWorld& world, TTeam* champion, TTeam* cupWinner) {
    if (champion == nullptr || cupWinner == nullptr) return;
    const CurrencyRecord& money = world.CurrencyRecord;
    TSeasonHonours h;
    h.champion = champion;
    h.cupWinner = cupWinner;
    h.prizeChampion = money.prizeChampion;
    h.prizeSecond = money.prizeSecond;
    h.prizeThird = money.prizeThird;
    h.prizeCup = money.prizeCup;
    h.prizeBestScorer = money.prizeBestScorer;

    champion->BookMoney(fcPrizes, money.prizeChampion);
    cupWinner->BookMoney(fcPrizes, money.prizeCup);
    const TDivision* first = world.Divisions.Count() > 0 ? world.Divisions[0] : nullptr;
    if (first != nullptr) {
        if (TTeam* second = first->ClubAt(1)) second->BookMoney(fcPrizes, money.prizeSecond);
        if (TTeam* third = first->ClubAt(2)) third->BookMoney(fcPrizes, money.prizeThird);
    }

    h.championTimes = Count(champion->leagueTitles, kTitleText);
    h.championCoach = CoachLine(*champion, champion->coach ? champion->coach->leagueTitles : 0, kTitleText);
    h.cupWinnerTimes = Count(cupWinner->cupTitles, kCupTitleText);
    h.cupWinnerCoach =
        CoachLine(*cupWinner, cupWinner->coach ? cupWinner->coach->cupTitles : 0, kCupTitleText);

    for (const TPlayer* player : world.AllPlayers)
        if (player != nullptr && player->season.runningGoals > h.bestGoals)
            h.bestGoals = player->season.runningGoals;
    h.bestScorerCaption = Format(GetText(kBestScorerText), {h.bestGoals});
    // A season without a goal has no best scorer: every player would tie at 0 and every club be paid.
    if (h.bestGoals > 0) {
        for (TPlayer* player : world.AllPlayers) {
            if (player == nullptr || player->season.runningGoals != h.bestGoals) continue;
            TTeam* club = player->Club();
            h.bestScorers.push_back(player);
            h.scorerLines.push_back(player->PlainName() + "  (" + (club ? club->ShortName() : "") + ")");
            if (club != nullptr) club->BookMoney(fcPrizes, money.prizeBestScorer);
        }
    }
    world.Port().ShowEndOfSeason(h);
}
