// A career played for a few matchdays through the headless runner is saved and loaded: the loaded world
// writes the same bytes, loading twice gives the same world, the id counter goes on, and the loaded career
// plays the next matchday exactly as the one that was saved (nothing the rules use was left out).
#include "headless_matchday.h"

#include "world/saved_game.h"

#include <gtest/gtest.h>

using namespace headless;

namespace {

struct TPlayedCareer {
    THeadlessMatchday out;
    THeadlessPort port;
    TWorld world;

    TPlayedCareer() {
        port.out = &out;
        port.RecordBeeps = false;
        InstallSubstitutionAutopilot(port);
        world.SetPort(port);
    }
};

// One league matchday of the four leagues from the world's present state.
void PlayLeagueMatchday(TWorld& world, THeadlessPort& port, int round) {
    world.CurrentRound = static_cast<std::int16_t>(round);
    for (int d = 0; d < 4; ++d) world.Divisions[d]->GenerateRound(round);
    PlayAndProcess(world, port, 0);
    for (int d = 0; d < 4; ++d) world.Divisions[d]->SortTable();
}

} // namespace

TEST(SavedGamePlayed, ThreeMatchdaysAndACupRoundSaveAndLoadToTheSameCareer) {
    const std::filesystem::path teams = std::filesystem::path(KOLBRIN_BINARY_DIR) / "bin" / "Teams";
    std::error_code ec;
    if (!std::filesystem::is_directory(teams, ec)) GTEST_SKIP() << "the shipped clubs are not laid out";
    SetRandSeed(2002);
    TPlayedCareer career;
    TWorld& world = career.world;
    worldtest::BuildCareerWorld(world, worldtest::CareerTeamFiles(kClubs));
    LoadShippedReferees(world);
    world.Options.viewComputerPenalties = false;
    for (int round = 1; round <= 3; ++round) PlayLeagueMatchday(world, career.port, round);
    world.CupTeams.Clear();
    for (TTeam* team : world.AllTeams) world.CupTeams.Add(team);
    const std::vector<TTeam*> cup(world.CupTeams.begin(), world.CupTeams.end());
    CreateCompetitionGames(world, cup, gkCup, "Cup", 10, 1000000, kClubs / 2, "");
    PlayAndProcess(world, career.port, 1);
    ASSERT_GT(world.LastTransfersList.Count() + world.AllTeams[0]->lastResults.Count(), 0);

    const std::vector<std::uint8_t> file = world.SaveGameBytes();
    TPlayedCareer loadedCareer;
    const auto loaded = TWorld::LoadGameBytes(file, &loadedCareer.port);
    const auto again = TWorld::LoadGameBytes(file);
    EXPECT_EQ(loaded->SaveGameBytes(), file);
    EXPECT_EQ(again->SaveGameBytes(), file);
    EXPECT_EQ(loaded->NextObjectId, world.NextObjectId);
    EXPECT_EQ(loaded->AllPlayers.Count(), world.AllPlayers.Count());

    // Both careers play the fourth matchday from the same seed: they must stay one career.
    loaded->Options = world.Options;
    SetRandSeed(4);
    PlayLeagueMatchday(world, career.port, 4);
    SetRandSeed(4);
    PlayLeagueMatchday(*loaded, loadedCareer.port, 4);
    EXPECT_EQ(loaded->SaveGameBytes(), world.SaveGameBytes());
    TPlayer next(*loaded);
    TPlayer nextHere(world);
    EXPECT_EQ(next.id, nextHere.id);
}
