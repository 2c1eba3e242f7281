#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "world/calendar.h"
#include "world/division.h"
#include "world/division_record.h"
#include "world/game.h"
#include "world/game_record.h"
#include "world/team.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& b, std::initializer_list<std::uint8_t> bytes) {
    b.insert(b.end(), bytes);
}
void Zeros(Bytes& b, std::size_t n) {
    b.insert(b.end(), n, 0);
}

// Two clubs with ids 1 and 2.
struct TwoClubs {
    TWorld world;
    TTeam* first;
    TTeam* second;
    TwoClubs() {
        first = new TTeam(world);
        second = new TTeam(world);
        world.AllTeams.Add(first);
        world.AllTeams.Add(second);
    }
};

} // namespace

TEST(DivisionRecord, GoldenBytesAndBack) {
    TwoClubs w;
    ASSERT_EQ(w.first->id, 1);
    ASSERT_EQ(w.second->id, 2);
    TDivision pool(w.world);
    pool.winPrestige = 6;
    pool.totalBalance = 1000000;
    pool.referenceLevel = -10;
    pool.name = "Liga";
    pool.teams.Add(w.second);
    pool.teams.Add(w.first);

    Bytes golden;
    Append(golden, {0x06, 0x00, 0x00, 0x00});   // winPrestige
    Append(golden, {0x40, 0x42, 0x0F, 0x00});   // totalBalance 1 000 000
    Append(golden, {0xF6, 0xFF});               // referenceLevel -10
    Append(golden, {0x04, 'L', 'i', 'g', 'a'}); // name: length byte and 20 bytes
    Zeros(golden, 16);
    Append(golden, {0x02, 0x00, 0x02, 0x00, 0x01, 0x00}); // two clubs, in table order
    TBinaryWriter out;
    WriteDivision(out, pool);
    EXPECT_EQ(out.Data(), golden);

    // A club id that no longer exists is skipped.
    Bytes withGhost = golden;
    withGhost[31] = 3;
    Append(withGhost, {0x63, 0x00});
    TBinaryReader in(withGhost);
    const auto back = ReadDivision(in, w.world);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back->winPrestige, 6);
    EXPECT_EQ(back->totalBalance, 1000000);
    EXPECT_EQ(back->referenceLevel, -10);
    EXPECT_EQ(back->name, "Liga");
    ASSERT_EQ(back->teams.Count(), 2);
    EXPECT_EQ(back->teams[0], w.second);
    EXPECT_EQ(back->teams[1], w.first);

    Bytes longName = golden;
    longName[10] = 21;
    TBinaryReader damaged(longName);
    EXPECT_THROW(ReadDivision(damaged, w.world), EInvalidFile);
}

TEST(DivisionRecord, TheFiveDivisionsRoundTrip) {
    TwoClubs w;
    CreateDivisions(w.world);
    w.world.Divisions[2]->teams.Add(w.first);
    TBinaryWriter out;
    WriteDivisions(out, w.world);
    TWorld other;
    auto* club = new TTeam(other);
    other.AllTeams.Add(club);
    TBinaryReader in(out.Data());
    ReadDivisions(in, other);
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(other.Divisions.Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(other.Divisions[i]->referenceLevel, 110 - 30 * i);
        EXPECT_EQ(other.Divisions[i]->winPrestige, 8 - 2 * i);
    }
    ASSERT_EQ(other.Divisions[2]->teams.Count(), 1);
    EXPECT_EQ(other.Divisions[2]->teams[0], club);
}

TEST(GameRecord, GoldenBytesAndBack) {
    TwoClubs w;
    TGame game(w.world, gkLeague, 8, 0, 0, 2.0L, "Ab", w.second, w.first);
    game.attendance = 1000;
    game.homeFavour = 2;
    game.extraTime = 1;
    game.receipts = 2000;

    Bytes golden;
    Append(golden, {0x08, 0x00, 0x00, 0x00}); // prizeValue
    Append(golden, {0x00});                   // kind
    Append(golden, {0x02, 'A', 'b'});         // title: length byte and 40 bytes
    Zeros(golden, 38);
    Append(golden, {0x01, 0x00, 0x02, 0x00});                                     // home 1, away 2
    Append(golden, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x40}); // 2.0 as a 10-byte real
    Append(golden, {0x00, 0x00, 0x00, 0x00});                                     // roundMoney
    Append(golden, {0xE8, 0x03, 0x00, 0x00});                                     // attendance 1000
    Append(golden, {0x00, 0x00, 0x02, 0x00, 0x00, 0x00});                         // referee, favours
    Append(golden, {0x01});                                                       // extraTime
    Append(golden, {0xD0, 0x07, 0x00, 0x00});                                     // receipts 2000
    Append(golden, {0x00});                                                       // calendarSlot
    ASSERT_EQ(golden.size(), kGameRecordSize);
    TBinaryWriter out;
    WriteGame(out, game);
    EXPECT_EQ(out.Data(), golden);

    TBinaryReader in(golden);
    const auto back = ReadGame(in, w.world);
    EXPECT_EQ(back->homeTeam, w.first);
    EXPECT_EQ(back->awayTeam, w.second);
    EXPECT_EQ(back->title, "Ab");
    EXPECT_EQ(back->ticketPrice, 2.0L);
    EXPECT_EQ(back->attendance, 1000);
    EXPECT_EQ(back->homeFavour, 2);
    EXPECT_EQ(back->extraTime, 1);
    EXPECT_EQ(back->receipts, 2000);
    EXPECT_EQ(back->referee, nullptr);
    EXPECT_TRUE(back->events.Empty());
}

TEST(GameRecord, HeadingsCupTiesAndDamage) {
    TwoClubs w;
    w.world.RoundGames.Add(new TGame(w.world, gkHeading, 0, 0, 0, 3.0L, "Cup", nullptr, nullptr));
    w.world.RoundGames.Add(new TGame(w.world, gkCup, 10, 1500000, 0, 3.0L, "Cup - Final", w.second, w.first));
    ASSERT_EQ(w.first->calendar->Count(), 1);
    TBinaryWriter out;
    WriteRoundGames(out, w.world);
    ASSERT_EQ(out.Size(), 2 + 2 * kGameRecordSize);
    // A heading row is written with club ids 0.
    EXPECT_EQ(out.Data()[2 + 46], 0);
    EXPECT_EQ(out.Data()[2 + 48], 0);

    // Reading a cup tie does not enter it in the calendars a second time.
    w.world.RoundGames.Clear();
    TBinaryReader in(out.Data());
    ReadRoundGames(in, w.world);
    ASSERT_EQ(w.world.RoundGames.Count(), 2);
    EXPECT_EQ(w.world.RoundGames[0]->homeTeam, nullptr);
    EXPECT_EQ(w.world.RoundGames[0]->kind, gkHeading);
    EXPECT_EQ(w.world.RoundGames[1]->homeTeam, w.first);
    EXPECT_EQ(w.world.RoundGames[1]->roundMoney, 1500000);
    EXPECT_EQ(w.first->calendar->Count(), 1);

    Bytes longTitle = out.Data();
    longTitle[2 + 5] = 41;
    TBinaryReader damaged(longTitle);
    EXPECT_THROW(ReadRoundGames(damaged, w.world), EInvalidFile);
    Bytes shortFile = out.Data();
    shortFile.resize(60);
    TBinaryReader truncated(shortFile);
    EXPECT_THROW(ReadRoundGames(truncated, w.world), EInOutError);
}
