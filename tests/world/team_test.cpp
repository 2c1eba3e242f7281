// Clubs: the sale rule, asking prices, offers for sale, transfers and money, the new season's retirements,
// line-ups and the round preparation. Amounts worked out by hand with M = 5, S = 500 000, price index 2.
#include "world_fixture.h"

#include "datafiles/team_file.h"
#include "foundation/kol_random.h"
#include "world/division.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

int CountRole(const TTeam& club, int role) {
    int n = 0;
    for (const TPlayer* p : club.players)
        if (p->matchState.lineupRole == role) ++n;
    return n;
}

} // namespace

TEST(TeamSquad, CountersFollowArrivalsAndDepartures) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha", "POR");
    TPlayer& home = AddPlayer(club, 0, 10, 25, "POR");
    TPlayer& foreign = AddPlayer(club, 3, 30, 25, "BRA");
    AddPlayer(club, 3, 20, 25, "POR");
    EXPECT_EQ(club.squadSize, 3);
    EXPECT_EQ(club.positionCounts[0], 1);
    EXPECT_EQ(club.positionCounts[3], 2);
    EXPECT_EQ(club.foreignCount, 1);
    EXPECT_EQ(home.foreignStatus, 0);
    EXPECT_EQ(foreign.foreignStatus, 2);
    EXPECT_EQ(club.AverageLevel(), 20);
    club.RemovePlayer(foreign);
    EXPECT_EQ(club.squadSize, 2);
    EXPECT_EQ(club.positionCounts[3], 1);
    EXPECT_EQ(club.foreignCount, 0);
    EXPECT_EQ(club.players.Count(), 2);
    club.RemovePlayer(foreign); // not there any more: the counters stay
    EXPECT_EQ(club.squadSize, 2);
    EXPECT_EQ(club.foreignCount, 0);
    // 10 and 20: 15; a mean of 12.5 rounds to the even 12.
    AddPlayer(club, 1, 5, 25);
    AddPlayer(club, 1, 15, 25);
    EXPECT_EQ(club.AverageLevel(), 12);
}

TEST(TeamCanSell, RulesInTheirOrder) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    FillSquad(club, 2, 12); // 14 players
    TPlayer& outfield = *club.PlayerAt(5);
    EXPECT_EQ(club.CanSell(outfield), csSquadTooSmall);
    TPlayer& fifteenth = AddPlayer(club, 1, 20, 25);
    EXPECT_EQ(club.CanSell(fifteenth), csMaySell);
    club.season.retiringCount = 1; // 14 - 1 < 15: still fine
    EXPECT_EQ(club.CanSell(fifteenth), csMaySell);
    club.season.retiringCount = 0;

    fifteenth.soldToTeamId = 99;
    fifteenth.season.contractRenewed = 1;
    EXPECT_EQ(club.CanSell(fifteenth), csAlreadySold);
    fifteenth.soldToTeamId = 0;
    fifteenth.matchState.offeredThisMatchday = 1;
    EXPECT_EQ(club.CanSell(fifteenth), csContractRenewed);
    fifteenth.season.contractRenewed = 0;
    EXPECT_EQ(club.CanSell(fifteenth), csOfferedThisMatchday);
    fifteenth.matchState.offeredThisMatchday = 0;
    fifteenth.retiring = 1;
    EXPECT_EQ(club.CanSell(fifteenth), csRetiring);
    fifteenth.retiring = 0;

    TPlayer& keeper = *club.PlayerAt(0);
    EXPECT_EQ(club.CanSell(keeper), csMaySell);
    club.RemovePlayer(*club.PlayerAt(1)); // one goalkeeper left, 14 players
    AddPlayer(club, 2, 20, 25);           // 15 again, 14 of them outfield
    EXPECT_EQ(club.CanSell(keeper), csLastGoalkeeper);

    // Five goalkeepers and ten outfield players: no outfield player may go, and that is tested before
    // the retiring flag.
    TTeam& keepers = MakeClub(world, "Beta");
    FillSquad(keepers, 5, 10);
    TPlayer& last = *keepers.PlayerAt(9);
    last.retiring = 1;
    EXPECT_EQ(keepers.CanSell(last), csTooFewOutfield);
    EXPECT_EQ(keepers.CanSell(*keepers.PlayerAt(0)), csMaySell);
}

