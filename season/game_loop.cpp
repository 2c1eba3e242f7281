#include "season/game_loop.h"

#include "club/computer_management.h"
#include "club/market.h"
#include "foundation/format_text.h"
#include "foundation/kol_list.h"
#include "foundation/texts.h"
#include "match/matchday_runner.h"
#include "season/autosave.h"
#include "season/cup_draw.h"
#include "season/cup_round.h"
#include "season/end_of_season.h"
#include "season/league_tables.h"
#include "season/price_level.h"
#include "world/division.h"
#include "world/game_factory.h"
#include "world/world.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kLeagueMatchdayTitleText = 274;
constexpr int kCupTitleText = 31;
constexpr int kLastRound = 18;
constexpr std::int32_t kCupWinPrestige = 10;

void DrawCup(TWorld& world, const TSeasonSteps& steps) {
    if (!steps.drawCupRound) throw std::logic_error("the season has no cup draw");
    steps.drawCupRound(world, 0);
}

// Both clubs of every game prepare, in list order, the first club first. After a game saved at a club
// screen only the club whose screen was open prepares again (ComputerRound skips the others), and the
// round goes on from there. A person's club screen may save the game as it closes.
void PrepareClubs(TWorld& world, const TSeasonSteps& steps, bool leagueGames) {
    for (int g = 0; g < world.RoundGames.Count(); ++g) {
        TGame* game = world.RoundGames[g];
        if (game == nullptr || !game->HasTeams()) continue;
        for (TTeam* club : {game->homeTeam, game->awayTeam}) {
            if (world.QuitRequested) return;
            // A club skipped after a load never saves: the loaded round counts as saved already.
            const bool person = club->IsHumanRun();
            ComputerRound(*club);
            if (person && !world.QuitRequested && PrepareAutosave(world, *club, leagueGames))
                SaveGameNow(world, steps);
        }
    }
}

void ClearLineupRoles(TWorld& world) {
    for (TPlayer* player : world.AllPlayers)
        if (player != nullptr) player->matchState.lineupRole = 0;
}

// The weight that puts the ties of human coaches first: 3 for a person, 1 more when he is not on holiday,
// for each side.
int CupGameWeight(const TGame& game) {
    if (!game.HasTeams()) return 0;
    int weight = 0;
    for (const TTeam* club : {game.homeTeam, game.awayTeam}) {
        if (club->coach == nullptr) continue;
        if (club->coach->isHuman) weight += 3;
        if (club->coach->onHoliday == 0) weight += 1;
    }
    return weight;
}

bool HumanLeagueGame(const TWorld& world) {
    for (const TGame* game : world.RoundGames) {
        if (game == nullptr || game->kind != gkLeague || !game->HasTeams()) continue;
        for (const TTeam* club : {game->homeTeam, game->awayTeam})
            if (club->coach != nullptr && club->coach->IsHumanActive()) return true;
    }
    return false;
}

} // namespace

bool SaveGameNow(TWorld& world, const TSeasonSteps& steps) {
    const bool written = steps.saveGame ? steps.saveGame(world) : false;
    // Whether or not the file could be written, this round asks no more: a failed save is reported by the
    // save step, and asking again at every club screen would only repeat the report.
    world.SavedThisRound = true;
    world.ResumeTeam = 0;
    return written;
}

void StartSeason(TWorld& world, const TSeasonSteps& steps) {
    world.CupTeams.Clear();
    for (TTeam* team : world.AllTeams) {
        if (team == nullptr) continue;
        world.CupTeams.Add(team);
        team->season.cupEliminated = 0;
    }
    for (TPlayer* player : world.AllPlayers) {
        if (player == nullptr) continue;
        player->season = TPlayerSeasonBlock{};
        player->SetAge(player->age() + 1);
    }
    for (TCoach* coach : world.AllCoaches)
        if (coach != nullptr) coach->DecayPrestige();
    for (int d = 0; d < world.Divisions.Count(); ++d)
        world.Divisions[d]->NewSeasonAll(d < TDivision::kLeagueCount);
    DrawCup(world, steps);
    world.ResumeTeam = 0;
    world.StartRound = 1;
    world.LeagueRoundDone = false;
}

