#include "foundation/row_markup.h"
#include "world/calendar.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<std::int16_t> kClubIds = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110};

void MarkPlayed(TCalendarEntry& e, int goalsFor, int goalsAgainst) {
    e.goalsFor = static_cast<std::int16_t>(goalsFor);
    e.goalsAgainst = static_cast<std::int16_t>(goalsAgainst);
    e.attendance = 1000;
}

} // namespace

TEST(CalendarLeague, EighteenGamesFromTheFixtureScheme) {
    TWorld world;
    TCalendar calendar(world);
    calendar.BuildLeagueCalendar(kClubIds, 0);
    ASSERT_EQ(calendar.Count(), 18);
    // Club 0: matchday 1 away at club 9 (slot 2 against slot 1), matchday 2 at home to club 8 (slot 1
    // against slot 2), matchday 3 away at club 2.
    EXPECT_EQ(calendar[0]->matchday, 1);
    EXPECT_EQ(calendar[0]->opponentId, 110);
    EXPECT_EQ(calendar[0]->away, 1);
    EXPECT_EQ(calendar[1]->opponentId, 109);
    EXPECT_EQ(calendar[1]->away, 0);
    EXPECT_EQ(calendar[2]->opponentId, 103);
    EXPECT_EQ(calendar[2]->away, 1);
    EXPECT_EQ(calendar[17]->matchday, 18);
    for (const TCalendarEntry* e : calendar) {
        EXPECT_FALSE(e->Played());
        EXPECT_EQ(e->isCup, 0);
        EXPECT_EQ(e->attendance, -1);
    }
    // Rebuilding replaces the old entries.
    calendar.BuildLeagueCalendar(kClubIds, 9);
    ASSERT_EQ(calendar.Count(), 18);
    EXPECT_EQ(calendar[0]->opponentId, 101);
    EXPECT_EQ(calendar[0]->away, 0);
    EXPECT_THROW(calendar.BuildLeagueCalendar(kClubIds, 10), std::invalid_argument);
    EXPECT_THROW(calendar.BuildLeagueCalendar(std::vector<std::int16_t>{1, 2}, 0), std::invalid_argument);
}

TEST(CalendarCup, TieGoesInFrontOfTheNextUnplayedLeagueGame) {
    TWorld world;
    TCalendar calendar(world);
    calendar.BuildLeagueCalendar(kClubIds, 4);
    MarkPlayed(*calendar[0], 2, 1);
    MarkPlayed(*calendar[1], 0, 0);
    TCalendarEntry* cup = calendar.InsertCupEntry(555, 1);
    ASSERT_EQ(calendar.Count(), 19);
    EXPECT_EQ(calendar[2], cup);
    EXPECT_EQ(cup->isCup, 1);
    EXPECT_EQ(cup->matchday, 0);
    EXPECT_EQ(cup->opponentId, 555);
    EXPECT_EQ(cup->away, 1);
    EXPECT_EQ(calendar[3]->matchday, 3);
    // The result of the cup day is filed on the tie, the next one on league matchday 3.
    EXPECT_EQ(calendar.NextEntry(0), cup);
    MarkPlayed(*cup, 1, 0);
    EXPECT_EQ(calendar.NextEntry(0), calendar[3]);
}

TEST(CalendarCup, TieAfterTheLastGameIsAppended) {
    TWorld world;
    TCalendar calendar(world);
    calendar.BuildLeagueCalendar(kClubIds, 1);
    for (TCalendarEntry* e : calendar) MarkPlayed(*e, 1, 1);
    EXPECT_EQ(calendar.NextEntry(0), nullptr);
    TCalendarEntry* cup = calendar.InsertCupEntry(7, 0);
    EXPECT_EQ(calendar.Last(), cup);
    // An empty calendar (a club of the pool) receives each tie after the one it has played.
    TCalendar pool(world);
    TCalendarEntry* first = pool.InsertCupEntry(1, 0);
    MarkPlayed(*first, 2, 0);
    TCalendarEntry* second = pool.InsertCupEntry(2, 1);
    EXPECT_EQ(pool[0], first);
    EXPECT_EQ(pool[1], second);
}

TEST(CalendarNext, KindTwoMatchesAnyGameAndKindOneIsSkippedByInsertion) {
    TWorld world;
    TCalendar calendar(world);
    calendar.BuildLeagueCalendar(kClubIds, 2);
    calendar[0]->competitionKind = 1;
    calendar[1]->competitionKind = 2;
    EXPECT_EQ(calendar.NextEntry(1), calendar[0]);
    EXPECT_EQ(calendar.NextEntry(0), calendar[1]);
    EXPECT_EQ(calendar.NextEntry(5), calendar[1]);
    // A cup tie is placed before the first unplayed entry of kind 0 or 2, past the kind 1 entry.
    TCalendarEntry* cup = calendar.InsertCupEntry(9, 0);
    EXPECT_EQ(calendar[1], cup);
}

TEST(CalendarDisplay, ColoursAndCells) {
    TWorld world;
    TCalendar calendar(world);
    calendar.BuildLeagueCalendar(kClubIds, 0);
    TCalendarEntry* cup = calendar.InsertCupEntry(3, 0);
    const TCalendarEntry* awayLeague = calendar[1];
    EXPECT_EQ(awayLeague->TextColor(), 0xFF0000);
    EXPECT_EQ(awayLeague->BackColor(), 0xFFFFFF);
    EXPECT_EQ(cup->TextColor(), 0x008000);
    EXPECT_EQ(cup->BackColor(), 0xC0C0C0);

    TCalendarEntry* played = calendar[1];
    MarkPlayed(*played, 3, 2);
    const auto cells = ParseRowMarkup(played->GetListText(0));
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0].text, "1");
    EXPECT_EQ(cells[0].width, 20);
    EXPECT_EQ(cells[1].width, 155);
    EXPECT_EQ(cells[3].text, "3 - 2");
    EXPECT_EQ(cells[4].text, "");
    // A cup tie shows no matchday and no score before it is played.
    const auto cupCells = ParseRowMarkup(cup->GetListText(0));
    ASSERT_EQ(cupCells.size(), 6u);
    EXPECT_EQ(cupCells[0].text, "");
    EXPECT_EQ(cupCells[3].text, "");
    EXPECT_EQ(cup->Columns(false).size(), 6u);
}
