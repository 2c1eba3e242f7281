#include "datafiles/team_attr.h"
#include "foundation/currency.h"
#include "foundation/money_format.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "labels_fixture.h"
#include "world/calendar.h"
#include "world/division.h"
#include "world/game.h"
#include "world/team.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <map>

TEST(DivisionTexts, NamesAndMatchdayTitles) {
    TestLabels labels({{144, "First Division With A Long Name"},
                       {145, "Second"},
                       {148, "Others"},
                       {404, "Division %d"},
                       {406, "Matchday %d"}});
    EXPECT_EQ(DivisionName(0), "First Division With "); // cut to 20 characters
    EXPECT_EQ(DivisionName(1), "Second");
    EXPECT_EQ(DivisionName(4), "Others");
    EXPECT_EQ(DivisionName(7), "Division 7");

    TWorld world;
    CreateDivisions(world);
    TDivision& second = *world.Divisions[1];
    for (int i = 0; i < 10; ++i) {
        auto* team = new TTeam(world);
        world.AllTeams.Add(team);
        second.teams.Add(team);
    }
    second.GenerateRound(12);
    ASSERT_EQ(world.RoundGames.Count(), 6);
    EXPECT_EQ(world.RoundGames[0]->title, "Second");
    EXPECT_EQ(world.RoundGames[1]->title, "Matchday 12");
    EXPECT_EQ(world.RoundGames[1]->prizeValue, 6);
}

TEST(CalendarTexts, RowAndHeader) {
    TestLabels labels({{92, "Referee"},
                       {133, "N"},
                       {134, "Opponent"},
                       {135, "Venue"},
                       {136, "Score"},
                       {137, "Receipts"},
                       {279, "Home"},
                       {281, "Away"},
                       {283, "Neutral"},
                       {403, "(friendly)"}});
    TWorld world;
    world.CurrencyRecord = BuiltInCurrencies()[0];
    auto* rival = new TTeam(world);
    world.AllTeams.Add(rival);
    rival->attr->SetName("Rival Club");
    TCalendar calendar(world);
    TCalendarEntry* entry = calendar.InsertCupEntry(rival->id, 1);
    entry->goalsFor = 2;
    entry->goalsAgainst = 3;
    entry->receipts = 125000;
    entry->competitionKind = 1;
    const auto cells = ParseRowMarkup(entry->GetListText(0));
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0].text, "");
    EXPECT_EQ(cells[1].text, "Rival Club");
    EXPECT_EQ(cells[2].text, "A");
    EXPECT_EQ(cells[3].text, "2 - 3");
    EXPECT_EQ(cells[4].text, FormatMoney(125000, " EUR") + " (friendly)");
    EXPECT_EQ(cells[5].text, "");
    entry->away = 2;
    EXPECT_EQ(ParseRowMarkup(entry->GetListText(0))[2].text, "N");
    const TColumnList header = entry->Columns(false);
    ASSERT_EQ(header.size(), 6u);
    EXPECT_EQ(header[0], (TColumnSpec{"N", 20}));
    EXPECT_EQ(header[1], (TColumnSpec{"Opponent", 155}));
    EXPECT_EQ(header[4], (TColumnSpec{"Receipts", 90}));
    EXPECT_EQ(header[5], (TColumnSpec{"Referee", 200}));
}
