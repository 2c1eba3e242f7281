#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "world/calendar.h"
#include "world/calendar_record.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The entry of the golden record below.
void FillEntry(TCalendarEntry& e) {
    e.opponentId = 258;
    e.away = 1;
    e.goalsFor = 3;
    e.goalsAgainst = -1;
    e.attendance = 70000;
    e.isCup = 1;
    e.decision = 2;
    e.matchday = 0;
    e.receipts = 0x01020304;
    e.competitionKind = 2;
    e.refereeId = 0x0A0B;
}

// Written by hand from the layout: opponent, away, goals for, goals against, attendance, cup flag,
// decision, matchday, receipts, competition kind, referee.
const Bytes kGoldenEntry = {0x02, 0x01, 0x01, 0x00, 0x03, 0x00, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00,
                            0x01, 0x02, 0x00, 0x00, 0x04, 0x03, 0x02, 0x01, 0x02, 0x0B, 0x0A};

} // namespace

TEST(CalendarRecord, GoldenBytesAndBack) {
    TWorld world;
    TCalendarEntry entry(world);
    FillEntry(entry);
    TBinaryWriter out;
    WriteCalendarEntry(out, entry);
    ASSERT_EQ(out.Size(), kCalendarEntryRecordSize);
    EXPECT_EQ(out.Data(), kGoldenEntry);

    TBinaryReader in(kGoldenEntry);
    TCalendarEntry back(world);
    ReadCalendarEntry(in, back);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back.opponentId, 258);
    EXPECT_EQ(back.away, 1);
    EXPECT_EQ(back.goalsFor, 3);
    EXPECT_EQ(back.goalsAgainst, -1);
    EXPECT_EQ(back.attendance, 70000);
    EXPECT_EQ(back.isCup, 1);
    EXPECT_EQ(back.decision, 2);
    EXPECT_EQ(back.matchday, 0);
    EXPECT_EQ(back.receipts, 0x01020304);
    EXPECT_EQ(back.competitionKind, 2);
    EXPECT_EQ(back.refereeId, 0x0A0B);
}

TEST(CalendarRecord, ListRoundTripAndDamage) {
    TWorld world;
    TCalendar calendar(world);
    calendar.BuildLeagueCalendar(std::vector<std::int16_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3);
    FillEntry(*calendar.InsertCupEntry(99, 0));
    TBinaryWriter out;
    WriteCalendar(out, calendar);
    ASSERT_EQ(out.Size(), 2 + 19 * kCalendarEntryRecordSize);
    EXPECT_EQ(out.Data()[0], 19);
    EXPECT_EQ(out.Data()[1], 0);
    // The cup tie stands first: its record follows the count.
    EXPECT_EQ(Bytes(out.Data().begin() + 2, out.Data().begin() + 25), kGoldenEntry);

    TCalendar back(world);
    back.InsertCupEntry(5, 0); // replaced by what is read
    TBinaryReader in(out.Data());
    ReadCalendar(in, back);
    ASSERT_EQ(back.Count(), 19);
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(back[i]->opponentId, calendar[i]->opponentId) << i;
        EXPECT_EQ(back[i]->away, calendar[i]->away) << i;
        EXPECT_EQ(back[i]->matchday, calendar[i]->matchday) << i;
        EXPECT_EQ(back[i]->goalsFor, calendar[i]->goalsFor) << i;
    }

    TBinaryReader negative(Bytes{0xFF, 0xFF});
    EXPECT_THROW(ReadCalendar(negative, back), EInvalidFile);
    Bytes shortFile = out.Data();
    shortFile.resize(shortFile.size() - 1);
    TBinaryReader truncated(shortFile);
    EXPECT_THROW(ReadCalendar(truncated, back), EInOutError);
}
