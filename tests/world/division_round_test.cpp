#include "datafiles/player_attr.h"
#include "foundation/kol_random.h"
#include "world/coach.h"
#include "world/division.h"
#include "world/division_schedule.h"
#include "world/game.h"
#include "world/team.h"
#include "world/world.h"

#include <gtest/gtest.h>

namespace {

// A world with the five divisions and ten clubs in the top one, each holding the fixture row of its
// index, as the new season gives them.
struct LeagueWorld {
    TWorld world;
    TDivision* top = nullptr;
    std::vector<TTeam*> clubs;

    LeagueWorld() {
        world.CurrencyRecord = BuiltInCurrencies()[0];
        CreateDivisions(world);
        top = world.Divisions[0];
        for (int i = 0; i < 10; ++i) {
            auto* team = new TTeam(world);
            world.AllTeams.Add(team);
            top->teams.Add(team);
            team->season.scheduleRow = slotTable[static_cast<std::size_t>(i)];
            clubs.push_back(team);
        }
    }
};

} // namespace

TEST(DivisionCreate, FiveDivisionsWithTheirLevelsAndPrestige) {
    TWorld world;
    CreateDivisions(world);
    ASSERT_EQ(world.Divisions.Count(), 5);
    const int levels[] = {110, 80, 50, 20, -10};
    const int prestige[] = {8, 6, 4, 2, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(world.Divisions[i]->referenceLevel, levels[i]);
        EXPECT_EQ(world.Divisions[i]->winPrestige, prestige[i]);
        EXPECT_EQ(world.Divisions[i]->Index(), i);
        EXPECT_TRUE(world.Divisions[i]->teams.Empty());
    }
    EXPECT_EQ(DivisionAt(world.Divisions, 4), world.Divisions[4]);
    EXPECT_EQ(DivisionAt(world.Divisions, 5), nullptr);
    EXPECT_EQ(world.Divisions[0]->ClubAt(0), nullptr);
}

TEST(DivisionRound, MatchdayOnePairsTheClubsBySlot) {
    LeagueWorld w;
    w.top->name = "First";
    w.top->GenerateRound(1);
    ASSERT_EQ(w.world.RoundGames.Count(), 6);
    const TGame* heading = w.world.RoundGames[0];
    EXPECT_EQ(heading->kind, gkHeading);
    EXPECT_EQ(heading->title, w.top->name);
    EXPECT_EQ(heading->homeTeam, nullptr);
    const int pairs[5][2] = {{9, 0}, {8, 1}, {7, 2}, {6, 3}, {5, 4}};
    for (int g = 0; g < 5; ++g) {
        const TGame* game = w.world.RoundGames[g + 1];
        EXPECT_EQ(game->kind, gkLeague);
        EXPECT_EQ(game->homeTeam, w.clubs[static_cast<std::size_t>(pairs[g][0])]) << "game " << g;
        EXPECT_EQ(game->awayTeam, w.clubs[static_cast<std::size_t>(pairs[g][1])]) << "game " << g;
        EXPECT_EQ(game->prizeValue, 8);
        EXPECT_EQ(game->roundMoney, 0);
        EXPECT_EQ(game->calendarSlot, 0);
        EXPECT_EQ(game->extraTime, 0);
        // Empty squads have level 0: the floor of half the multiplier, 2.5, rounded to the unit 2.
        EXPECT_EQ(game->ticketPrice, 2.0L);
    }
    // Without a heading text the round has only its games.
    w.world.RoundGames.Clear();
    w.top->name.clear();
    w.top->GenerateRound(2);
    EXPECT_EQ(w.world.RoundGames.Count(), 5);
    // The division's list itself now stands in slot order (matchday 2: club 9 has slot 4, club 0 slot 1).
    EXPECT_EQ(w.top->teams[0], w.clubs[0]);
    EXPECT_EQ(w.top->teams[1], w.clubs[8]);
    EXPECT_EQ(w.top->teams[3], w.clubs[9]);
}

TEST(DivisionRound, PriceFactorMovesTowardTheComputerClubsShareOfWealth) {
    LeagueWorld w;
    w.top->totalBalance = 10000000;
    for (TTeam* t : w.clubs) t->SetBalance(500000);
    // Human clubs' money does not count: nine computer clubs hold 4 500 000, a share of 0.45.
    TCoach human(w.world);
    human.isHuman = 1;
    w.clubs[0]->coach = &human;
    w.top->GenerateRound(2);
    for (const TTeam* t : w.clubs) EXPECT_NEAR(static_cast<double>(t->priceFactor), 0.9 + 0.045, 1e-12);
    w.clubs[0]->coach = nullptr;

    // A share below a tenth counts as a tenth.
    for (TTeam* t : w.clubs) {
        t->priceFactor = 1.0L;
        t->SetBalance(1000);
    }
    w.top->GenerateRound(3);
    EXPECT_NEAR(static_cast<double>(w.clubs[3]->priceFactor), 0.9 + 0.01, 1e-12);

    // A division that started without money has no share to measure: it counts as a tenth too.
    w.top->totalBalance = 0;
    for (TTeam* t : w.clubs) t->priceFactor = 1.0L;
    w.top->GenerateRound(4);
    EXPECT_NEAR(static_cast<double>(w.clubs[3]->priceFactor), 0.9 + 0.01, 1e-12);
    w.top->ComputeTotalBalance();
    EXPECT_EQ(w.top->totalBalance, 10000);
}

