// Every record of the game file against golden bytes written from its layout, then read back and written
// again: the second writing must give the same bytes (what the writer does not write is asserted apart).
#include "saved_game_bytes.h"

#include "datafiles/coach_attr.h"
#include "datafiles/player_attr.h"
#include "datafiles/referee_attr.h"
#include "datafiles/team_attr.h"
#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "world/calendar.h"
#include "world/game.h"
#include "world/game_record.h"
#include "world/saved_game_records.h"
#include "world/world.h"

#include <gtest/gtest.h>

using namespace savetest;

namespace {

template <class Write> Bytes Written(Write write) {
    TBinaryWriter w;
    TBinaryFieldSink sink(w);
    write(sink);
    return w.Data();
}

// A player whose every field differs, with the held values at their edges: age 17, level 1, salary 0.
TPlayer& MakeGoldenPlayer(TWorld& world) {
    auto* p = new TPlayer(world, 0x0102);
    world.AllPlayers.Add(p);
    p->attr->SetNationality("POR");
    p->attr->SetName("Ab");
    p->attr->SetPosition(2);
    p->attr->SetStar(1);
    p->attr->SetBehaviour(3);
    p->attr->SetAge(17);
    p->SetLevel(1);
    p->selectionScore = 50;
    p->form = 3;
    p->matchState = {7, 1, 2, 1, 1};
    p->season = {5, 4, 1};
    p->suspendedGames = 2;
    p->injuredGames = 3;
    p->injuryProneness = 11;
    p->scoringWeight = 22;
    p->SetSalary(0);
    p->foreignStatus = 2;
    p->soldToTeamId = 0x0304;
    p->career = {100, 20, 3, 4, 1};
    p->askingPrice = 250000;
    p->saleMode = 2;
    p->SetAge(17);
    p->retiring = 1;
    return *p;
}

Bytes GoldenPlayer() {
    ByteBuilder g;
    g.I16(0x0102);
    g.Coded("POR").Coded("Ab").U8(2).U8(1).U8(3).U8(1).I32(17); // the team-file player record
    g.I16(4);                                                   // level 1 held as 4
    g.I16(50).I16(3);                                           // selectionScore, form
    g.I32(7).I32(1).I32(2).U8(1).U8(1).Zeros(2);                // match state
    g.I32(5).I32(4).U8(1).Zeros(3);                             // season block
    g.I16(2).I16(3);                                            // suspended, injured
    g.I16(11).I16(22);                                          // injuryProneness before scoringWeight
    g.I32(13);                                                  // salary 0 held as 13
    g.U8(2).I16(0x0304);                                        // foreignStatus, soldToTeamId
    g.I32(100).I32(20).I32(3).I32(4).I32(1);                    // career block
    g.I32(250000).I16(2);                                       // askingPrice, saleMode
    g.U8(170);                                                  // age 17 held as (17 - 103) mod 256
    g.U8(1);                                                    // retiring
    return g.b;
}

} // namespace

TEST(SavedGameRecords, PlayerGoldenBytesAndBack) {
    TWorld world;
    const Bytes golden = GoldenPlayer();
    EXPECT_EQ(Written([&](TFieldSink& s) { WritePlayerRecord(s, MakeGoldenPlayer(world)); }), golden);

    TBinaryReader in(golden);
    TBinaryFieldSource source(in);
    TPlayer back(world, 0);
    ReadPlayerRecord(source, back);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back.age(), 17);
    EXPECT_EQ(back.level(), 1);
    EXPECT_EQ(back.salary(), 0);
    EXPECT_EQ(Written([&](TFieldSink& s) { WritePlayerRecord(s, back); }), golden);
}

TEST(SavedGameRecords, CoachRefereeAndEventsGoldenBytes) {
    TWorld world;
    TCoach coach(world, 9);
    coach.SetName("Ze");
    coach.isHuman = 1;
    coach.weeksInJob = 40;
    coach.SetPrestige(-11); // held as 0
    coach.leagueTitles = 2;
    coach.cupTitles = 1;
    coach.autoSalaryBosman = 1;
    coach.buyInAuction = 2;
    coach.showCards = 1;
    coach.events.Add(new TCoachEvent(world, 5, 2002, 0x0A0B, 7));

    ByteBuilder g;
    g.I16(9).Coded("Ze").U8(1).U8(0).I16(40).I32(0).I32(2).I32(1);
    g.Raw({0, 1, 0, 2, 0}).U8(1); // profile, showCards
    g.I16(1).U8(5).I32(2002).I16(0x0A0B).U8(7);
    EXPECT_EQ(Written([&](TFieldSink& s) { WriteCoachRecord(s, coach); }), g.b);
    TBinaryReader in(g.b);
    TBinaryFieldSource source(in);
    const auto back = ReadCoachRecord(source, world);
    EXPECT_EQ(back->prestige(), -11);
    EXPECT_EQ(Written([&](TFieldSink& s) { WriteCoachRecord(s, *back); }), g.b);

    TReferee referee(0x0203, std::make_unique<TRefereeAttr>("Rui Sol", "POR"));
    referee.available = 0;
    ByteBuilder r;
    r.I16(0x0203).U8(0).Coded("POR Rui Sol", 2);
    EXPECT_EQ(Written([&](TFieldSink& s) { WriteRefereeRecord(s, referee); }), r.b);
}