TEST(TeamCanSell, TheOutfieldFloorIsTenOutfieldPlayers) {
    TWorld world;
    // Four goalkeepers and eleven outfield players (15): an outfield player may go, leaving ten.
    TTeam& eleven = MakeClub(world, "Alpha");
    FillSquad(eleven, 4, 11);
    EXPECT_EQ(eleven.CanSell(*eleven.PlayerAt(4)), csMaySell);
    // Five goalkeepers and ten outfield players (15): none of the ten may go.
    TTeam& ten = MakeClub(world, "Beta");
    FillSquad(ten, 5, 10);
    EXPECT_EQ(ten.CanSell(*ten.PlayerAt(5)), csTooFewOutfield);
}

TEST(TeamCanSell, ASoldPlayerStillInTheListCountsForTheFloor) {
    TWorld world;
    TTeam& seller = MakeClub(world, "Alpha");
    TTeam& buyer = MakeClub(world, "Beta");
    FillSquad(seller, 2, 13); // 15
    seller.CompleteTransfer(*seller.PlayerAt(4), buyer, 1000);
    EXPECT_EQ(seller.players.Count(), 15);
    EXPECT_EQ(seller.squadSize, 14);
    EXPECT_EQ(seller.CanSell(*seller.PlayerAt(5)), csSquadTooSmall);
}

TEST(TeamAskingPrices, RoundingSteps) {
    EXPECT_EQ(CutAskingPrice(1234567), 1200000);
    EXPECT_EQ(CutAskingPrice(99999), 99000);
    EXPECT_EQ(CutAskingPrice(2000000), 2000000);
    EXPECT_EQ(CutAskingPrice(2345678), 2300000);
    EXPECT_EQ(CutAskingPrice(1999999), 1950000);
    EXPECT_EQ(CutAskingPrice(1000000), 1000000);
    EXPECT_EQ(CutAskingPrice(999999), 975000);
    EXPECT_EQ(CutAskingPrice(500001), 500000);
    EXPECT_EQ(CutAskingPrice(500000), 500000); // 500 000 is not above 500 000: steps of 10 000
    EXPECT_EQ(CutAskingPrice(499999), 490000);
    EXPECT_EQ(CutAskingPrice(100001), 100000);
    EXPECT_EQ(CutAskingPrice(100999), 100000); // 100 999 is above 100 000: steps of 10 000
    EXPECT_EQ(CutAskingPrice(100000), 100000);
    EXPECT_EQ(CutAskingPrice(999), 0);
}

namespace {

// 2 goalkeepers, 6 defenders, 5 midfielders, 3 forwards, all level 20, age 25: average 20, band 1
// (3, 6, 5, 4; total 18). Returns the two defenders with behaviour 4: a Portuguese and a Spaniard.
std::pair<TPlayer*, TPlayer*> BandOneSquad(TTeam& club) {
    for (int i = 0; i < 2; ++i) AddPlayer(club, 0, 20, 25);
    TPlayer* home = &AddPlayer(club, 1, 20, 25, "POR");
    TPlayer* foreign = &AddPlayer(club, 1, 20, 25, "ESP");
    home->attr->SetBehaviour(4);
    foreign->attr->SetBehaviour(4);
    for (int i = 0; i < 4; ++i) AddPlayer(club, 1, 20, 25);
    for (int i = 0; i < 5; ++i) AddPlayer(club, 2, 20, 25);
    for (int i = 0; i < 3; ++i) AddPlayer(club, 3, 20, 25);
    return {home, foreign};
}

} // namespace

