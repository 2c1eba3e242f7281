// History records, the stadium and the world's lists and lookups.
#include "world_fixture.h"

#include "datafiles/referee_attr.h"
#include "foundation/reals.h"
#include "foundation/row_markup.h"
#include "world/division.h"

#include <gtest/gtest.h>

using namespace worldtest;

TEST(Stadium, GrowthAndItsLimit) {
    TStadium stadium;
    EXPECT_EQ(stadium.size, 1);
    EXPECT_EQ(stadium.Capacity(), 5000);
    EXPECT_FALSE(stadium.CanEnlarge()); // 0.6 full
    stadium.SetFillRatio(0.8L);
    EXPECT_EQ(stadium.CanEnlarge(), stadium.fillRatio() >= 0.8L);
    stadium.SetFillRatio(0.85L);
    EXPECT_TRUE(stadium.CanEnlarge());
    EXPECT_TRUE(stadium.Enlarge());
    EXPECT_EQ(stadium.size, 2);
    EXPECT_EQ(stadium.fillRatio(), RoundToReal48(0.6L));
    stadium.size = 24;
    stadium.SetFillRatio(0.95L);
    EXPECT_FALSE(stadium.CanEnlarge());
    EXPECT_FALSE(stadium.Enlarge());
    EXPECT_EQ(stadium.size, 24);
    EXPECT_EQ(stadium.Capacity(), 120000);
}

TEST(Stadium, WorksCostByBand) {
    TStadium stadium;
    // max(nearest(sqrt(k) x 2 x 35 000 x 5 x 0.00002) x 50 000, 50 000): k = 1, 2, 3 -> 7, 9.9, 12.1.
    stadium.size = 5;
    EXPECT_EQ(stadium.EnlargeCost(2.0L, 5), 350000);
    stadium.size = 13;
    EXPECT_EQ(stadium.EnlargeCost(2.0L, 5), 500000);
    stadium.size = 14;
    EXPECT_EQ(stadium.EnlargeCost(2.0L, 5), 600000);
}

TEST(Stadium, AdmitsAtMostItsCapacity) {
    TStadium stadium;
    EXPECT_EQ(stadium.AdmitSpectators(0), 0);
    // 0.9 x 0.6: the crowd of nobody lowers the fill by a tenth.
    EXPECT_NEAR(static_cast<double>(stadium.fillRatio()), 0.54, 1e-9);
    EXPECT_EQ(stadium.AdmitSpectators(12000), 5000);
    // 0.9 x 0.54 + 0.1 x 5000 / 5001
    EXPECT_NEAR(static_cast<double>(stadium.fillRatio()), 0.486 + 0.1 * 5000.0 / 5001.0, 1e-9);
    EXPECT_EQ(stadium.fillRatio(), RoundToReal48(stadium.fillRatio()));
}

TEST(HistoryLists, LimitsDropTheOldest) {
    TWorld world;
    for (int i = 0; i < 201; ++i) {
        auto t = std::make_unique<TLastTransfer>(world);
        t->price = i;
        world.LastTransfersList.Add(t.release());
    }
    ASSERT_EQ(world.LastTransfersList.Count(), 200);
    EXPECT_EQ(world.LastTransfersList[0]->price, 1);
    for (int i = 0; i < 51; ++i) {
        auto w = std::make_unique<TLastWinners>(world);
        w->season = static_cast<std::int16_t>(2000 + i);
        world.LastWinnersList.Add(w.release());
    }
    ASSERT_EQ(world.LastWinnersList.Count(), 50);
    EXPECT_EQ(world.LastWinnersList[0]->season, 2001);
    TTeam& club = MakeClub(world, "Alpha");
    for (int i = 0; i < 51; ++i) club.events.Add(new TTeamEvent(world, 1, 2000 + i, 0));
    ASSERT_EQ(club.events.Count(), 50);
    EXPECT_EQ(club.events[0]->season, 2001);
}

