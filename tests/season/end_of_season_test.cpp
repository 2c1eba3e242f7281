// The end of a season: titles and histories, promotion and relegation between each pair of divisions,
// the recycling of retired players, and the prizes.
#include "season_fixture.h"

#include "../world/labels_fixture.h"
#include "foundation/kol_random.h"
#include "season/end_of_season.h"
#include "season/retired_players.h"
#include "season/season_honours.h"

#include <gtest/gtest.h>

using namespace seasontest;
using namespace worldtest;

namespace {

TTeam* Club(const TWorld& world, const std::string& name) {
    for (TTeam* t : world.AllTeams)
        if (t->ShortName() == name) return t;
    return nullptr;
}

// The last event of a list as "kind/sub/number".
template <class List> std::string LastEvent(const List& events) {
    if (events.Empty()) return "none";
    const auto* e = events.Last();
    return std::to_string(e->kind) + "/" + std::to_string(e->extra) + "/" + std::to_string(e->otherId);
}

} // namespace

TEST(PromotionAndRelegation, TwoUpAndTwoDownBetweenEachPairOfDivisions) {
    // Hand-run generator from seed 3 over a pool of 5: a = 0, then b = 2, so P0 and P2 come up.
    SetRandSeed(3);
    TWorld world;
    world.SeasonYear = 2003;
    LeagueWorld(world, 5);
    PromoteAndRelegate(world);
    EXPECT_EQ(Names(*world.Divisions[0]), "A0 A1 A2 A3 A4 A5 A6 A7 B0 B1");
    EXPECT_EQ(Names(*world.Divisions[1]), "B2 B3 B4 B5 B6 B7 A8 A9 C0 C1");
    EXPECT_EQ(Names(*world.Divisions[2]), "C2 C3 C4 C5 C6 C7 B8 B9 D0 D1");
    EXPECT_EQ(Names(*world.Divisions[3]), "D2 D3 D4 D5 D6 D7 C8 C9 P0 P2");
    EXPECT_EQ(Names(*world.Divisions[4]), "P1 P3 P4 D8 D9");

    // Each moved club and its coach: promoted 6 / 11 with the division it rises to, relegated 7 / 12 with
    // the division it falls to; the club's event names the coach, the coach's the club.
    struct Move {
        const char* club;
        int teamKind, coachKind, division;
    };
    for (const Move m :
         {Move{"A9", 7, 12, 1}, Move{"B0", 6, 11, 0}, Move{"B8", 7, 12, 2}, Move{"C1", 6, 11, 1},
          Move{"C9", 7, 12, 3}, Move{"D0", 6, 11, 2}, Move{"D8", 7, 12, 4}, Move{"P2", 6, 11, 3}}) {
        SCOPED_TRACE(m.club);
        TTeam& club = *Club(world, m.club);
        const std::string d = std::to_string(m.division);
        EXPECT_EQ(LastEvent(club.events),
                  std::to_string(m.teamKind) + "/" + d + "/" + std::to_string(club.coach->id));
        EXPECT_EQ(LastEvent(club.coach->events),
                  std::to_string(m.coachKind) + "/" + d + "/" + std::to_string(club.id));
        EXPECT_EQ(club.events.Last()->season, 2003);
    }
    EXPECT_EQ(LastEvent(Club(world, "A7")->events), "none");
    EXPECT_EQ(LastEvent(Club(world, "P1")->events), "none");
}

TEST(PromotionAndRelegation, ThePoolDrawDecidesWhichTwoClubsRise) {
    // Seed 2024 over a pool of 5: a = 2, b = 1 (b < a: the second swap takes index 1 as it stands).
    SetRandSeed(2024);
    TWorld world;
    LeagueWorld(world, 5);
    PromoteAndRelegate(world);
    EXPECT_EQ(Names(*world.Divisions[3]), "D2 D3 D4 D5 D6 D7 C8 C9 P2 P1");
    EXPECT_EQ(Names(*world.Divisions[4]), "P0 P3 P4 D8 D9");
}