TEST(DivisionRound, ADivisionThatStartedInDebtKeepsTheQuotient) {
    LeagueWorld w;
    // Started 2 000 000 in debt; its ten computer clubs now owe 100 000 each: x = -1 000 000 / -2 000 000
    // = 0.5, and every price factor moves from 1 to 0.9 + 0.1 x 0.5 = 0.95.
    w.top->totalBalance = -2000000;
    for (TTeam* t : w.clubs) t->SetBalance(-100000);
    w.top->GenerateRound(2);
    for (const TTeam* t : w.clubs) EXPECT_NEAR(static_cast<double>(t->priceFactor), 0.95, 1e-12);
    // Clubs in credit against a debt at the start give a negative quotient: it counts as a tenth.
    for (TTeam* t : w.clubs) {
        t->priceFactor = 1.0L;
        t->SetBalance(100000);
    }
    w.top->GenerateRound(3);
    EXPECT_NEAR(static_cast<double>(w.clubs[0]->priceFactor), 0.91, 1e-12);
}

TEST(DivisionRound, ARoundDrawsTheRefereeOrderThenOneNumberPerCrowd) {
    LeagueWorld w;
    std::vector<TDrawRecord> draws;
    SetRandSeed(1234);
    StartDrawLog(draws);
    w.top->GenerateRound(5);
    StopDrawLog();
    // Ten clubs make five games; the heading row draws nothing.
    ASSERT_EQ(draws.size(), 6u);
    EXPECT_STREQ(draws[0].tag, "refereeOrder");
    EXPECT_EQ(draws[0].range, 3);
    for (std::size_t i = 1; i < 6; ++i) EXPECT_STREQ(draws[i].tag, "attendance") << i;
}

TEST(DivisionTable, SortAndClassify) {
    LeagueWorld w;
    // Points in club order; clubs 4 and 5 level on points and goal difference, 5 with more goals.
    const int points[10] = {20, 30, 25, 10, 15, 15, 5, 12, 18, 8};
    const int goalsFor[10] = {10, 20, 15, 5, 8, 10, 3, 7, 9, 4};
    const int goalsAgainst[10] = {5, 5, 5, 5, 5, 7, 5, 5, 5, 5};
    for (int i = 0; i < 10; ++i) {
        w.clubs[static_cast<std::size_t>(i)]->season.points = points[i];
        w.clubs[static_cast<std::size_t>(i)]->season.goalsFor = goalsFor[i];
        w.clubs[static_cast<std::size_t>(i)]->season.goalsAgainst = goalsAgainst[i];
    }
    w.top->SortTable();
    const int expected[10] = {1, 2, 0, 8, 5, 4, 7, 3, 9, 6};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(w.top->teams[k], w.clubs[static_cast<std::size_t>(expected[k])]) << k;
    w.top->ClassifyTable(18);
    EXPECT_EQ(w.clubs[1]->season.leaguePosition, 1);
    EXPECT_EQ(w.clubs[1]->season.tableStatus, 0);
    EXPECT_EQ(w.clubs[2]->season.tableStatus, 3);
    EXPECT_EQ(w.clubs[0]->season.tableStatus, 3);
    EXPECT_EQ(w.clubs[8]->season.tableStatus, 4);
    EXPECT_EQ(w.clubs[6]->season.leaguePosition, 10);
    EXPECT_EQ(w.clubs[6]->season.tableStatus, 2);
    EXPECT_EQ(w.clubs[9]->season.tableStatus, 2);
    // The same table in the second division has two promotion places.
    w.world.Divisions.Exchange(0, 1);
    w.top->ClassifyTable(18);
    EXPECT_EQ(w.clubs[2]->season.tableStatus, 1);
    EXPECT_EQ(w.clubs[0]->season.tableStatus, 4);
}

TEST(DivisionLevels, EachPlaceOfTheTablePullsTowardALowerLevel) {
    LeagueWorld w;
    // One worn outfield player of level 97 in each of the first three clubs of the top table, and one in
    // a club of the pool. A worn player drops a level when above the club's reference level minus 10.
    std::vector<TPlayer*> worn;
    auto addWorn = [&](TTeam& team) {
        auto* p = new TPlayer(w.world);
        p->attr->SetPosition(2);
        p->SetLevel(97);
        p->matchState.wearCounter = -1;
        w.world.AllPlayers.Add(p);
        team.AddPlayer(*p);
        worn.push_back(p);
    };
    for (int j = 0; j < 3; ++j) addWorn(*w.top->teams[j]);
    auto* pool = new TTeam(w.world);
    w.world.AllTeams.Add(pool);
    w.world.Divisions[4]->teams.Add(pool);
    addWorn(*pool);
    worn[3]->SetLevel(5);

    ApplyLevelEvolution(w.world.Divisions);
    // Index 0: 110 - 10 = 100, 97 is not above it. Index 1: 96. Index 2: 92.
    EXPECT_EQ(worn[0]->level(), 97);
    EXPECT_EQ(worn[1]->level(), 96);
    EXPECT_EQ(worn[2]->level(), 96);
    // The pool plays no league and is left alone.
    EXPECT_EQ(worn[3]->level(), 5);
}