TEST(TeamAskingPrices, ComputerClubListsTheLessNeededPlayers) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha", "POR");
    auto [home, foreign] = BandOneSquad(club);
    club.SetAskingPrices();
    EXPECT_EQ(club.averageLevel, 20);
    // keep = 20 x 6/7 x 18/17 / 21 x 1 x 1.5 = 1.2965; base price 20^1.04 x 10 000 x 0.84 = 189 387;
    // 3 x 189 387 x 1.2965 = 736 631; (736 631 + 30 000) x 1.4 = 1 073 283 -> 1 050 000.
    EXPECT_NEAR(static_cast<double>(club.KeepValue(*home)), 1.2965186, 1e-6);
    EXPECT_EQ(home->askingPrice, 1050000);
    EXPECT_EQ(home->saleMode, 2);
    // A foreigner has no add-on: keep 0.8643, 3 x 189 387 x 0.8643 = 491 088 -> 490 000.
    EXPECT_EQ(foreign->askingPrice, 490000);
    EXPECT_EQ(foreign->saleMode, 2);
    // A goalkeeper is needed (keep 2.26): not priced, nothing changes.
    EXPECT_EQ(club.PlayerAt(0)->saleMode, 0);
    EXPECT_EQ(club.PlayerAt(0)->askingPrice, 0);
    // A player who may not be sold loses his price.
    home->season.contractRenewed = 1;
    club.SetAskingPrices();
    EXPECT_EQ(home->askingPrice, 0);
}

TEST(TeamAskingPrices, HumanClubsGetTheMarketEstimate) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha", "POR");
    auto [home, foreign] = BandOneSquad(club);
    club.coach->isHuman = 1;
    foreign->saleMode = 2;
    foreign->askingPrice = 777000;
    club.SetAskingPrices();
    // No transfers yet: 189 387 x 3.5 = 662 854.5 -> 660 000.
    EXPECT_EQ(home->askingPrice, 660000);
    EXPECT_EQ(home->saleMode, 0);
    EXPECT_EQ(foreign->askingPrice, 777000); // a listed player of a human club keeps his price
    EXPECT_EQ(foreign->saleMode, 2);

    // On holiday the club is computer-run but its coach is still human: keep 1.2 and a listing.
    // 3 x 189 387 x 1.2 = 681 793; (681 793 + 30 000) x 1.4 = 996 510 -> 975 000.
    club.coach->onHoliday = 1;
    club.SetAskingPrices();
    EXPECT_EQ(home->askingPrice, 975000);
    EXPECT_EQ(home->saleMode, 2);
}

TEST(TeamNeed, NeedValueByNationalityAndPosition) {
    TWorld world;
    TTeam& buyer = MakeClub(world, "Alpha", "POR");
    BandOneSquad(buyer);
    TPlayer& portuguese = MakePlayer(world, 1, 40, 25, "POR");
    TPlayer& brazilian = MakePlayer(world, 1, 40, 25, "BRA");
    // (40/25 x 7/7 x 18/17)^(1/4) = 1.1409; home x (2 + 0.05 x 1 foreigner), foreign x 1.
    EXPECT_NEAR(static_cast<double>(buyer.NeedValue(portuguese)), 1.1408693 * 2.05, 1e-6);
    EXPECT_NEAR(static_cast<double>(buyer.NeedValue(brazilian)), 1.1408693, 1e-6);
    brazilian.attr->SetStar(1);
    EXPECT_NEAR(static_cast<double>(buyer.NeedValue(brazilian)), 1.1408693 * 1.1, 1e-6);
}

