// Coaches: hire scores, dismissal, observed players, history, and the coach changes of a club.
#include "world_fixture.h"

#include "foundation/row_markup.h"
#include "world/division.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

TCoach& FreeCoach(TWorld& world, const std::string& name, int prestige, bool human = false) {
    auto coach = std::make_unique<TCoach>(world);
    coach->SetName(name);
    coach->SetPrestige(prestige);
    coach->isHuman = human ? 1 : 0;
    TCoach& ref = *coach;
    world.AllCoaches.Add(coach.release());
    return ref;
}

} // namespace

TEST(CoachHireScore, PrestigeGapAndWhoHeIs) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TTeam& other = MakeClub(world, "Beta");
    club.SetPrestige(40);
    other.coach->SetPrestige(50);
    other.coach->ComputeHireScore(club); // (50 - 40) / 2, employed computer coach
    EXPECT_EQ(other.coach->hireScore, 5);
    other.coach->isHuman = 1;
    other.coach->ComputeHireScore(club); // trunc(5 x 0.8)
    EXPECT_EQ(other.coach->hireScore, 4);

    club.SetPrestige(50);
    TCoach& unemployed = FreeCoach(world, "Free", 40);
    unemployed.ComputeHireScore(club); // trunc(10 x 1.2)
    EXPECT_EQ(unemployed.hireScore, 12);
    other.coach->isHuman = 0;
    other.coach->SetPrestige(40);
    other.coach->ComputeHireScore(club); // employed: unchanged
    EXPECT_EQ(other.coach->hireScore, 10);
    TCoach& humanFree = FreeCoach(world, "Human", 40, true);
    humanFree.ComputeHireScore(club); // trunc(10 x 0.8): the human discount, not the unemployed one
    EXPECT_EQ(humanFree.hireScore, 8);
    club.SetPrestige(40);
    TCoach& odd = FreeCoach(world, "Odd", 45);
    odd.ComputeHireScore(club); // trunc(5 / 2) = 2, then trunc(2 x 1.2) = 2
    EXPECT_EQ(odd.hireScore, 2);
}

TEST(CoachHeldValues, PrestigeOffsetAndDecay) {
    TWorld world;
    TCoach& coach = FreeCoach(world, "A", 0);
    EXPECT_EQ(coach.StoredPrestige(), 11);
    coach.SetPrestige(57);
    EXPECT_EQ(coach.StoredPrestige(), 68);
    coach.DecayPrestige(); // trunc(51.3)
    EXPECT_EQ(coach.prestige(), 51);
    coach.SetPrestige(-15);
    coach.DecayPrestige(); // trunc(-13.5) toward zero
    EXPECT_EQ(coach.prestige(), -13);
}

TEST(CoachDismissal, TenMatchesAndAnUnhappyBoardOrAHumanInThePool) {
    TWorld world;
    CreateDivisions(world);
    TTeam& club = MakeClub(world, "Alpha");
    world.Divisions[2]->teams.Add(&club);
    TCoach& coach = *club.coach;
    coach.weeksInJob = 10;
    club.SetSupportFactor(0.7L);
    EXPECT_TRUE(coach.ShouldBeDismissed(club));
    coach.weeksInJob = 9;
    EXPECT_FALSE(coach.ShouldBeDismissed(club));
    coach.weeksInJob = 10;
    club.SetSupportFactor(0.71L);
    EXPECT_FALSE(coach.ShouldBeDismissed(club));
    coach.weeksInJob = 0;
    coach.isHuman = 1;
    EXPECT_FALSE(coach.ShouldBeDismissed(club));
    world.Divisions[2]->teams.Remove(&club);
    world.Divisions[4]->teams.Add(&club);
    EXPECT_TRUE(coach.ShouldBeDismissed(club));
    coach.isHuman = 0;
    EXPECT_FALSE(coach.ShouldBeDismissed(club));
}

TEST(CoachObserved, TheSixteenthAsksWhichToDrop) {
    TWorld world;
    TCoach& coach = FreeCoach(world, "A", 0);
    std::vector<TPlayer*> players;
    for (int i = 0; i < 16; ++i) players.push_back(&MakePlayer(world, 1, 10, 20));
    for (int i = 0; i < 15; ++i) EXPECT_EQ(coach.AddObserved(*players[static_cast<std::size_t>(i)]), nullptr);
    EXPECT_TRUE(world.DefaultPort().Calls.empty());
    TPlayer* drop = coach.AddObserved(*players[15]);
    ASSERT_EQ(drop, players[0]); // the scripted port drops the first one
    EXPECT_EQ(world.DefaultPort().Calls.back(), "ObservedPlayerDrop " + std::to_string(coach.id));
    coach.RemoveObserved(*drop);
    EXPECT_EQ(coach.observedPlayers.size(), 15u);
    EXPECT_FALSE(coach.IsObserved(*players[0]));
    EXPECT_TRUE(coach.IsObserved(*players[15]));
    EXPECT_EQ(coach.observedPlayers.front(), players[1]); // the gap is closed
}