TEST(PromotionAndRelegation, APoolOfTwoSendsBothUp) {
    SetRandSeed(77);
    TWorld world;
    LeagueWorld(world, 2);
    PromoteAndRelegate(world);
    const std::string d3 = Names(*world.Divisions[3]);
    EXPECT_TRUE(d3 == "D2 D3 D4 D5 D6 D7 C8 C9 P0 P1" || d3 == "D2 D3 D4 D5 D6 D7 C8 C9 P1 P0") << d3;
    EXPECT_EQ(Names(*world.Divisions[4]), "D8 D9");
}

TEST(PromotionAndRelegation, AHumanCoachLosesHisClubBeforeItFallsIntoThePool) {
    SetRandSeed(3);
    TWorld world;
    world.CurrentRound = 18;
    LeagueWorld(world, 5);
    TTeam& falling = *Club(world, "D9");
    TTeam& staying = *Club(world, "C9"); // relegated into league 4 only: keeps its person
    falling.coach->isHuman = 1;
    staying.coach->isHuman = 1;
    TCoach* human = falling.coach;
    TCoach* stayingHuman = staying.coach;
    auto spare = std::make_unique<TCoach>(world);
    spare->SetName("Spare");
    TCoach* successor = spare.get();
    world.AllCoaches.Add(spare.release());

    PromoteAndRelegate(world);
    EXPECT_EQ(world.DivisionIndexOfTeam(falling), 4);
    EXPECT_EQ(falling.coach, successor);
    EXPECT_EQ(human->CurrentClub(), nullptr);
    EXPECT_EQ(LastEvent(successor->events), "12/4/" + std::to_string(falling.id));
    EXPECT_EQ(staying.coach, stayingHuman);
}

TEST(SeasonTitles, ChampionAndCupWinnerApart) {
    TWorld world;
    world.SeasonYear = 2005;
    LeagueWorld(world, 2);
    TTeam& champion = *Club(world, "A0");
    TTeam& cup = *Club(world, "C4");
    champion.leagueTitles = 2;
    AwardSeasonTitles(world, &champion, &cup);
    EXPECT_EQ(champion.supportFactor(), 2.0L);
    EXPECT_EQ(cup.supportFactor(), 1.5L);
    EXPECT_EQ(champion.leagueTitles, 3);
    EXPECT_EQ(cup.cupTitles, 1);
    EXPECT_EQ(champion.coach->leagueTitles, 1);
    EXPECT_EQ(cup.coach->cupTitles, 1);
    EXPECT_EQ(LastEvent(champion.events), "1/0/" + std::to_string(champion.coach->id));
    EXPECT_EQ(LastEvent(cup.events), "2/0/" + std::to_string(cup.coach->id));
    EXPECT_EQ(LastEvent(champion.coach->events), "3/0/" + std::to_string(champion.id));
    EXPECT_EQ(LastEvent(cup.coach->events), "4/0/" + std::to_string(cup.id));
    EXPECT_EQ(LastEvent(Club(world, "A1")->events), "4/0/" + std::to_string(Club(world, "A1")->coach->id));
    EXPECT_EQ(LastEvent(Club(world, "A1")->coach->events), "9/0/" + std::to_string(Club(world, "A1")->id));
    EXPECT_EQ(LastEvent(Club(world, "A2")->events), "5/0/" + std::to_string(Club(world, "A2")->coach->id));
    EXPECT_EQ(LastEvent(Club(world, "A2")->coach->events), "10/0/" + std::to_string(Club(world, "A2")->id));
    EXPECT_EQ(LastEvent(Club(world, "A3")->events), "none");
    ASSERT_EQ(world.LastWinnersList.Count(), 1);
    const TLastWinners& w = *world.LastWinnersList.Last();
    EXPECT_EQ(w.season, 2005);
    EXPECT_EQ(w.championId, champion.id);
    EXPECT_EQ(w.championCoachId, champion.coach->id);
    EXPECT_EQ(w.cupWinnerId, cup.id);
    EXPECT_EQ(w.cupWinnerCoachId, cup.coach->id);
}