TEST(TeamTransfer, MoneyLeavesOneClubAndEntersTheOther) {
    TWorld world;
    TTeam& seller = MakeClub(world, "Alpha", "POR");
    TTeam& buyer = MakeClub(world, "Beta", "ITA");
    FillSquad(seller, 2, 14);
    seller.SetBalance(1000000);
    buyer.SetBalance(5000000);
    TPlayer& p = *seller.PlayerAt(3);
    p.SetSalary(4000);
    p.saleMode = 2;
    buyer.coach->AddObserved(p);
    const std::int32_t wagesBefore = seller.WageBill();
    seller.CompleteTransfer(p, buyer, 750000);
    EXPECT_EQ(seller.balance(), 1750000);
    EXPECT_EQ(buyer.balance(), 4250000);
    EXPECT_EQ(seller.season.financeTotals[1], 750000);
    EXPECT_EQ(buyer.season.financeTotals[3], -750000);
    EXPECT_TRUE(seller.BalanceIntact());
    EXPECT_TRUE(buyer.BalanceIntact());
    EXPECT_EQ(p.soldToTeamId, buyer.id);
    EXPECT_EQ(p.saleMode, 0);
    EXPECT_EQ(seller.players.Last(), &p); // still here until the round ends, at the end of the list
    EXPECT_EQ(seller.squadSize, 15);
    EXPECT_EQ(seller.WageBill(), wagesBefore - 4000);
    EXPECT_EQ(buyer.purchasesThisSeason, 1);
    EXPECT_EQ(buyer.foreignPurchases, 1); // Portuguese at an Italian club
    EXPECT_FALSE(buyer.coach->IsObserved(p));
    ASSERT_EQ(world.LastTransfersList.Count(), 1);
    const TLastTransfer& record = *world.LastTransfersList.Last();
    EXPECT_EQ(record.sellerId, seller.id);
    EXPECT_EQ(record.buyerId, buyer.id);
    EXPECT_EQ(record.price, 750000);
    EXPECT_EQ(record.level, 20);
    EXPECT_EQ(record.age, 25);
    EXPECT_EQ(record.kind, 1);
    EXPECT_EQ(record.player, &p);
}

TEST(TeamMoney, CategoriesLoansWagesAndInterest) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    club.BookMoney(fcReceipts, 100);
    club.BookMoney(fcPrizes, 30);
    club.BookMoney(fcInterest, -7);
    club.BookMoney(5, 1000); // no account of its own
    EXPECT_EQ(club.balance(), 1123);
    EXPECT_EQ(club.season.financeTotals[0], 100);
    EXPECT_EQ(club.season.financeTotals[2], 30);
    EXPECT_EQ(club.season.financeTotals[6], -7);
    EXPECT_EQ(club.BalanceCopy(), 1124);
    club.TakeLoanStep();
    club.TakeLoanStep();
    EXPECT_EQ(club.loan, 1000000);
    EXPECT_EQ(club.balance(), 1001123);
    club.RepayLoanStep();
    EXPECT_EQ(club.loan, 500000);
    TPlayer& a = AddPlayer(club, 1, 10, 25);
    TPlayer& b = AddPlayer(club, 1, 10, 25);
    a.SetSalary(300);
    b.SetSalary(200);
    b.soldToTeamId = 77; // sold players are paid by their buyer
    club.PayWages();
    club.PayInterest(); // 3 % of 500 000
    EXPECT_EQ(club.balance(), 501123 - 300 - 15000);
    EXPECT_EQ(club.season.financeTotals[4], -300);
    EXPECT_EQ(club.season.financeTotals[6], -15007);
    EXPECT_TRUE(club.BalanceIntact());
    club.SetStoredBalance(10, 10);
    EXPECT_FALSE(club.BalanceIntact());
}

TEST(TeamSupport, KeptAsTheSixByteRealHoldsIt) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    EXPECT_EQ(club.supportFactor(), 1.0L);
    club.SetSupportFactor(0.7L);
    EXPECT_NE(club.supportFactor(), 0.7L); // 0.7 has no exact 6-byte form
    EXPECT_NEAR(static_cast<double>(club.supportFactor()), 0.7, 1e-11);
    const long double held = club.supportFactor();
    club.SetSupportFactor(held);
    EXPECT_EQ(club.supportFactor(), held);
}

