// The numbered rules of the round loop: which rounds play cup ties and what each cup round is, the price
// level's step and bounds, the autosave, and the options a career reads and leaves behind.
#include "../world/world_fixture.h"

#include "foundation/kol_random.h"
#include "foundation/settings.h"
#include "season/autosave.h"
#include "season/career.h"
#include "season/cup_round.h"
#include "season/game_loop.h"
#include "season/price_level.h"
#include "world/division.h"
#include "world/game.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

TEST(CupRound, EvenRoundsPlayWhileMoreThanTwoToTheKClubsExist) {
    // k = (18 - r) div 2; a round plays when the career has more than 2^k clubs.
    struct Case {
        int clubs, round;
        bool plays;
    } cases[] = {
        {60, 6, false}, {60, 8, true},  {64, 6, false}, {65, 6, true},  {256, 2, false},
        {256, 4, true}, {257, 2, true}, {2, 16, false}, {2, 18, true},  {3, 16, true},
        {4, 14, false}, {5, 14, true},  {1, 18, false}, {17, 10, true}, {16, 10, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CupPlaysInRound(c.clubs, c.round), c.plays) << c.clubs << " " << c.round;
}

TEST(CupRound, TiesNamesAndBonusesFollowTheClubsLeft) {
    CurrencyRecord currency;
    currency.bonusSemiFinal = 70000;
    currency.bonusQuarterFinal = 30000;
    struct Case {
        int cupTeams, allTeams, teamsAfter, games, nameText, roundNumber, bonus;
    } cases[] = {
        {8, 60, 4, 4, 27, 0, 30000}, // eight clubs: the quarter-finals with their bonus
        {5, 60, 4, 1, 27, 0, 30000}, // five: one tie, three go through
        {9, 60, 8, 1, 275, 4, 0},    // nine: 9 >= 60/8 = 7.5, not 60/16: round 4 by number
        {4, 60, 2, 2, 26, 0, 70000}, // the semi-finals
        {3, 60, 2, 1, 26, 0, 70000}, // three clubs: one semi-final, one club through
        {2, 60, 1, 1, 25, 0, 0},     // the final pays no bonus
        {60, 60, 32, 28, 275, 1, 0}, // the first round: 60 down to 32
        {32, 60, 16, 16, 275, 2, 0}, // 32 >= 60/2
        {16, 60, 8, 8, 275, 3, 0},   // 16 >= 60/4
        {256, 256, 128, 128, 275, 1, 0}, {128, 256, 64, 64, 275, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.cupTeams) + " of " + std::to_string(c.allTeams));
        const TCupRoundShape s = CupRoundShape(c.cupTeams, c.allTeams, currency);
        EXPECT_EQ(s.teamsAfter, c.teamsAfter);
        EXPECT_EQ(s.games, c.games);
        EXPECT_EQ(s.nameText, c.nameText);
        if (c.nameText == 275) {
            EXPECT_EQ(s.roundNumber, c.roundNumber);
        }
        EXPECT_EQ(s.bonus, c.bonus);
    }
}

// The three uniform draws of one step, taken from the generator in the order the rule takes them.
std::array<long double, 3> NextThreeDraws(std::uint32_t seed) {
    SetRandSeed(seed);
    std::array<long double, 3> u{};
    for (long double& x : u) x = RandomFloat();
    SetRandSeed(seed);
    return u;
}

TEST(PriceLevel, OneStepAddsTheSecondDrawBeforeMidCenturyAndSubtractsItAfter) {
    struct Case {
        int year;
        bool up;
    } cases[] = {{2000, true}, {2049, true}, {2050, false}, {2099, false}, {2100, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        const auto u = NextThreeDraws(4711);
        TWorld world;
        world.SeasonYear = c.year;
        world.PriceIndex = 2.0L;
        MovePriceLevel(world);
        const long double d = c.up ? u[0] + u[1] : u[0] - u[1];
        EXPECT_EQ(world.PriceIndex, 2.0L + (d - u[2]) * 0.01L);
    }
}

TEST(PriceLevel, DriftsUpIn2049AndDownIn2050) {
    // Mean step +0.005 or -0.005, spread 0.005 a step: after 400 steps 5 +- 2, give or take 0.1 per sigma.
    for (const auto& [year, low, high] : {std::tuple{2049, 6.5L, 7.5L}, std::tuple{2050, 2.5L, 3.5L}}) {
        SetRandSeed(99);
        TWorld world;
        world.SeasonYear = year;
        world.PriceIndex = 5.0L;
        for (int i = 0; i < 400; ++i) MovePriceLevel(world);
        EXPECT_GT(world.PriceIndex, low) << year;
        EXPECT_LT(world.PriceIndex, high) << year;
    }
}

TEST(PriceLevel, StaysWithinItsBoundsAndReachesThemExactly) {
    SetRandSeed(5);
    TWorld world;
    world.SeasonYear = 2049;
    world.PriceIndex = 9.95L;
    bool reachedTop = false;
    for (int i = 0; i < 200; ++i) {
        MovePriceLevel(world);
        ASSERT_LE(world.PriceIndex, 10.0L);
        reachedTop = reachedTop || world.PriceIndex == 10.0L;
    }
    EXPECT_TRUE(reachedTop);
    world.SeasonYear = 2050;
    world.PriceIndex = 0.55L;
    bool reachedBottom = false;
    for (int i = 0; i < 200; ++i) {
        MovePriceLevel(world);
        ASSERT_GE(world.PriceIndex, 0.5L);
        reachedBottom = reachedBottom || world.PriceIndex == 0.5L;
    }
    EXPECT_TRUE(reachedBottom);
}

TEST(Autosave, SavesInTheRoundsOfEachChoiceOncePerRound) {
    struct Case {
        int saveGameWhen;
        std::vector<int> rounds;
    } cases[] = {
        {1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}},
        {2, {1, 3, 6, 9, 12, 15, 18}},
        {3, {1}},
        {0, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saveGameWhen);
        TWorld world;
        TTeam& club = worldtest::MakeClub(world, "Home");
        club.id = 41;
        world.Options.saveGameWhen = c.saveGameWhen;
        std::vector<int> saved;
        for (int r = 1; r <= 18; ++r) {
            world.CurrentRound = static_cast<std::int16_t>(r);
            world.SavedThisRound = false;
            // Two club screens close in each round: the league one, then the cup one.
            for (bool league : {true, false}) {
                world.ResumeTeam = 0;
                if (!PrepareAutosave(world, club, league)) continue;
                saved.push_back(r);
                EXPECT_EQ(world.ResumeTeam, 41);
                EXPECT_EQ(world.LeagueRoundDone, !league);
                world.SavedThisRound = true; // the save marks the round
            }
        }
        EXPECT_EQ(saved, c.rounds);
    }
}

