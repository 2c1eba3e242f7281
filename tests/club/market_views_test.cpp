#include "club/market_views.h"
#include "club_fixture.h"
#include "world/records.h"

#include <gtest/gtest.h>

TEST(PlayerSearch, PriceItemCaptions) {
    // Price-band unit 4 (the first currency): the bands run from 200 000 to 20 000 000.
    EXPECT_EQ(PriceItemCaption(1, 4), " < 200 000");
    EXPECT_EQ(PriceItemCaption(2, 4), "200 000 - 800 000");
    EXPECT_EQ(PriceItemCaption(6, 4), "10 000 000 - 20 000 000");
    EXPECT_EQ(PriceItemCaption(7, 4), " > 20 000 000");
    EXPECT_EQ(PriceItemCaption(0, 4), "");
    EXPECT_EQ(PriceItemCaption(8, 4), "");
}

TEST(PlayerSearch, EveryFilterThatIsSet) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4);
    TTeam& mine = w.AddClub("Mine", 2, 6, 6, 4);
    TPlayer& silva = ClubWorld::FirstAt(club, 3);
    silva.attr->SetName("Rui Silva");
    silva.SetLevel(25);
    silva.SetAge(22);
    silva.attr->SetNationality("BRA");
    TPlayer& other = ClubWorld::FirstAt(mine, 3);
    other.attr->SetName("Silvano");

    TPlayerSearchFilter f;
    f.name = "silva";
    auto found = SearchPlayers(w.world, f);
    // Scanned from the end of the players list: Mine's forward comes first.
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], &other);
    EXPECT_EQ(found[1], &silva);
    f.leaveOutClub = &mine;
    EXPECT_EQ(SearchPlayers(w.world, f), std::vector<TPlayer*>{&silva});
    f.leaveOutClub = nullptr;

    const std::int32_t unit = 4;
    TPlayerSearchFilter g;
    g.levelBand = 1; // 10-25: both bounds included
    EXPECT_TRUE(PassesSearch(silva, g, unit));
    g.levelBand = 2; // 25-40
    EXPECT_TRUE(PassesSearch(silva, g, unit));
    g.levelBand = 3;
    EXPECT_FALSE(PassesSearch(silva, g, unit));
    g.levelBand.reset();
    g.ageBand = 0; // 17-22
    EXPECT_TRUE(PassesSearch(silva, g, unit));
    g.ageBand = 1;
    EXPECT_FALSE(PassesSearch(silva, g, unit));
    g.ageBand.reset();
    g.nationality = "BRA";
    g.position = 3;
    EXPECT_TRUE(PassesSearch(silva, g, unit));
    g.position = 2;
    EXPECT_FALSE(PassesSearch(silva, g, unit));
}

TEST(PlayerSearch, PriceItemsTestTheListedPrice) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4);
    TPlayer& p = ClubWorld::FirstAt(club, 1);
    TPlayerSearchFilter f;
    f.priceItem = 0;
    EXPECT_FALSE(PassesSearch(p, f, 4));
    p.saleMode = 2;
    p.askingPrice = 800000;
    EXPECT_TRUE(PassesSearch(p, f, 4));
    f.priceItem = 2; // 200 000 - 800 000
    EXPECT_TRUE(PassesSearch(p, f, 4));
    f.priceItem = 3; // 800 000 - 2 000 000
    EXPECT_TRUE(PassesSearch(p, f, 4));
    p.askingPrice = 800001;
    f.priceItem = 2;
    EXPECT_FALSE(PassesSearch(p, f, 4));
    f.priceItem = 1;
    EXPECT_FALSE(PassesSearch(p, f, 4));
    p.askingPrice = 20000000;
    f.priceItem = 7;
    EXPECT_TRUE(PassesSearch(p, f, 4));
    // An unlisted player has price 0 and is in no band.
    p.saleMode = 0;
    f.priceItem = 1;
    EXPECT_FALSE(PassesSearch(p, f, 4));
}

TEST(PlayerSearch, AtMostFiftyResults) {
    ClubWorld w;
    for (int i = 0; i < 4; ++i) w.AddClub("C", 2, 6, 6, 4);
    const auto found = SearchPlayers(w.world, {});
    ASSERT_EQ(found.size(), 50u);
    EXPECT_EQ(found[0], w.world.AllPlayers.Last());
}

TEST(MarketViews, LastTransfersByPositionAndLevel) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4);
    auto add = [&](int position, int level) {
        auto* record = new TLastTransfer(w.world);
        record->player = &ClubWorld::FirstAt(club, position);
        record->level = static_cast<std::int16_t>(level);
        w.world.LastTransfersList.Add(record);
        return record;
    };
    TLastTransfer* keeper = add(0, 29);
    TLastTransfer* forward = add(3, 30);
    TLastTransfer* defender = add(1, 60);
    const bool none[4] = {false, false, false, false};
    const bool attack[4] = {false, true, false, true};
    EXPECT_EQ(FilterLastTransfers(w.world, none, false),
              (std::vector<TLastTransfer*>{keeper, forward, defender}));
    EXPECT_EQ(FilterLastTransfers(w.world, none, true), (std::vector<TLastTransfer*>{forward, defender}));
    EXPECT_EQ(FilterLastTransfers(w.world, attack, false), (std::vector<TLastTransfer*>{forward, defender}));
}

TEST(MarketViews, ObservedPlayersByPositionThenName) {
    ClubWorld w;
    TTeam& club = w.AddClub("Club", 2, 6, 6, 4);
    TPlayer& f = ClubWorld::FirstAt(club, 3);
    TPlayer& d1 = *club.players[2];
    TPlayer& d2 = *club.players[3];
    f.attr->SetName("Aaron");
    d1.attr->SetName("Zeca");
    d2.attr->SetName("Bruno");
    TCoach& coach = *club.coach;
    coach.observedPlayers = {&f, &d1, &d2};
    EXPECT_EQ(SortedObservedPlayers(coach), (std::vector<TPlayer*>{&d2, &d1, &f}));
    EXPECT_TRUE(ObservedListMayClose(coach));
    coach.observedPlayers.assign(16, &f);
    EXPECT_FALSE(ObservedListMayClose(coach));
    coach.observedPlayers.resize(15);
    EXPECT_TRUE(ObservedListMayClose(coach));
}