TEST(TeamNewSeason, FirstPassNeverMarksMoreThanFive) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    for (int i = 0; i < 7; ++i) AddPlayer(club, 1, 20, 40);
    FillSquad(club, 2, 10);
    SetRandSeed(1234);
    club.NewSeason(nullptr);
    EXPECT_EQ(club.season.retiringCount, 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(club.PlayerAt(i)->retiring, 1) << i;
    EXPECT_EQ(club.PlayerAt(5)->retiring, 0);
    EXPECT_EQ(club.PlayerAt(6)->retiring, 0);
    EXPECT_EQ(RandSeed(), 1234u); // five marks: the second pass does not run
}

TEST(TeamNewSeason, SecondPassCountsMarkedPlayersAgain) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    AddPlayer(club, 1, 20, 40);
    AddPlayer(club, 0, 20, 45);
    AddPlayer(club, 2, 20, 37);
    FillSquad(club, 2, 12); // all 25: 25 >= 36 - r never holds
    SetRandSeed(99);
    club.NewSeason(nullptr);
    const std::uint32_t after = RandSeed();
    // First pass: three marks. Second pass: the first two are marked again (whatever the draw), which
    // makes five and ends it after two draws.
    EXPECT_EQ(club.season.retiringCount, 5);
    int marked = 0;
    for (const TPlayer* p : club.players) marked += p->retiring;
    EXPECT_EQ(marked, 3);
    SetRandSeed(99);
    Random(4);
    Random(4);
    EXPECT_EQ(RandSeed(), after);
}