TEST(SavedGameRecords, ClubGoldenBytesWithItsPlayer) {
    TWorld world;
    auto* coach = new TCoach(world, 0x0607);
    world.AllCoaches.Add(coach);
    TTeam club(world);
    club.id = 0x0405;
    club.attr->SetName("Alto");
    club.attr->SetShortName("Al");
    club.attr->SetColor1(0x00112233);
    club.attr->SetColor2(0x00FFFFFF);
    club.attr->SetCountry("ESP");
    club.attr->SetLevel(15);
    club.SetPrestige(-10); // held as 1
    club.season.played = 1;
    club.season.points = 3;
    club.season.scheduleRow[0] = 9;
    club.season.scheduleRow[17] = 8;
    club.season.cupEliminated = 1;
    club.season.financeTotals[6] = -5;
    club.season.leaguePosition = 4;
    club.season.retiringCount = 2;
    club.season.tableStatus = 3;
    club.match.benchCount = 5;
    club.match.lineStrength = {1, 2, 3, 0xFFFF};
    club.match.disallowedGoals = 1;
    club.SetSupportFactor(1.5L);
    club.coach = coach;
    club.seasonTotals[0] = 1000;
    club.previousTotals[6] = -1;
    club.loan = 500000;
    club.SetBalance(-2);
    club.priceFactor = 1.5L;
    club.positionCounts = {1, 0, 0, 0};
    club.foreignCount = 1;
    club.squadSize = 1;
    club.leagueTitles = 3;
    club.cupTitles = 4;
    club.purchasesThisSeason = 1;
    club.foreignPurchases = 1;
    club.salePlayerId = 0x0102;
    club.salePriceFactor = 2.0L;
    club.cupSlot = 9999;
    club.averageLevel = 0x0123;
    TPlayer& player = MakeGoldenPlayer(world);
    club.players.Add(&player);
    club.events.Add(new TTeamEvent(world, 1, 2001, 0x0607, 0));
    auto* result = new TLastResult(world);
    result->season = 2001;
    result->opponentId = 0x0809;
    result->homeGoals = 2;
    result->awayGoals = 1;
    result->competition = 1;
    result->refereeId = 0x0203;
    club.lastResults.Add(result);
    club.calendar->InsertCupEntry(0x0809, 1);
    club.stadium.size = 24;
    club.stadium.SetFillRatio(0.75L);

    ByteBuilder g;
    g.I16(0x0405);
    g.Raw({'K', 'B', 'a'})
        .Zeros(47)
        .Coded("Alto")
        .Coded("Al")
        .I32(0x00112233)
        .I32(0x00FFFFFF)
        .Coded("ESP")
        .U8(15);
    g.I32(1); // prestige -10 held as 1
    // season block, 80 bytes
    g.I32(1).I32(0).I32(0).I32(0).I32(0).I32(0).I32(3);
    g.U8(9).Zeros(16).U8(8);
    g.U8(1).U8(0);
    g.I32(0).I32(0).I32(0).I32(0).I32(0).I32(0).I32(-5);
    g.I16(4).U8(2).U8(3);
    // match block, 20 bytes
    g.I32(5).I32(0).I16(1).I16(2).I16(3).I16(0xFFFF).I32(1);
    g.Raw(kReal48_1_5);
    g.I16(0x0607);
    g.I32(1000).Zeros(24).Zeros(24).I32(-1);
    g.I32(500000).I32(-2).I32(-1).Zeros(4); // loan, balance, its copy, spare
    g.Raw(kExtended1_5);
    g.Raw({1, 0, 0, 0}).U8(1).U8(1);
    g.I32(3).I32(4);
    g.I16(1).I16(1).I16(0x0102);
    g.Raw(kExtended2);
    g.I16(9999).I16(0x0123); // cup slot, averageLevel in the spare i16
    g.I16(1).Append(GoldenPlayer());
    g.I16(1).U8(1).I32(2001).I16(0x0607).U8(0);
    g.I16(1).I32(2001).I16(0x0809).U8(2).U8(1).U8(1).I16(0x0203);
    g.I16(1).I16(0x0809).I16(1).I16(-1).I16(-1).I32(-1).U8(1).U8(0).I16(0).I32(0).U8(0).I16(0);
    g.U8(24).Raw(kReal48_0_75);
    EXPECT_EQ(Written([&](TFieldSink& s) { WriteClubRecord(s, club); }), g.b);

    // Read into a world that knows the coach: the counters come from the file, the coach's club is set.
    TWorld other;
    auto* otherCoach = new TCoach(other, 0x0607);
    other.AllCoaches.Add(otherCoach);
    TBinaryReader in(g.b);
    TBinaryFieldSource source(in);
    const auto back = ReadClubRecord(source, other);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back->coach, otherCoach);
    EXPECT_EQ(otherCoach->CurrentClub(), back.get());
    ASSERT_EQ(other.AllPlayers.Count(), 1);
    EXPECT_EQ(back->players[0], other.AllPlayers[0]);
    EXPECT_EQ(back->prestige(), -10);
    EXPECT_TRUE(back->BalanceIntact());
    EXPECT_EQ(Written([&](TFieldSink& s) { WriteClubRecord(s, *back); }), g.b);

    // A club whose coach is not among the coaches read before it is a damaged file.
    TWorld stranger;
    TBinaryReader again(g.b);
    TBinaryFieldSource strangerSource(again);
    EXPECT_THROW(ReadClubRecord(strangerSource, stranger), EInvalidFile);
}