void PlayLeagueRound(TWorld& world, const TSeasonSteps& steps) {
    const int round = world.CurrentRound;
    if (world.ResumeTeam == 0) {
        ProcessFinishedGames(world);
        for (int d = 0; d < TDivision::kLeagueCount; ++d) world.Divisions[d]->GenerateRound(round);
    }
    SortLeagueTables(world, round - 1);
    PrepareClubs(world, steps, true);

    if (!world.QuitRequested) {
        const std::string title = Format(GetText(kLeagueMatchdayTitleText), {world.SeasonYear, round});
        const bool showTable = HumanLeagueGame(world) || round == kLastRound;
        ShowMatchday(world, gkLeague, title);
        ProcessFinishedGames(world);
        ShowRoundMessages(world);
        SortLeagueTables(world, round);
        ApplyLevelEvolution(world.Divisions);
        ExecutePendingTransfers(world);
        if (showTable) world.Port().ShowClassification(round, true);
    }
    // The economy moves also in a round the person left.
    MovePriceLevel(world);
    ClearLineupRoles(world);
}

void PlayCupRound(TWorld& world, const TSeasonSteps& steps) {
    const int round = world.CurrentRound;
    if (!CupPlaysInRound(world.AllTeams.Count(), round)) return;

    TCupRoundShape shape;
    std::string roundName;
    if (world.ResumeTeam != 0) {
        // The ties were saved with the game; the clubs still in the cup are the round's field.
        const TGame* first = world.RoundGames.First();
        roundName = first != nullptr ? first->title : std::string();
        shape = CupRoundShape(world.CupTeams.Count(), world.AllTeams.Count(), world.CurrencyRecord);
    } else {
        ProcessFinishedGames(world);
        SortList(world.CupTeams, [](const TTeam* a, const TTeam* b) { return a->cupSlot <= b->cupSlot; });
        const int n = world.CupTeams.Count();
        if (n < 2) return;
        shape = CupRoundShape(n, world.AllTeams.Count(), world.CurrencyRecord);
        roundName = CupRoundName(shape);
        const std::string gameName = GetText(kCupTitleText) + " - " + roundName;
        const std::vector<TTeam*> field(world.CupTeams.begin(), world.CupTeams.end());
        CreateCompetitionGames(world, field, gkCup, gameName, kCupWinPrestige, shape.bonus, shape.games, "");
        SortList(world.RoundGames,
                 [](const TGame* a, const TGame* b) { return CupGameWeight(*a) >= CupGameWeight(*b); });
    }

    PrepareClubs(world, steps, false);
    if (world.QuitRequested) return;

    ShowMatchday(world, gkCup, roundName + " - " + std::to_string(world.SeasonYear));
    ProcessFinishedGames(world);
    ShowRoundMessages(world);
    ExecutePendingTransfers(world);
    if (shape.teamsAfter > 1) DrawCup(world, steps);
    ClearLineupRoles(world);
}

void PlaySeason(TWorld& world, const TSeasonSteps& steps) {
    if (world.ResumeTeam != 0)
        world.SavedThisRound = true;
    else
        StartSeason(world, steps);

    for (int r = world.StartRound; r <= kLastRound; ++r) {
        world.CurrentRound = static_cast<std::int16_t>(r);
        if (world.QuitRequested) continue;
        if (!world.LeagueRoundDone) PlayLeagueRound(world, steps);
        if (!world.QuitRequested && r % 2 == 0) PlayCupRound(world, steps);
        world.LeagueRoundDone = false;
        world.SavedThisRound = false;
    }
    if (world.QuitRequested) return;
    if (!steps.endSeason) throw std::logic_error("the season has no end-of-season step");
    steps.endSeason(world);
    SaveGameNow(world, steps);
}

TSeasonSteps DefaultSeasonSteps() {
    TSeasonSteps steps;
    steps.drawCupRound = DrawCupRound;
    steps.endSeason = EndSeason;
    steps.saveGame = [](TWorld& world) { return world.SaveGame(world.GameFilePath); };
    return steps;
}