TEST(SeasonTitles, ADoubleIsOneEventAndBothSupportRises) {
    TWorld world;
    LeagueWorld(world, 2);
    TTeam& club = *Club(world, "A0");
    AwardSeasonTitles(world, &club, &club);
    EXPECT_EQ(club.supportFactor(), 2.5L);
    EXPECT_EQ(club.events.Count(), 1);
    EXPECT_EQ(LastEvent(club.events), "3/0/" + std::to_string(club.coach->id));
    EXPECT_EQ(club.coach->events.Count(), 1);
    EXPECT_EQ(LastEvent(club.coach->events), "8/0/" + std::to_string(club.id));
    EXPECT_EQ(club.leagueTitles + club.cupTitles, 2);
}

TEST(RetiredPlayers, TheSmallestSquadsFillFirstAndKeepTheirNationality) {
    SetRandSeed(12);
    TWorld world;
    TTeam& seven = MakeClub(world, "Seven", "ESP");
    TTeam& ten = MakeClub(world, "Ten");
    TTeam& thirteen = MakeClub(world, "Thirteen");
    for (int i = 0; i < 7; ++i) AddPlayer(seven, 1, 40, 25, "ESP");
    for (int i = 0; i < 10; ++i) AddPlayer(ten, 1, 40, 25);
    std::vector<TPlayer*> retiring;
    for (int i = 0; i < 13; ++i) {
        TPlayer& p = AddPlayer(thirteen, 1 + i % 3, 60, 34, i == 2 ? "ESP" : "POR");
        if (i < 5) {
            p.retiring = 1;
            p.career.goals = 40;
            retiring.push_back(&p);
        }
    }
    ten.coach->observedPlayers.push_back(retiring[0]);
    const int players = world.AllPlayers.Count();

    RecycleRetiredPlayers(world);
    // 13 - 5 = 8: up to 9 the seven-club takes 2 and the eight-club 1; up to 10 each takes one more.
    EXPECT_EQ(seven.players.Count(), 10);
    EXPECT_EQ(ten.players.Count(), 10);
    EXPECT_EQ(thirteen.players.Count(), 10);
    EXPECT_EQ(seven.squadSize, 10);
    EXPECT_EQ(world.AllPlayers.Count(), players);
    // The Spanish youth goes to the Spanish club.
    EXPECT_TRUE(seven.players.Contains(retiring[2]));
    for (TPlayer* p : retiring) {
        EXPECT_EQ(p->age(), 17);
        EXPECT_EQ(p->level(), 1);
        EXPECT_EQ(p->retiring, 0);
        EXPECT_EQ(p->career.goals, 0);
    }
    EXPECT_TRUE(ten.coach->observedPlayers.empty());
}

TEST(RetiredPlayers, TheFillStartsAtNinePlayers) {
    // Two free players: the club of 7 takes both on its way to 9, whatever order the shuffle gives, so the
    // club of 9 gets none before the fill reaches 10.
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        SetRandSeed(seed);
        TWorld world;
        TTeam& seven = MakeClub(world, "Seven");
        TTeam& nine = MakeClub(world, "Nine");
        TTeam& eleven = MakeClub(world, "Eleven");
        for (int i = 0; i < 7; ++i) AddPlayer(seven, 1, 40, 25);
        for (int i = 0; i < 9; ++i) AddPlayer(nine, 1, 40, 25);
        for (int i = 0; i < 11; ++i) AddPlayer(eleven, 1, 40, 25).retiring = i < 2 ? 1 : 0;
        RecycleRetiredPlayers(world);
        EXPECT_EQ(seven.players.Count(), 9) << seed;
        EXPECT_EQ(nine.players.Count(), 9) << seed;
        EXPECT_EQ(eleven.players.Count(), 9) << seed;
    }
}

TEST(RetiredPlayers, FreePlayersLeftOverGoToRandomClubs) {
    SetRandSeed(8);
    TWorld world;
    TTeam& full = MakeClub(world, "Full");
    TTeam& other = MakeClub(world, "Other");
    for (int i = 0; i < 28; ++i) AddPlayer(full, 1, 40, 25);
    for (int i = 0; i < 28; ++i) AddPlayer(other, 1, 40, 25);
    full.players[0]->retiring = 1;
    other.players[0]->retiring = 1;
    other.players[1]->retiring = 1;
    RecycleRetiredPlayers(world);
    // The fill to 28 takes back what 28-player squads lost; nothing is left for the random step.
    EXPECT_EQ(full.players.Count(), 28);
    EXPECT_EQ(other.players.Count(), 28);
}

