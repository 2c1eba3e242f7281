// Players: the held values, the hidden numbers, prices and values, the market estimate, duels and form.
// Every expected amount below was worked out by hand from the rules with M = 5 and a price index of 2.
#include "world_fixture.h"

#include "foundation/kol_random.h"
#include "foundation/row_markup.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

// Level 1, behaviour 1, injury proneness 2, scoring weight 3: the character factor is
// 1 - 0.04 - 0.04 + 0.06 = 0.98, so the unadjusted base price is 1 x 5 x 2 x 0.98 x 1000 = 9 800.
TPlayer& LevelOnePlayer(TWorld& world, int age, int position = 2) {
    TPlayer& p = MakePlayer(world, position, 1, age);
    p.attr->SetBehaviour(1);
    p.injuryProneness = 2;
    p.scoringWeight = 3;
    return p;
}

void AddTransfer(TWorld& world, TPlayer& player, int level, int age, std::int32_t price,
                 bool buyerHuman = false) {
    auto record = std::make_unique<TLastTransfer>(world);
    record->player = &player;
    record->level = static_cast<std::int16_t>(level);
    record->age = static_cast<std::uint8_t>(age);
    record->price = price;
    record->buyerHuman = buyerHuman ? 1 : 0;
    world.LastTransfersList.Add(record.release());
}

} // namespace

TEST(PlayerHeldValues, OffsetsAsStoredAndBack) {
    TWorld world;
    TPlayer& p = MakePlayer(world, 1, 1, 17);
    p.SetSalary(0);
    EXPECT_EQ(p.StoredAge(), 170);
    EXPECT_EQ(p.StoredLevel(), 4);
    EXPECT_EQ(p.StoredSalary(), 13);
    for (int age = 0; age <= 255; ++age) {
        p.SetAge(age);
        ASSERT_EQ(p.age(), age);
    }
    p.SetLevel(100);
    EXPECT_EQ(p.StoredLevel(), 103);
    EXPECT_EQ(p.level(), 100);
    p.SetSalary(-500);
    EXPECT_EQ(p.StoredSalary(), -487);
    EXPECT_EQ(p.salary(), -500);
    p.SetStoredSalary(2000013);
    EXPECT_EQ(p.salary(), 2000000);
}

TEST(PlayerHeldValues, NewPlayerDefaults) {
    TWorld world;
    const std::int16_t next = world.NextObjectId;
    TPlayer p(world);
    EXPECT_EQ(p.id, next);
    EXPECT_EQ(world.NextObjectId, next + 1);
    EXPECT_EQ(p.form, 3);
    EXPECT_EQ(p.salary(), 0);
    EXPECT_EQ(p.askingPrice, 0);
    EXPECT_EQ(p.saleMode, 0);
}

TEST(PlayerHiddenNumbers, DerivedFromTheDisplayName) {
    TWorld world;
    TPlayer& a = MakePlayer(world, 1, 10, 20, "POR", "A");
    a.DeriveHiddenNumbers(); // 65: weight 5, proneness 65 mod 11 = 10
    EXPECT_EQ(a.scoringWeight, 5);
    EXPECT_EQ(a.injuryProneness, 10);
    a.attr->SetStar(1);
    a.DeriveHiddenNumbers(); // "A*" = 65 + 42 = 107: weight 7 raised to 8, proneness 107 mod 11 = 8
    EXPECT_EQ(a.scoringWeight, 8);
    EXPECT_EQ(a.injuryProneness, 8);
    TPlayer& c = MakePlayer(world, 1, 10, 20, "POR", "C");
    c.attr->SetStar(1);
    c.DeriveHiddenNumbers(); // "C*" = 109: a star's 9 stays 9
    EXPECT_EQ(c.scoringWeight, 9);
    EXPECT_EQ(c.injuryProneness, 10);
}

TEST(PlayerPrices, BasePriceAgeBands) {
    TWorld world;
    EXPECT_EQ(LevelOnePlayer(world, 22).BasePrice(), 12740); // 9 800 x 1.3
    EXPECT_EQ(LevelOnePlayer(world, 23).BasePrice(), 9800);
    EXPECT_EQ(LevelOnePlayer(world, 32).BasePrice(), 9800);
    EXPECT_EQ(LevelOnePlayer(world, 33).BasePrice(), 6860); // 9 800 x 0.7
    TPlayer& zero = LevelOnePlayer(world, 25);
    zero.SetLevel(0);
    EXPECT_EQ(zero.BasePrice(), 0);
    // 50^1.04 x 5 x 2 x 1000 = 584 694.2
    EXPECT_EQ(MakePlayer(world, 1, 50, 25).BasePrice(), 584694);
    EXPECT_EQ(MakePlayer(world, 1, 50, 20).BasePrice(), 760102); // 584 694 x 1.3 = 760 102.2
    EXPECT_EQ(MakePlayer(world, 1, 50, 35).BasePrice(), 409286); // 584 694 x 0.7 = 409 285.8
    world.PriceIndex = 4.0L;
    EXPECT_EQ(LevelOnePlayer(world, 25).BasePrice(), 19600);
}

