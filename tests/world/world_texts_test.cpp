// The world's rows and notes with their language texts: the absence notes of a player, the sale column,
// coach-change news and history lines. The texts come from a small labels file written here.
#include "labels_fixture.h"
#include "world_fixture.h"

#include "foundation/row_markup.h"
#include "foundation/texts.h"

#include <gtest/gtest.h>

#include <map>

using namespace worldtest;

namespace {

const std::map<int, std::string> kTexts = {
    {32, "Club"},
    {38, "Board"},
    {39, "Morale"},
    {43, "Suspended for %d games"},
    {45, "Suspended for %d game"},
    {107, "Hired by %s"},
    {108, "Left his club"},
    {229, "Injured for %d games"},
    {230, "Injured for %d game"},
    {315, "Sold"},
    {354, "GKx"},
    {356, "DFx"},
    {407, "%s was dismissed by %s"},
    {408, "%s, who had no club, takes over"},
    {409, "%s leaves %s to take over"},
};

} // namespace

TEST(WorldTexts, AbsenceNotesBySingularAndPlural) {
    TestLabels labels(kTexts);
    TWorld world;
    TPlayer& p = MakePlayer(world, 1, 20, 25);
    p.injuredGames = 1;
    p.suspendedGames = 3;
    EXPECT_EQ(p.GetInfoText(1, {}), "Injured for 1 game");
    EXPECT_EQ(p.GetInfoText(2, {}), "Suspended for 3 games");
    p.injuredGames = 4;
    p.suspendedGames = 1;
    EXPECT_EQ(p.GetInfoText(1, {}), "Injured for 4 games");
    EXPECT_EQ(p.GetInfoText(2, {}), "Suspended for 1 game");
    EXPECT_EQ(p.GetInfoText(3, {}), "");
}

TEST(WorldTexts, PositionAndSaleColumns) {
    TestLabels labels(kTexts);
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TPlayer& p = AddPlayer(club, 1, 20, 25);
    const int mask = pcPosition | pcSaleState;
    auto cells = ParseRowMarkup(p.GetListTextEx3(mask, 0, 0, 0));
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].text, "DF"); // cut to two characters
    EXPECT_EQ(cells[1].text, "");   // not offered
    p.askingPrice = 1250000;
    p.saleMode = 2;
    cells = ParseRowMarkup(p.GetListTextEx3(mask, 0, 0, 0));
    EXPECT_EQ(cells[1].text, "1 250 000");
    EXPECT_EQ(cells[1].control, kRowColorGreen);
    p.retiring = 1;
    cells = ParseRowMarkup(p.GetListTextEx3(mask, 0, 0, 0));
    EXPECT_EQ(cells[1].text, "");
    p.soldToTeamId = 9;
    cells = ParseRowMarkup(p.GetListTextEx3(mask, 0, 0, 0));
    EXPECT_EQ(cells[1].text, "Sold");
}

TEST(WorldTexts, CoachChangeNewsAndHistory) {
    TestLabels labels(kTexts);
    TWorld world;
    TTeam& alpha = MakeClub(world, "Alpha");
    TTeam& beta = MakeClub(world, "Beta");
    TCoach& a = *alpha.coach;
    TCoach& b = *beta.coach;
    EXPECT_EQ(ParseRowMarkup(TLash(world, a.id, alpha.id, true).GetListText(0))[0].text,
              "Coach Alpha was dismissed by Alpha");
    EXPECT_EQ(ParseRowMarkup(TLash(world, b.id, beta.id, false).GetListText(0))[0].text,
              "Coach Beta leaves Beta to take over");
    EXPECT_EQ(ParseRowMarkup(TLash(world, b.id, 0, false).GetListText(0))[0].text,
              "Coach Beta, who had no club, takes over");
    world.SeasonYear = 2005;
    a.AddEvent(1, beta.id);
    a.AddEvent(2, 0);
    auto cells = ParseRowMarkup(a.events[0]->GetListText(0));
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].text, "2005");
    EXPECT_EQ(cells[1].text, "Hired by Beta");
    EXPECT_EQ(ParseRowMarkup(a.events[1]->GetListText(0))[1].text, "Left his club");
}

TEST(WorldTexts, ClubRowBoardAndMoraleColumnsCarryTitlesOnly) {
    TestLabels labels(kTexts);
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    club.SetSupportFactor(1.5L); // a happy board would be a green mark
    TColumnList header;
    club.SetupColumns(header, false, tcName | tcBoard | tcMorale, 0);
    ASSERT_EQ(header.size(), 3u);
    EXPECT_EQ(header[1], (TColumnSpec{"Board", 100}));
    EXPECT_EQ(header[2], (TColumnSpec{"Morale", 100}));
    const auto cells = ParseRowMarkup(club.GetListText(tcName | tcBoard | tcMorale));
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].text, "Alpha");
    EXPECT_EQ(cells[1], (TRowCell{0, 100, ""}));
    EXPECT_EQ(cells[2], (TRowCell{0, 100, ""}));
}

TEST(WorldTexts, CoachRowBoardColumnHasItsTitle) {
    TestLabels labels(kTexts);
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    club.SetSupportFactor(1.5L);
    const TCoach& coach = *club.coach;
    TColumnList header;
    coach.SetupColumns(header, false, ccClub | ccSatisfaction, 0);
    ASSERT_EQ(header.size(), 2u);
    EXPECT_EQ(header[0], (TColumnSpec{"Club", 180}));
    EXPECT_EQ(header[1], (TColumnSpec{"Board", 50}));
    // The row's mark stands in a cell of the header's width: a green bullet for a board above 1.3.
    const auto cells = ParseRowMarkup(coach.GetListText(ccClub | ccSatisfaction));
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[1], (TRowCell{0, 50, std::string(1, static_cast<char>(kRowMarkBulletGreen))}));
}