TEST(HistoryRows, ResultsWinnersAndNews) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TLastResult league(world);
    league.season = 2004;
    league.homeGoals = 3;
    league.awayGoals = 1;
    auto cells = ParseRowMarkup(league.GetListText(0));
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].text, "2004");
    EXPECT_EQ(cells[1].text, "3:1");
    EXPECT_EQ(cells[2].text, ""); // a league game has no competition name
    cells = ParseRowMarkup(league.GetListTextEx(0, 1));
    EXPECT_EQ(cells[1].text, "1:3");

    TLastWinners winners(world);
    winners.season = 2004;
    winners.championId = club.id;
    winners.championCoachId = club.coach->id;
    winners.cupWinnerId = 999; // gone
    cells = ParseRowMarkup(winners.GetListText(0));
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[1].text, "Alpha");
    EXPECT_EQ(cells[2].text, "Coach Alpha");
    EXPECT_EQ(cells[3].text, "");

    TLash separator(world, 0, 0, false);
    cells = ParseRowMarkup(separator.GetListText(0));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].text, "");
    EXPECT_EQ(cells[0].width, 255); // a width byte holds at most 255 of the 300 pixels
}

TEST(HistoryRows, ALastTransferReadsLikeThePlayerRowsAndPricesLikeEveryAmount) {
    TWorld world;
    world.CurrencyRecord.suffix = " EUR";
    const TTeam& seller = MakeClub(world, "Alpha");
    const TTeam& buyer = MakeClub(world, "Beta");
    TLastTransfer record(world);
    record.level = 81;
    record.age = 26;
    record.sellerId = seller.id;
    record.buyerId = buyer.id;
    record.price = 1500000;
    const auto cells = ParseRowMarkup(record.GetListText(0));
    ASSERT_EQ(cells.size(), 7u);
    // Level and age left as in the player rows: no alignment code in front of them.
    EXPECT_EQ(cells[2], (TRowCell{0, 40, "81"}));
    EXPECT_EQ(cells[3], (TRowCell{0, 40, "26"}));
    EXPECT_EQ(cells[4].text, "Alpha");
    EXPECT_EQ(cells[5].text, "Beta");
    EXPECT_EQ(cells[6].text, "1 500 000 EUR");
}

TEST(WorldLookups, ByIdNameAndDivision) {
    TWorld world;
    CreateDivisions(world);
    TTeam& a = MakeClub(world, "Alpha");
    TTeam& b = MakeClub(world, "Beta");
    TPlayer& p = AddPlayer(b, 1, 10, 20);
    world.Divisions[3]->teams.Add(&b);
    EXPECT_EQ(world.TeamById(a.id), &a);
    EXPECT_EQ(world.TeamById(12345), nullptr);
    EXPECT_EQ(world.TeamByPlayerId(p.id), &b);
    EXPECT_EQ(world.TeamByCoachId(a.coach->id), &a);
    EXPECT_EQ(world.PlayerById(p.id), &p);
    EXPECT_EQ(world.CoachById(b.coach->id), b.coach);
    EXPECT_EQ(world.CoachByName("coach BETA"), b.coach);
    EXPECT_EQ(world.CoachByName("Nobody"), nullptr);
    EXPECT_EQ(world.DivisionIndexOfTeam(b), 3);
    EXPECT_EQ(world.DivisionIndexOfTeam(a), -1);
    EXPECT_EQ(b.Division(), world.Divisions[3]);
    world.CupTeams.Add(&a);
    world.CupTeams.Add(&b);
    a.cupSlot = 4;
    b.cupSlot = 4;
    a.season.cupEliminated = 1;
    EXPECT_EQ(world.TeamByCupSlot(4), &b);
    world.AllReferees.Add(new TReferee(world.NewObjectId(), nullptr));
    EXPECT_EQ(world.RefereeById(world.AllReferees[0]->id), world.AllReferees[0]);
    // Ids are never reused: every new object takes the next number.
    const std::int16_t next = world.NextObjectId;
    EXPECT_EQ(world.NewObjectId(), next);
    EXPECT_EQ(world.NextObjectId, next + 1);
}

TEST(WorldLookups, WorldsSideBySideDoNotShare) {
    TWorld first;
    TWorld second;
    TTeam& a = MakeClub(first, "Alpha");
    TTeam& b = MakeClub(second, "Beta");
    EXPECT_EQ(a.id, b.id); // each world counts its own ids
    EXPECT_EQ(first.TeamById(a.id), &a);
    EXPECT_EQ(second.TeamById(b.id), &b);
    first.PriceIndex = 3.0L;
    EXPECT_EQ(second.PriceIndex, 2.0L);
}