TEST(PlayerPrices, MarketValueClampsAndInjuredLift) {
    TWorld world;
    // (L + 1)^1.04 x sqrt(pf) x 2 x 35 x 1000^0.04 x 0.02 = 110.15 for level 50: 110 x 50 x 5.
    TPlayer& p = MakePlayer(world, 1, 50, 25);
    EXPECT_EQ(p.MarketValue(1.0L), 27500);
    EXPECT_EQ(MakePlayer(world, 1, 0, 25).MarketValue(1.0L), 500);    // 1.85 -> 2 x 250
    EXPECT_EQ(MakePlayer(world, 1, 20, 25).MarketValue(0.81L), 9750); // 39.40 -> 39 x 250
    world.PriceIndex = 0.5L;
    EXPECT_EQ(MakePlayer(world, 1, 0, 25).MarketValue(1.0L), 250); // 0.46 -> 0, lifted to 50 M
    world.PriceIndex = 10.0L;
    TPlayer& star = MakePlayer(world, 1, 100, 25);
    EXPECT_EQ(star.MarketValue(1.0L), 250000); // 280 250 cut to 50 000 M
    star.SetSalary(300000);
    EXPECT_EQ(star.MarketValue(1.0L), 250000); // fit: the salary does not count
    star.injuredGames = 2;
    EXPECT_EQ(star.MarketValue(1.0L), 300000); // injured: lifted to the salary
    star.SetSalary(1000);
    EXPECT_EQ(star.MarketValue(1.0L), 250000);
}

TEST(PlayerMarketEstimate, FourMatchingTransfersGiveTheBasePrice) {
    TWorld world;
    TPlayer& p = LevelOnePlayer(world, 25);
    TPlayer& sameLine = LevelOnePlayer(world, 25);
    TPlayer& forward = LevelOnePlayer(world, 25, 3);
    for (int i = 0; i < 4; ++i) AddTransfer(world, sameLine, 1, 25, 50000);
    // Transfers of another position neither count nor weigh.
    for (int i = 0; i < 3; ++i) AddTransfer(world, forward, 1, 25, 50000);
    // base 9 800 x 3.5 = 34 300 -> 30 000
    EXPECT_EQ(p.EvaluateOffers(), 30000);
}

TEST(PlayerMarketEstimate, SevenBlendTwoThirdsMarketOneThirdBase) {
    TWorld world;
    TPlayer& p = LevelOnePlayer(world, 25);
    TPlayer& sameLine = LevelOnePlayer(world, 25);
    for (int i = 0; i < 7; ++i) AddTransfer(world, sameLine, 1, 25, 50000);
    // market 1 x 50 000 / 1; (2 x 50 000 + 34 300) / 3 = 44 766.7 -> 40 000
    EXPECT_EQ(p.EvaluateOffers(), 40000);
}

TEST(PlayerMarketEstimate, TwelveGiveTheMarketAlone) {
    TWorld world;
    TPlayer& p = LevelOnePlayer(world, 25);
    TPlayer& sameLine = LevelOnePlayer(world, 25);
    for (int i = 0; i < 12; ++i) AddTransfer(world, sameLine, 1, 25, 50000);
    EXPECT_EQ(p.EvaluateOffers(), 50000);
}

TEST(PlayerMarketEstimate, WeightsByAgeLevelNationalityAndStar) {
    TWorld world;
    TPlayer& p = MakePlayer(world, 2, 20, 25, "POR");
    TPlayer& compatriot = MakePlayer(world, 2, 20, 25, "POR");
    TPlayer& stranger = MakePlayer(world, 2, 30, 25, "ESP");
    // Same age and level, same nationality and star flag: (1/50 + 1/50) x 16 = 0.64.
    for (int i = 0; i < 6; ++i) AddTransfer(world, compatriot, 20, 25, 300000);
    // Ten levels apart, other nationality: (1/50 + 1/150) x 4 = 8/75.
    for (int i = 0; i < 6; ++i) AddTransfer(world, stranger, 30, 25, 900000);
    // Bought by human coaches: counted, never weighed.
    for (int i = 0; i < 2; ++i) AddTransfer(world, compatriot, 20, 25, 9000000, true);
    // P / L = (0.64 x 300 000 + 8/75 x 900 000) / (0.64 x 20 + 8/75 x 30) = 288 000 / 16 = 18 000; x 20.
    EXPECT_EQ(p.EvaluateOffers(), 360000);
}

TEST(PlayerMarketEstimate, OnlyHumanBuyersLeaveTheBasePrice) {
    TWorld world;
    TPlayer& p = LevelOnePlayer(world, 25);
    TPlayer& sameLine = LevelOnePlayer(world, 25);
    for (int i = 0; i < 12; ++i) AddTransfer(world, sameLine, 1, 25, 9000000, true);
    EXPECT_EQ(p.EvaluateOffers(), 30000);
}