TEST(CoachHistory, TheHundredAndFirstEventDropsTheOldest) {
    TWorld world;
    TCoach& coach = FreeCoach(world, "A", 0);
    for (int i = 1; i <= 101; ++i) {
        world.SeasonYear = 1900 + i;
        coach.AddEvent(3, 0);
    }
    ASSERT_EQ(coach.events.Count(), 100);
    EXPECT_EQ(coach.events[0]->season, 1902);
    EXPECT_EQ(coach.events.Last()->season, 2001);
}

TEST(CoachCurrentClub, CachedUntilCleared) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TCoach& coach = *club.coach;
    EXPECT_EQ(coach.CurrentClub(), &club);
    club.coach = nullptr;
    EXPECT_EQ(coach.CurrentClub(), &club); // still cached
    coach.SetCurrentClub(nullptr);
    EXPECT_EQ(coach.CurrentClub(), nullptr);
}

TEST(ClubCoachChange, AnUnemployedCoachTakesOver) {
    TWorld world;
    world.SeasonYear = 2003;
    world.Options.viewPsychologicalLashes = 2;
    TTeam& club = MakeClub(world, "Alpha");
    club.SetPrestige(30);
    club.SetSupportFactor(0.6L);
    TCoach& old = *club.coach;
    old.weeksInJob = 12;
    TCoach& far = FreeCoach(world, "Far", 100);  // score 35 x 1.2 = 42
    TCoach& near = FreeCoach(world, "Near", 20); // score 10 x 1.2 = 12
    club.ChangeCoach(0);
    EXPECT_EQ(club.coach, &near);
    EXPECT_EQ(near.weeksInJob, 0);
    EXPECT_EQ(club.supportFactor(), 1.0L);
    EXPECT_EQ(near.CurrentClub(), &club);
    EXPECT_EQ(old.CurrentClub(), nullptr);
    EXPECT_EQ(far.CurrentClub(), nullptr);
    ASSERT_EQ(old.events.Count(), 1);
    EXPECT_EQ(old.events[0]->kind, 2);
    // The club he left, in the season of the change.
    EXPECT_EQ(old.events[0]->otherId, club.id);
    EXPECT_EQ(old.events[0]->season, 2003);
    ASSERT_EQ(near.events.Count(), 1);
    EXPECT_EQ(near.events[0]->kind, 1);
    EXPECT_EQ(near.events[0]->otherId, club.id);
    EXPECT_EQ(near.events[0]->season, 2003);
    ASSERT_EQ(world.RoundMessages.Count(), 3);
    const auto* dismissed = dynamic_cast<const TLash*>(world.RoundMessages[0]);
    const auto* hired = dynamic_cast<const TLash*>(world.RoundMessages[1]);
    const auto* separator = dynamic_cast<const TLash*>(world.RoundMessages[2]);
    ASSERT_TRUE(dismissed && hired && separator);
    EXPECT_EQ(dismissed->coachId, old.id);
    EXPECT_EQ(dismissed->teamId, club.id);
    EXPECT_EQ(dismissed->dismissed, 1);
    EXPECT_EQ(hired->coachId, near.id);
    EXPECT_EQ(hired->teamId, 0);
    EXPECT_EQ(separator->coachId, 0);
}

TEST(ClubCoachChange, AHappyWeakerClubSwapsCoaches) {
    TWorld world;
    world.Options.viewPsychologicalLashes = 1; // no human involved: no news
    TTeam& strong = MakeClub(world, "Strong");
    TTeam& weak = MakeClub(world, "Weak");
    FillSquad(strong, 2, 14, 60);
    FillSquad(weak, 2, 14, 40);
    weak.SetSupportFactor(1.35L);
    TCoach& strongCoach = *strong.coach;
    TCoach& weakCoach = *weak.coach;
    strong.ChangeCoach(0);
    EXPECT_EQ(strong.coach, &weakCoach);
    EXPECT_EQ(weak.coach, &strongCoach);
    EXPECT_EQ(weak.supportFactor(), 1.0L);
    ASSERT_EQ(strongCoach.events.Count(), 1);
    EXPECT_EQ(strongCoach.events[0]->kind, 6);
    EXPECT_EQ(strongCoach.events[0]->otherId, weak.id);
    ASSERT_EQ(weakCoach.events.Count(), 1);
    EXPECT_EQ(weakCoach.events[0]->kind, 7);
    EXPECT_EQ(weakCoach.events[0]->otherId, strong.id);
    EXPECT_EQ(world.RoundMessages.Count(), 0);
}