TEST(TeamNewSeason, TotalsPrestigeAndOldResults) {
    TWorld world;
    world.SeasonYear = 2010;
    TTeam& club = MakeClub(world, "Alpha");
    club.previousTotals.fill(0);
    club.seasonTotals = {1, 2, 3, 4, 5, 6, 7};
    club.season.financeTotals = {10, 20, 30, 40, 50, 60, 70};
    club.season.points = 30;
    club.SetPrestige(55);
    for (int season : {2000, 2001, 2009}) {
        auto r = std::make_unique<TLastResult>(world);
        r->season = season;
        club.lastResults.Add(r.release());
    }
    club.NewSeason(nullptr);
    EXPECT_EQ(club.previousTotals, (std::array<std::int32_t, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(club.seasonTotals, (std::array<std::int32_t, 7>{10, 20, 30, 40, 50, 60, 70}));
    EXPECT_EQ(club.season.points, 0);
    EXPECT_EQ(club.season.financeTotals[0], 0);
    EXPECT_EQ(club.prestige(), 49); // trunc(49.5)
    ASSERT_EQ(club.lastResults.Count(), 2);
    EXPECT_EQ(club.lastResults[0]->season, 2001);
}

TEST(TeamLineup, BestPlayersPlayAndTheBenchFills) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    // 2 goalkeepers, 6 defenders, 5 midfielders, 3 forwards; selection score 100 - creation order.
    for (int pos : {0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3}) AddPlayer(club, pos, 20, 25);
    for (int i = 0; i < club.players.Count(); ++i)
        club.PlayerAt(i)->selectionScore = static_cast<std::int16_t>(100 - i);
    TPlayer* injuredDefender = club.PlayerAt(2);
    injuredDefender->injuredGames = 1;
    club.PlayerAt(15)->season.runningGoals = 50; // goals lift the last forward to the top
    club.ChooseLineup(1, 3, 3, 2, false);
    EXPECT_EQ(CountRole(club, 1), 9);
    EXPECT_EQ(club.PlayerAt(0)->selectionScore + club.PlayerAt(0)->season.runningGoals, 85 + 50);
    EXPECT_EQ(injuredDefender->matchState.lineupRole, 0);
    club.ChooseLineup(1, 10, 10, 10, true);
    EXPECT_EQ(CountRole(club, 1), 11);
    // The second goalkeeper goes to the bench (his position needs a substitute), then the three fit
    // outfield players left: four on the bench, of whom three may come on.
    EXPECT_EQ(CountRole(club, 2), 4);
    EXPECT_EQ(injuredDefender->matchState.lineupRole, 0);
    EXPECT_EQ(club.match.benchCount, 3);
    int keepersPlaying = 0;
    for (const TPlayer* p : club.players)
        if (p->position() == 0 && p->matchState.lineupRole == 1) ++keepersPlaying;
    EXPECT_EQ(keepersPlaying, 1);
    club.UpdateLineStrengths();
    int sum = 0;
    for (const TPlayer* p : club.players)
        if (p->matchState.lineupRole == 1) sum += p->selectionScore;
    EXPECT_EQ(club.match.lineStrength[0] + club.match.lineStrength[1] + club.match.lineStrength[2] +
                  club.match.lineStrength[3],
              sum);
}

TEST(TeamLevels, ResultMovesLevels) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TPlayer& tired = AddPlayer(club, 1, 50, 25);
    TPlayer& idleStar = AddPlayer(club, 2, 50, 20);
    TPlayer& idle = AddPlayer(club, 2, 50, 20);
    TPlayer& busy = AddPlayer(club, 3, 50, 20);
    TPlayer& floor = AddPlayer(club, 1, 1, 25);
    idleStar.attr->SetStar(1);
    busy.attr->SetStar(1);
    tired.matchState.wearCounter = -2;
    floor.matchState.wearCounter = -1;
    busy.matchState.wearCounter = 4;
    SetRandSeed(5);
    club.ApplyResultToLevels(50);
    EXPECT_EQ(tired.level(), 49);
    EXPECT_EQ(idleStar.level(), 51);
    EXPECT_EQ(idle.level(), 50);
    EXPECT_TRUE(busy.level() == 52 || busy.level() == 53); // 1 + Random(2), + 1 for a young star
    EXPECT_EQ(floor.level(), 1);
    // Far above the reference: no gain; far below: no loss.
    club.ApplyResultToLevels(30);
    EXPECT_EQ(idleStar.level(), 51);
    EXPECT_EQ(tired.level(), 48);
    club.ApplyResultToLevels(100);
    EXPECT_EQ(tired.level(), 48);
    club.ApplyResultToLevels(5); // never below 1
    EXPECT_EQ(tired.level(), 47);
    EXPECT_EQ(floor.level(), 1);
}

TEST(TeamFromFile, ClubPlayersAndCoachEnterTheWorld) {
    TWorld world;
    TTeamFile file;
    file.team.SetName("Atletico Exemplo");
    file.team.SetShortName("Exemplo");
    file.team.SetCountry("POR");
    file.team.SetColor1(0x0000FF);
    file.coach.SetName("Mister");
    TPlayerAttr keeper;
    keeper.SetName("A");
    keeper.SetPosition(0);
    keeper.SetNationality("POR");
    keeper.SetAge(31);
    keeper.SetStar(1);
    TPlayerAttr forward;
    forward.SetName("C");
    forward.SetPosition(3);
    forward.SetNationality("BRA");
    forward.SetAge(19);
    file.players = {keeper, forward};
    const std::int16_t first = world.NextObjectId;
    std::unique_ptr<TTeam> club = TTeam::CreateFromTeamFile(world, file);
    // The club takes its id first, then its coach, then the players in file order.
    EXPECT_EQ(club->id, first);
    ASSERT_NE(club->coach, nullptr);
    EXPECT_EQ(club->coach->id, first + 1);
    EXPECT_EQ(club->coach->Name(), "Mister");
    EXPECT_EQ(world.AllCoaches.Last(), club->coach);
    ASSERT_EQ(world.AllPlayers.Count(), 2);
    ASSERT_EQ(club->players.Count(), 2);
    const TPlayer& k = *club->PlayerAt(0);
    const TPlayer& f = *club->PlayerAt(1);
    EXPECT_EQ(k.id, first + 2);
    EXPECT_EQ(f.id, first + 3);
    EXPECT_EQ(k.age(), 31);
    EXPECT_EQ(f.age(), 19);
    EXPECT_EQ(k.scoringWeight, 8);   // "A*": 107
    EXPECT_EQ(f.injuryProneness, 1); // "C": 67 mod 11
    EXPECT_EQ(f.foreignStatus, 2);
    EXPECT_EQ(club->foreignCount, 1);
    EXPECT_EQ(club->positionCounts[0], 1);
    EXPECT_EQ(club->positionCounts[3], 1);
    EXPECT_EQ(club->TextColor(), 0x0000FF);
    EXPECT_EQ(club->supportFactor(), 1.0L);
    EXPECT_EQ(club->priceFactor, 1.0L);
    EXPECT_TRUE(club->BalanceIntact());
    EXPECT_EQ(world.NextObjectId, first + 4);
}