TEST(PlayerDuel, Strength) {
    TWorld world;
    TPlayer& forward = MakePlayer(world, 3, 30, 25);
    forward.scoringWeight = 5;
    EXPECT_EQ(forward.DuelStrength(), 30);                     // 30 x 4 x 1.5 / 6
    EXPECT_EQ(MakePlayer(world, 0, 10, 25).DuelStrength(), 2); // 10 / 6 = 1.67
    TPlayer& defender = MakePlayer(world, 1, 25, 25);
    defender.scoringWeight = 9;
    EXPECT_EQ(defender.DuelStrength(), 16); // 25 x 2 x 1.9 / 6 = 15.83
}

TEST(PlayerDuel, ResultCodesStayInRangeAndDrawThree) {
    TWorld world;
    TPlayer& shooter = MakePlayer(world, 3, 60, 25);
    TPlayer& keeper = MakePlayer(world, 0, 60, 25);
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        SetRandSeed(seed);
        const int code = shooter.ResolveDuel(keeper);
        ASSERT_GE(code, 1);
        ASSERT_LE(code, 6);
        SetRandSeed(seed);
        Random(1);
        Random(1);
        Random(1);
        const std::uint32_t afterThree = RandSeed();
        SetRandSeed(seed);
        shooter.ResolveDuel(keeper);
        ASSERT_EQ(RandSeed(), afterThree);
    }
}

TEST(PlayerForm, StaysWithinZeroToSix) {
    TWorld world;
    TPlayer& p = MakePlayer(world, 1, 10, 25);
    SetRandSeed(7);
    for (int i = 0; i < 200; ++i) {
        p.FormUp();
        ASSERT_LE(p.form, 6);
    }
    EXPECT_EQ(p.form, 6);
    const std::uint32_t before = RandSeed();
    p.FormUp(); // at the top nothing moves, not even the generator
    EXPECT_EQ(RandSeed(), before);
    for (int i = 0; i < 200; ++i) {
        p.FormDown();
        ASSERT_GE(p.form, 0);
    }
    EXPECT_EQ(p.form, 0);
    EXPECT_EQ(static_cast<unsigned char>(p.FormArrow()), 237);
    p.form = 5;
    EXPECT_EQ(static_cast<unsigned char>(p.FormArrow()), 239);
    p.form = 2;
    EXPECT_EQ(p.FormArrow(), ' ');
    p.form = 4;
    EXPECT_EQ(p.FormArrow(), ' ');
}

TEST(PlayerContracts, SignAndRejuvenate) {
    TWorld world;
    TPlayer& p = MakePlayer(world, 2, 70, 36);
    p.form = 6;
    p.askingPrice = 50000;
    p.saleMode = 2;
    p.matchState.lineupRole = 1;
    p.SignContract(12345);
    EXPECT_EQ(p.salary(), 12345);
    EXPECT_EQ(p.season.contractRenewed, 1);
    EXPECT_EQ(p.form, 3);
    EXPECT_EQ(p.askingPrice, 0);
    EXPECT_EQ(p.saleMode, 0);
    EXPECT_EQ(p.matchState.lineupRole, 0);

    p.career.goals = 120;
    p.retiring = 1;
    p.injuredGames = 3;
    p.foreignStatus = 2;
    p.Rejuvenate();
    EXPECT_EQ(p.age(), 17);
    EXPECT_EQ(p.level(), 1);
    EXPECT_EQ(p.career.goals, 0);
    EXPECT_EQ(p.retiring, 0);
    EXPECT_EQ(p.injuredGames, 0);
    EXPECT_EQ(p.salary(), 0);
    EXPECT_EQ(p.foreignStatus, 0);
    EXPECT_EQ(p.position(), 2); // position, name and nationality stay
}

TEST(PlayerClub, FoundThroughTheSquads) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TPlayer& inSquad = AddPlayer(club, 1, 10, 20);
    TPlayer& free = MakePlayer(world, 1, 10, 20);
    EXPECT_EQ(inSquad.Club(), &club);
    EXPECT_EQ(free.Club(), nullptr);
}

TEST(PlayerRow, CellsAndMarks) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TPlayer& p = AddPlayer(club, 1, 42, 21, "ESP");
    p.attr->SetName("Rui");
    p.attr->SetStar(1);
    p.injuredGames = 2;
    p.season.runningGoals = 0;
    const auto cells =
        ParseRowMarkup(p.GetListTextEx3(pcName | pcLevel | pcAge | pcSeasonGoals | pcNationality, 0, 0, 0));
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[0].text, "Rui*");
    EXPECT_EQ(cells[0].control, kRowColorRed); // injured
    EXPECT_EQ(cells[1].text, "42");
    EXPECT_EQ(cells[1].control, kRowColorDefault); // the mark ends with its cell
    EXPECT_EQ(cells[2].text, "21");
    EXPECT_EQ(cells[2].control, kRowColorOrange); // 22 or younger
    EXPECT_EQ(cells[3].text, "");                 // no goals: blank
    EXPECT_EQ(cells[4].text, "ESP");
    EXPECT_EQ(cells[4].control, kRowColorRed); // foreign at a Portuguese club

    TColumnList header;
    p.SetupColumns(header, false, pcName | pcFormArrow | pcLevel, 0);
    ASSERT_EQ(header.size(), 2u);
    EXPECT_EQ(header[0].width, 120);
    EXPECT_EQ(header[1].width, 50); // the arrow widens the level column
}