TEST(ClubCoachChange, NobodyFitsAndNothingHappens) {
    TWorld world;
    TTeam& strong = MakeClub(world, "Strong");
    TTeam& weak = MakeClub(world, "Weak");
    FillSquad(strong, 2, 14, 60);
    FillSquad(weak, 2, 14, 50); // only 10 levels apart
    weak.SetSupportFactor(1.5L);
    TCoach* before = strong.coach;
    strong.ChangeCoach(0);
    EXPECT_EQ(strong.coach, before);
}

TEST(ClubCoachChange, HumansStayOutOfThePoolAndTheLastMatchday) {
    TWorld world;
    CreateDivisions(world);
    TTeam& club = MakeClub(world, "Alpha");
    world.Divisions[1]->teams.Add(&club);
    TCoach& human = FreeCoach(world, "Human", 0, true);
    TCoach& computer = FreeCoach(world, "Computer", 50);
    world.CurrentRound = 18;
    EXPECT_EQ(club.FindNewCoach(nfUnemployed), &computer);
    world.CurrentRound = 5;
    EXPECT_EQ(club.FindNewCoach(nfUnemployed), &human); // score 0 beats 30, and he has no club
    world.Divisions[1]->teams.Remove(&club);
    world.Divisions[4]->teams.Add(&club);
    EXPECT_EQ(club.FindNewCoach(nfUnemployed), &computer);
}

TEST(ClubCoachChange, AHumanWhoDeclinesIsPassedOver) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TTeam& humanClub = MakeClub(world, "Beta");
    FillSquad(club, 2, 14, 60);
    FillSquad(humanClub, 2, 14, 30);
    humanClub.SetSupportFactor(1.4L);
    humanClub.coach->isHuman = 1;
    TCoach& computer = FreeCoach(world, "Computer", 50);
    world.DefaultPort().InvitationAnswers = {false};
    EXPECT_EQ(club.FindNewCoach(nfUnemployed | nfFromOtherClub), &computer);
    EXPECT_EQ(world.DefaultPort().Calls.back(),
              "Invitation " + std::to_string(humanClub.coach->id) + " " + std::to_string(club.id));
    world.DefaultPort().InvitationAnswers = {true};
    EXPECT_EQ(club.FindNewCoach(nfUnemployed | nfFromOtherClub), humanClub.coach);
}

TEST(ClubCoachChange, AComputerSuccessorCutsWagesAndDebt) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    club.coach->isHuman = 1;
    TPlayer& paid = AddPlayer(club, 1, 50, 25);
    TPlayer& cheap = AddPlayer(club, 1, 50, 25);
    paid.SetSalary(90000); // value 27 500
    cheap.SetSalary(1000);
    club.SetBalance(-300);
    FreeCoach(world, "Computer", 0);
    club.ChangeCoach(0);
    EXPECT_EQ(paid.salary(), 27500);
    EXPECT_EQ(cheap.salary(), 1000);
    EXPECT_EQ(club.balance(), 0);
    EXPECT_TRUE(club.BalanceIntact());
}

TEST(CoachRow, NameClubTitlesAndPrestige) {
    TWorld world;
    TTeam& club = MakeClub(world, "Alpha");
    TCoach& coach = *club.coach;
    coach.leagueTitles = 2;
    coach.cupTitles = 1;
    coach.SetPrestige(17);
    auto cells = ParseRowMarkup(coach.GetListText(ccName | ccClub | ccTitles | ccPrestige));
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].text, "Coach Alpha");
    EXPECT_EQ(cells[0].control, 0);
    EXPECT_EQ(cells[1].text, "Alpha");
    EXPECT_EQ(cells[2].text, "2 + 1 = 3");
    EXPECT_EQ(cells[3].text, "17");
    coach.isHuman = 1;
    cells = ParseRowMarkup(coach.GetListText(ccName));
    EXPECT_EQ(cells[0].control, kRowBoldOn);
    cells = ParseRowMarkup(coach.GetListText(static_cast<int>(ccName | ccNoHumanMark)));
    EXPECT_EQ(cells[0].control, 0);
    TColumnList header;
    coach.SetupColumns(header, true, ccName | ccPrestige, 0);
    ASSERT_EQ(header.size(), 3u); // the number column, then the two
    EXPECT_EQ(header[1].width, 140);
    EXPECT_EQ(header[2].width, 60);
}
