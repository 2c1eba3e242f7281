// The copy step from the program's settings into a career: the world takes the options and the currency
// as they are at that moment, and later changes of the settings do not reach the rules.
#include "world_fixture.h"

#include "foundation/settings.h"

#include <gtest/gtest.h>

using namespace worldtest;

TEST(CareerSettings, TheWorldTakesACopyOfTheOptionsAndTheCurrency) {
    TWorld world;
    TGameSettings settings;
    settings.viewAuction = false;
    settings.viewPsychologicalLashes = 2;
    settings.gameTimeProfile = 4;
    settings.directory = "/elsewhere"; // not an option: stays with the program
    CopyCareerSettings(world, settings, BuiltInCurrencies()[3]);
    EXPECT_FALSE(world.Options.viewAuction);
    EXPECT_EQ(world.Options.viewPsychologicalLashes, 2);
    EXPECT_EQ(world.Options.gameTimeProfile, 4);
    EXPECT_EQ(world.Options, static_cast<const TGameOptions&>(settings));
    // UK pounds: money step 250 000 and multiplier 3.
    EXPECT_EQ(world.MoneyStep(), 250000);
    EXPECT_EQ(world.MoneyMultiplier(), 3);

    // The settings change afterwards: the career keeps its copy.
    settings.viewAuction = true;
    settings.viewPsychologicalLashes = 0;
    EXPECT_FALSE(world.Options.viewAuction);
    EXPECT_EQ(world.Options.viewPsychologicalLashes, 2);
}