TEST(CareerOptions, ReadFromTheStoreAndWrittenBackWhenThePersonQuits) {
    TMemorySettingsStore store;
    store.WriteInteger("Options", "saveGameWhen", 1);
    store.WriteInteger("Options", "gameTimeProfile", 7); // outside 1..4: the default profile
    store.WriteBool("Options", "viewAuction", false);
    auto world = std::make_unique<TWorld>();
    int begun = 0;
    RunCareer(
        world, store,
        [&](std::unique_ptr<TWorld>& w) {
            ++begun;
            EXPECT_EQ(w->Options.saveGameWhen, 1);
            EXPECT_EQ(w->Options.gameTimeProfile, 2);
            EXPECT_FALSE(w->Options.viewAuction);
            // A game loaded in place of the new world: the options of the settings go with it.
            w = std::make_unique<TWorld>();
            w->CurrencyRecord.name = "Crowns";
            w->GameFilePath = "GAMES/career.kbg";
            w->QuitRequested = true;
        },
        TSeasonSteps{});
    EXPECT_EQ(begun, 1);
    EXPECT_EQ(world->Options.saveGameWhen, 1);
    EXPECT_EQ(store.ReadInteger("Options", "saveGameWhen", 0), 1);
    EXPECT_FALSE(store.ReadBool("Options", "viewAuction", true));
    EXPECT_EQ(store.ReadString("System", "lastGame", ""), "GAMES/career.kbg");
    EXPECT_EQ(store.ReadString("Options", "currency", ""), "Crowns");
}

TEST(CareerOptions, ACancelledStartPlaysNothingAndWritesNothing) {
    TMemorySettingsStore store;
    auto world = std::make_unique<TWorld>();
    world->GameFilePath = "x.kbg";
    RunCareer(
        world, store,
        [](std::unique_ptr<TWorld>& w) {
            w->StopRequested = true;
            w->QuitRequested = true;
        },
        TSeasonSteps{}); // no step at all: a season would throw
    EXPECT_EQ(store.Count(), 0u);
}

TEST(SeasonSteps, TheDefaultSaveWritesTheGameFileTheWorldNames) {
    TWorld world;
    worldtest::MakeClub(world, "Home");
    CreateDivisions(world);
    world.CurrentRound = 7;
    world.GameFilePath =
        (std::filesystem::temp_directory_path() / ("kolbrin_loop_save_" + std::to_string(getpid()) + ".kbg"))
            .string();
    EXPECT_TRUE(SaveGameNow(world, DefaultSeasonSteps()));
    EXPECT_TRUE(world.SavedThisRound);
    const std::unique_ptr<TWorld> loaded = TWorld::LoadGame(world.GameFilePath);
    EXPECT_EQ(loaded->CurrentRound, 7);
    EXPECT_EQ(loaded->AllTeams.Count(), 1);
    std::filesystem::remove(world.GameFilePath);
}

TEST(SeasonSteps, TheClubScreenSaveResumesAtThatClubAndAFailedOneLeavesTheRoundAsItWas) {
    TWorld world;
    TTeam& home = worldtest::MakeClub(world, "Home");
    TTeam& away = worldtest::MakeClub(world, "Away");
    CreateDivisions(world);
    world.CurrentRound = 6;
    world.RoundGames.Add(new TGame(world, gkCup, 10, 0, 0, 1.0L, "Cup", &away, &home));
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("kolbrin_screen_save_" + std::to_string(getpid()) + ".kbg");
    world.GameFilePath = file.string();
    ASSERT_TRUE(SaveAtClubScreen(world, away));
    EXPECT_EQ(world.ResumeTeam, 0);
    const std::unique_ptr<TWorld> loaded = TWorld::LoadGame(world.GameFilePath);
    EXPECT_EQ(loaded->ResumeTeam, away.id);
    EXPECT_TRUE(loaded->LeagueRoundDone); // a cup tie: the league part of round 6 is behind
    EXPECT_EQ(loaded->StartRound, 6);

    // A file where the folder should be: the save fails and the round goes on unmarked.
    world.GameFilePath = (file / "game.kbg").string();
    world.LeagueRoundDone = false;
    EXPECT_FALSE(SaveAtClubScreen(world, home));
    EXPECT_EQ(world.ResumeTeam, 0);
    EXPECT_FALSE(world.LeagueRoundDone);
    std::filesystem::remove(file);
}

} // namespace