TEST(TeamAfterMatch, AbsencesAndFormOfThoseWhoPlayed) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TPlayer& hurt = AddPlayer(club, 1, 20, 25);
    TPlayer& banned = AddPlayer(club, 1, 20, 25);
    TPlayer& bench = AddPlayer(club, 1, 20, 25);
    TPlayer& worn = AddPlayer(club, 1, 20, 25);
    hurt.injuredGames = 2;
    banned.suspendedGames = 1;
    club.ExpireAbsences();
    club.ExpireAbsences();
    EXPECT_EQ(hurt.injuredGames, 0);
    EXPECT_EQ(banned.suspendedGames, 0);
    hurt.matchState.lineupRole = 1;
    bench.matchState.lineupRole = 2;
    worn.matchState.wearCounter = -1;
    for (int i = 0; i < 40; ++i) club.FormUpAll();
    EXPECT_EQ(hurt.form, 6);
    EXPECT_EQ(worn.form, 6);
    EXPECT_EQ(bench.form, 3);
    EXPECT_EQ(banned.form, 3);
    for (int i = 0; i < 40; ++i) club.FormDownAll();
    EXPECT_EQ(hurt.form, 0);
    EXPECT_EQ(bench.form, 3);
}

TEST(TeamDisplay, BoardAndMoraleColours) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    EXPECT_EQ(club.SatisfactionColour(), 0x00FFFF); // 1.0: yellow
    club.SetSupportFactor(1.31L);
    EXPECT_EQ(club.SatisfactionColour(), 0x008000);
    club.SetSupportFactor(0.7L);
    EXPECT_EQ(club.SatisfactionColour(), 0x0000FF);
    // Forms 6, 6, 0, 0: 12 / (4 - 2) = 6, green; then 3 / 2 = 1.5, red.
    TPlayer& a = AddPlayer(club, 1, 20, 25);
    TPlayer& b = AddPlayer(club, 1, 20, 25);
    TPlayer& c = AddPlayer(club, 1, 20, 25);
    TPlayer& d = AddPlayer(club, 1, 20, 25);
    a.form = 6;
    b.form = 6;
    c.form = 0;
    d.form = 0;
    EXPECT_EQ(club.MoraleColour(), 0x008000);
    a.form = 3;
    b.form = 0;
    EXPECT_EQ(club.MoraleColour(), 0x0000FF);
    b.form = 1; // 4 / 2 = 2: yellow
    EXPECT_EQ(club.Morale(), 2.0L);
    EXPECT_EQ(club.MoraleColour(), 0x00FFFF);
    // Ten players at form 3: 30 / 8 = 3.75 (the squad view's gauge shows 38).
    for (int i = 0; i < 6; ++i) AddPlayer(club, 2, 20, 25);
    for (TPlayer* p : club.players) p->form = 3;
    EXPECT_EQ(club.Morale(), 3.75L);
}
