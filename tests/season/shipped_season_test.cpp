// A career built from the shipped team files of every country, then its end of season: the world keeps
// its shape and every one of its players.
#include "season_fixture.h"
#include "shipped_career.h"

#include "datafiles/countries.h"
#include "season/end_of_season.h"
#include "season/game_loop.h"
#include "season/new_world.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace {

void CheckEveryPlayerInOneSquad(const TWorld& world) {
    std::map<const TPlayer*, int> seen;
    int inSquads = 0;
    for (const TTeam* team : world.AllTeams)
        for (const TPlayer* p : team->players) {
            ++seen[p];
            ++inSquads;
        }
    EXPECT_EQ(inSquads, world.AllPlayers.Count());
    for (const TPlayer* p : world.AllPlayers) EXPECT_EQ(seen[p], 1);
}

} // namespace

TEST(ShippedCareer, EndOfSeasonKeepsEveryPlayerAndTheShapeOfTheWorld) {
    TWorld world;
    const auto files = seasontest::BuildShippedCareer(world, 2002);
    ASSERT_GT(files.size(), 256u) << "the shipped world has more clubs than a career takes";
    ASSERT_FALSE(world.QuitRequested);
    ASSERT_EQ(world.AllTeams.Count(), 256);
    for (int i = 1; i < world.AllTeams.Count(); ++i)
        EXPECT_GE(world.AllTeams[i - 1]->attr->Level(), world.AllTeams[i]->attr->Level());
    world.DefaultPort().HumanCoachNames = {"Person"};
    EnrolHumanCoaches(world);
    CreateStartEvents(world);

    // A season's start as far as the end needs it: older players, new tables, the retirements marked.
    for (TPlayer* p : world.AllPlayers) p->SetAge(p->age() + 1);
    for (int d = 0; d < world.Divisions.Count(); ++d) world.Divisions[d]->NewSeasonAll(d < 4);
    int retiring = 0;
    for (const TPlayer* p : world.AllPlayers) retiring += p->retiring;
    EXPECT_GT(retiring, 0);
    world.CurrentRound = 18;
    world.CupTeams.Add(world.AllTeams[7]);
    world.AllTeams[3]->players[0]->season.runningGoals = 20;

    const int players = world.AllPlayers.Count();
    CheckEveryPlayerInOneSquad(world);
    EndSeason(world);

    EXPECT_EQ(world.AllPlayers.Count(), players);
    CheckEveryPlayerInOneSquad(world);
    for (const TPlayer* p : world.AllPlayers) EXPECT_EQ(p->retiring, 0);
    ASSERT_EQ(world.Divisions.Count(), 5);
    for (int d = 0; d < 4; ++d) EXPECT_EQ(world.Divisions[d]->teams.Count(), 10);
    EXPECT_EQ(world.Divisions[4]->teams.Count(), 216);
    EXPECT_EQ(world.AllTeams.Count(), 256);
    EXPECT_EQ(world.SeasonYear, 2003);
    for (const TCoach* c : world.AllCoaches)
        if (c->isHuman && c->CurrentClub() != nullptr) {
            EXPECT_LT(world.DivisionIndexOfTeam(*c->CurrentClub()), 4);
        }
    ResetCountries();
}

TEST(ShippedCareer, ASeasonOfTheRoundLoopWithTheRealDrawAndEndOfSeason) {
    TWorld world;
    seasontest::BuildShippedCareer(world, 7);
    world.DefaultPort().HumanCoachNames = {"Person"};
    EnrolHumanCoaches(world);
    CreateStartEvents(world);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("kolbrin_season_" + std::to_string(getpid()) + ".kbg");
    world.GameFilePath = file.string();
    const int players = world.AllPlayers.Count();

    PlaySeason(world, DefaultSeasonSteps());

    EXPECT_EQ(world.SeasonYear, 2003);
    ASSERT_EQ(world.LastWinnersList.Count(), 1);
    world.CupTeams.Pack();
    ASSERT_EQ(world.CupTeams.Count(), 1); // the cup ends with its winner, in round 18
    EXPECT_EQ(world.LastWinnersList.Last()->cupWinnerId, world.CupTeams[0]->id);
    EXPECT_EQ(world.AllPlayers.Count(), players);
    CheckEveryPlayerInOneSquad(world);
    for (int d = 0; d < 4; ++d) EXPECT_EQ(world.Divisions[d]->teams.Count(), 10);
    EXPECT_TRUE(std::filesystem::file_size(file) > 0);
    std::error_code ec;
    std::filesystem::remove(file, ec);
    ResetCountries();
}
