// The coach manager (adding and removing the people playing) and the round's news of coach moves.
#include "season_fixture.h"

#include "../world/labels_fixture.h"
#include "season/coach_manager.h"
#include "season/league_tables.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

TCoach& Human(TWorld& world, const std::string& name, TTeam* club = nullptr) {
    TCoach* coach;
    if (club != nullptr) {
        coach = club->coach;
        coach->SetCurrentClub(club);
    } else {
        coach = new TCoach(world);
        world.AllCoaches.Add(coach);
    }
    coach->SetName(name);
    coach->isHuman = 1;
    return *coach;
}

TCoach& Unemployed(TWorld& world, const std::string& name) {
    auto* coach = new TCoach(world);
    coach->SetName(name);
    world.AllCoaches.Add(coach);
    return *coach;
}

} // namespace

TEST(CoachManager, ListsThePeopleByNameWithTheHolidayMark) {
    TestLabels labels({{207, " (away)"}});
    TWorld world;
    Human(world, "bruno");
    Human(world, "Ana");
    Human(world, "Carla").onHoliday = 1;
    Unemployed(world, "Aaron");
    TCoachManager manager(world);
    ASSERT_EQ(manager.Coaches().size(), 3u);
    EXPECT_EQ(manager.Coaches()[0]->Name(), "Ana");
    EXPECT_EQ(manager.Coaches()[1]->Name(), "bruno");
    EXPECT_EQ(manager.LineOf(*manager.Coaches()[2]), "Carla (away)");
}

TEST(CoachManager, AddingRefusesANameTakenInAnyLetterCaseAndStopsAtSix) {
    TestLabels labels({{446, "Taken"}, {447, "%s exists"}});
    TWorld world;
    Human(world, "Ana");
    Unemployed(world, "Rui Costa");
    auto& port = world.DefaultPort();
    TCoachManager manager(world);

    port.TextInputs = {"RUI COSTA"};
    EXPECT_EQ(manager.Add(), nullptr);
    EXPECT_EQ(port.Messages.back(), "RUI COSTA exists");
    EXPECT_EQ(port.Calls.back(), "MessageBox Taken");

    EXPECT_EQ(manager.Add(), nullptr); // no input left: cancelled
    EXPECT_EQ(manager.Coaches().size(), 1u);

    for (const char* name : {"Bea", "Cid", "Dia", "Eva"}) {
        port.TextInputs = {name};
        ASSERT_NE(manager.Add(), nullptr) << name;
    }
    EXPECT_TRUE(manager.CanAdd()); // five
    port.TextInputs = {"Fay"};
    TCoach* sixth = manager.Add();
    ASSERT_NE(sixth, nullptr);
    EXPECT_EQ(sixth->isHuman, 1);
    EXPECT_EQ(sixth->CurrentClub(), nullptr);
    EXPECT_TRUE(world.AllCoaches.Contains(sixth));
    EXPECT_FALSE(manager.CanAdd());
    port.TextInputs = {"Gil"};
    EXPECT_EQ(manager.Add(), nullptr);
}

TEST(CoachManager, OnePersonAlwaysRemains) {
    TWorld world;
    TCoach& ana = Human(world, "Ana");
    TCoachManager manager(world);
    EXPECT_FALSE(manager.CanRemove(&ana));
    EXPECT_TRUE(manager.CanClose());
    TCoach& bea = Human(world, "Bea");
    TCoachManager two(world);
    EXPECT_TRUE(two.CanRemove(&bea));
    EXPECT_FALSE(two.CanRemove(nullptr));
}

TEST(CoachManager, ARemovedPersonsClubGoesToTheFirstComputerCoachWithoutAClub) {
    TestLabels labels({{209, "Remove %s?"}, {210, "Remove"}});
    TWorld world;
    world.SeasonYear = 2007;
    TTeam& club = MakeClub(world, "Alpha");
    TCoach& human = Human(world, "Ana", &club);
    Human(world, "Bea");
    TPlayer& paid = AddPlayer(club, 1, 50, 25);
    paid.SetSalary(90000); // market value 27 500
    club.SetBalance(-4000);
    TCoach& busyHuman = Human(world, "Cid");
    (void)busyHuman;
    TCoach& first = Unemployed(world, "First");
    Unemployed(world, "Second");
    auto& port = world.DefaultPort();
    TCoachManager manager(world);

    port.YesNoAnswers = {false};
    EXPECT_FALSE(manager.Remove(human));
    EXPECT_EQ(port.Messages.back(), "Remove Ana?");
    EXPECT_EQ(club.coach, &human);

    port.YesNoAnswers = {true};
    const int coaches = world.AllCoaches.Count();
    EXPECT_TRUE(manager.Remove(human));
    EXPECT_EQ(club.coach, &first);
    EXPECT_EQ(first.CurrentClub(), &club);
    EXPECT_EQ(paid.salary(), 27500);
    EXPECT_EQ(club.balance(), 0);
    ASSERT_EQ(first.events.Count(), 1);
    EXPECT_EQ(first.events.Last()->kind, 5);
    EXPECT_EQ(first.events.Last()->season, 2007);
    EXPECT_EQ(first.events.Last()->otherId, club.id);
    EXPECT_EQ(world.AllCoaches.Count(), coaches - 1);
    EXPECT_EQ(world.CoachByName("Ana"), nullptr);
    EXPECT_EQ(manager.Coaches().size(), 2u);
}

TEST(CoachManager, APersonWhoseClubWouldStayWithoutACoachCannotLeave) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TCoach& human = Human(world, "Ana", &club);
    TCoach& free = Human(world, "Bea");
    TCoachManager manager(world);
    EXPECT_FALSE(manager.CanRemove(&human));
    EXPECT_TRUE(manager.CanRemove(&free)); // no club to hand over
    world.DefaultPort().YesNoAnswers = {true};
    EXPECT_FALSE(manager.Remove(human));
    EXPECT_EQ(club.coach, &human);
}

TEST(RoundNews, CoachMovesAreShownOnceWhenTheOptionAsksForThem) {
    TestLabels labels({{273, "News"}});
    // 1: only moves that involve a person; 2: every move; 0: none.
    for (auto [option, human, shown] :
         {std::tuple{1, true, 3}, std::tuple{1, false, 0}, std::tuple{2, false, 3}, std::tuple{0, true, 0}}) {
        SCOPED_TRACE(std::to_string(option) + (human ? " human" : ""));
        TWorld world;
        world.Options.viewPsychologicalLashes = option;
        TTeam& club = MakeClub(world, "Alpha");
        club.coach->isHuman = human ? 1 : 0;
        Unemployed(world, "Next");
        club.ChangeCoach(0);
        ShowRoundMessages(world);
        const auto& calls = world.DefaultPort().Calls;
        if (shown > 0) {
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ(calls.back(), "ShowRoundNews News " + std::to_string(shown));
        } else {
            EXPECT_TRUE(calls.empty());
        }
        EXPECT_TRUE(world.RoundMessages.Empty());
        ShowRoundMessages(world);
        EXPECT_EQ(world.DefaultPort().Calls.size(), shown > 0 ? 1u : 0u);
    }
}