TEST(EndOfSeasonPrizes, PlacesCupAndEveryTiedBestScorerArePaid) {
    TestLabels labels({{217, "title"}, {218, "titles"}, {219, "cup"}, {220, "cups"}, {221, "Goals: %d"}});
    TWorld world;
    LeagueWorld(world, 2);
    CurrencyRecord& c = world.CurrencyRecord;
    c.prizeChampion = 1000000;
    c.prizeSecond = 300000;
    c.prizeThird = 100000;
    c.prizeCup = 50000;
    c.prizeBestScorer = 7000;
    TTeam& champion = *Club(world, "A0");
    TTeam& cup = *Club(world, "D3");
    AddPlayer(champion, 3, 50, 25).season.runningGoals = 9;
    AddPlayer(cup, 3, 50, 25).season.runningGoals = 12;
    AddPlayer(*Club(world, "B1"), 3, 50, 25).season.runningGoals = 12;
    champion.leagueTitles = 1;
    cup.cupTitles = 4;
    champion.coach->leagueTitles = 1;
    const TSeasonHonours* seen = nullptr;
    std::string coachLine, times, caption;
    world.DefaultPort().EndOfSeasonHook = [&](const TSeasonHonours& h) {
        seen = &h;
        coachLine = h.championCoach;
        times = h.cupWinnerTimes;
        caption = h.bestScorerCaption;
        EXPECT_EQ(h.scorerLines.size(), 2u);
    };
    ShowEndOfSeason(world, &champion, &cup);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(champion.balance(), 1000000);
    EXPECT_EQ(Club(world, "A1")->balance(), 300000);
    EXPECT_EQ(Club(world, "A2")->balance(), 100000);
    EXPECT_EQ(cup.balance(), 50000 + 7000);
    EXPECT_EQ(Club(world, "B1")->balance(), 7000);
    EXPECT_EQ(champion.season.financeTotals[2], 1000000);
    EXPECT_EQ(coachLine, "Coach A0 (1 title)");
    EXPECT_EQ(times, "4 cups");
    EXPECT_EQ(caption, "Goals: 12");
}

TEST(EndOfSeasonPrizes, ASeasonWithoutGoalsPaysNoBestScorer) {
    TWorld world;
    LeagueWorld(world, 2);
    world.CurrencyRecord.prizeBestScorer = 7000;
    world.CurrencyRecord.prizeChampion = 0;
    world.CurrencyRecord.prizeSecond = 0;
    world.CurrencyRecord.prizeThird = 0;
    world.CurrencyRecord.prizeCup = 0;
    TTeam& b5 = *Club(world, "B5");
    AddPlayer(b5, 3, 50, 25);
    ShowEndOfSeason(world, Club(world, "A0"), Club(world, "A0"));
    EXPECT_EQ(b5.balance(), 0);
}

TEST(EndOfSeason, AdvancesTheYearAndClearsTheResumePoint) {
    SetRandSeed(3);
    TWorld world;
    world.SeasonYear = 2010;
    world.ResumeTeam = 12;
    world.LeagueRoundDone = true;
    LeagueWorld(world, 5);
    TTeam& cup = *Club(world, "C3");
    world.CupTeams.Add(&cup);
    EndSeason(world);
    EXPECT_EQ(world.SeasonYear, 2011);
    EXPECT_EQ(world.ResumeTeam, 0);
    EXPECT_FALSE(world.LeagueRoundDone);
    EXPECT_EQ(LastEvent(cup.events), "2/0/" + std::to_string(cup.coach->id));
    EXPECT_EQ(world.LastWinnersList.Last()->season, 2010);
    EXPECT_EQ(Names(*world.Divisions[4]), "P1 P3 P4 D8 D9");
    EXPECT_EQ(world.DefaultPort().Calls.back(), "ShowEndOfSeason");
}
