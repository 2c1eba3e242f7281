// The classification between rounds: the face beside each club by its table status, and the caption.
#include "season_fixture.h"

#include "../world/labels_fixture.h"
#include "season/classification.h"

#include <gtest/gtest.h>

TEST(Classification, TheFaceOfEachTableStatus) {
    // 0 happy, 4 the third face, 2 and every code above 4 the saddest; code 5 shows the position instead.
    for (auto [status, icon] : {std::pair{0, "happy1_small.bmp"}, std::pair{1, "happy2_small.bmp"},
                                std::pair{2, "happy4_small.bmp"}, std::pair{3, "happy2_small.bmp"},
                                std::pair{4, "happy3_small.bmp"}, std::pair{5, ""},
                                std::pair{6, "happy4_small.bmp"}, std::pair{-1, "happy2_small.bmp"}})
        EXPECT_EQ(ClassificationIcon(status), icon) << status;
}

TEST(Classification, CaptionAndTheTablesSortedBeforeTheyAreShown) {
    TestLabels labels({{35, "Final table"}, {143, "After round %d"}});
    EXPECT_EQ(ClassificationCaption(0), "Final table");
    EXPECT_EQ(ClassificationCaption(7), "After round 7");

    TWorld world;
    seasontest::LeagueWorld(world, 2);
    TTeam& last = *world.Divisions[2]->teams[9];
    last.season.points = 3;
    ShowClassification(world, 1, true);
    EXPECT_EQ(world.Divisions[2]->teams[0], &last);
    EXPECT_EQ(world.DefaultPort().Calls.back(), "ShowClassification 1 auto");
}
