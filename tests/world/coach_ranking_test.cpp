// The coach ranking: prestige first, titles at equal prestige, the coaches list's order after that.
#include "world_fixture.h"

#include "world/coach_ranking.h"

#include <gtest/gtest.h>

TEST(CoachRanking, PrestigeThenTitlesThenListOrder) {
    TWorld world;
    const struct {
        const char* name;
        int prestige, league, cup;
    } coaches[] = {
        {"Low", 10, 5, 5},        {"TiedFirst", 40, 1, 0},  {"Top", 41, 0, 0},
        {"TiedTitles", 40, 0, 2}, {"TiedSecond", 40, 1, 0}, {"Negative", -3, 0, 0},
    };
    for (const auto& c : coaches) {
        auto coach = std::make_unique<TCoach>(world);
        coach->SetName(c.name);
        coach->SetPrestige(c.prestige);
        coach->leagueTitles = c.league;
        coach->cupTitles = c.cup;
        world.AllCoaches.Add(coach.release());
    }
    world.AllCoaches.Add(nullptr); // an empty entry is left out
    std::vector<std::string> names;
    for (const TCoach* coach : CoachRanking(world)) names.push_back(coach->Name());
    EXPECT_EQ(names,
              (std::vector<std::string>{"Top", "TiedTitles", "TiedFirst", "TiedSecond", "Low", "Negative"}));
}