TEST(SavedGameRecords, HistoryRecordsGoldenBytes) {
    TWorld world;
    auto* player = new TPlayer(world, 77);
    world.AllPlayers.Add(player);
    TLastTransfer transfer(world);
    transfer.player = player;
    transfer.sellerId = 3;
    transfer.buyerId = 4;
    transfer.price = 1500000;
    transfer.level = 61;
    transfer.buyerHuman = 1;
    transfer.kind = 0;
    transfer.age = 29;
    ByteBuilder t;
    t.I16(77).I16(3).I16(4).I32(1500000).I16(61).U8(1).U8(0).U8(29);
    ASSERT_EQ(t.b.size(), kLastTransferRecordSize);
    EXPECT_EQ(Written([&](TFieldSink& s) { WriteLastTransferRecord(s, transfer); }), t.b);

    TLastWinners winners(world);
    winners.season = 2003;
    winners.championId = 1;
    winners.championCoachId = 2;
    winners.cupWinnerId = 3;
    winners.cupWinnerCoachId = 4;
    ByteBuilder w;
    w.I16(2003).I16(1).I16(2).I16(3).I16(4);
    EXPECT_EQ(Written([&](TFieldSink& s) { WriteLastWinnersRecord(s, winners); }), w.b);

    // A transfer of a player who is not in the world cannot be resolved.
    Bytes ghost = t.b;
    ghost[0] = 78;
    TBinaryReader in(ghost);
    TBinaryFieldSource source(in);
    TLastTransfer back(world);
    EXPECT_THROW(ReadLastTransferRecord(source, back), EInvalidFile);
}

// The bytes past a fixed-width text's length are kept as read: an edited shorter title is written over
// their start and the rest stays.
TEST(SavedGameRecords, RawTitleKeepsTheBytesAfterItsLength) {
    TWorld world;
    ByteBuilder g;
    g.I32(0).U8(gkHeading).U8(2).Raw({'A', 'b', 'Z', 'Y', 'X'}).Zeros(35).I16(0).I16(0).Raw(kExtended1);
    g.I32(0).I32(0).I16(0).I16(0).I16(0).U8(0).I32(0).U8(0);
    ASSERT_EQ(g.b.size(), kGameRecordSize);
    TBinaryReader in(g.b);
    auto game = ReadGame(in, world);
    EXPECT_EQ(game->title, "Ab");
    EXPECT_EQ(game->homeTeam, nullptr);
    TBinaryWriter out;
    WriteGame(out, *game);
    EXPECT_EQ(out.Data(), g.b);

    game->title = "Q";
    Bytes edited = g.b;
    edited[5] = 1;
    edited[6] = 'Q';
    TBinaryWriter again;
    WriteGame(again, *game);
    EXPECT_EQ(again.Data(), edited);
}
