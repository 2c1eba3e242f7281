#include "foundation/kol_random.h"
#include "match/auto_substitute.h"
#include "match/cards_and_injuries.h"
#include "match/minute_steps.h"
#include "match/penalty_kick.h"
#include "match/scoring.h"
#include "match/weighted_pick.h"
#include "minute_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

using namespace matchtest;

namespace {

void SetLines(TTeam& club, std::uint16_t gk, std::uint16_t df, std::uint16_t mf, std::uint16_t fw) {
    club.match.lineStrength = {gk, df, mf, fw};
}

std::vector<std::string> Tags(const std::vector<TDrawRecord>& draws) {
    std::vector<std::string> tags;
    for (const TDrawRecord& d : draws) tags.emplace_back(d.tag);
    return tags;
}

// Draws made by `call`, by tag.
template <class Call> std::vector<std::string> TagsOf(Call call) {
    std::vector<TDrawRecord> draws;
    StartDrawLog(draws);
    call();
    StopDrawLog();
    return Tags(draws);
}

} // namespace

TEST(TryToScore, ChanceThresholdFromBothClubsLines) {
    MatchWorld w;
    TTeam& a = w.Club("A");
    TTeam& b = w.Club("B");
    SetLines(a, 20, 80, 90, 45);
    SetLines(b, 22, 85, 70, 40);
    // A against B: a = 81, 171, 216 and b = 41, 111, 262 (111 + 85 + 3 x 22);
    // X = 81/123 + 2 x 171/283 + 216/479 = 2.3179566; Attack (45 + 5 + 45 + 1) x 4 = 384, Defence
    // 66 + 5 + 85 + 35 + 1 = 192; P = 2 X ln 3 = 5.0930712.
    EXPECT_NEAR(static_cast<double>(ScoringThreshold(a, b)), 5.093071228163309, 1e-12);
    // B against A: a = 86, 156, 196 and b = 46, 136, 276 (136 + 80 + 60); X = 2.1258393; Attack 324,
    // Defence 191; P = 2 X ln(324 / 191 + 1) = 4.2172122.
    EXPECT_NEAR(static_cast<double>(ScoringThreshold(b, a)), 4.217212209522275, 1e-12);
}

TEST(TryToScore, DisallowedGoalsCountInG) {
    MatchWorld w;
    TTeam& a = w.Club("A");
    TTeam& b = w.Club("B");
    for (TPlayer* p : a.players) p->scoringWeight = 5;
    SetLines(a, 20, 80, 90, 45);
    SetLines(b, 22, 85, 70, 40);
    // P = 5.093: Random(180) = 2 is a chance for G = 3 (2 < 2.093) but not for G = 4 (2 < 1.093 fails);
    // the second test Random(360) must not be 0 then.
    const std::uint32_t seed = FindSeed([](TLcg& l) { return l.Next(180) == 2 && l.Next(360) != 0; });
    a.match.matchGoals = 3;
    a.match.disallowedGoals = 1;
    SetRandSeed(seed);
    EXPECT_EQ(TryToScore(a, 90, b, 0), nullptr);
    TLcg twoDraws{seed};
    twoDraws.Next(1);
    twoDraws.Next(1);
    EXPECT_EQ(RandSeed(), twoDraws.state);

    a.match.disallowedGoals = 0;
    SetRandSeed(seed);
    EXPECT_NE(TryToScore(a, 90, b, 0), nullptr); // then Random(30) < 90 and a scorer drawn
}

TEST(TryToScore, AwaySideDrawsFromItsOwnRangesAndEarlyChancesConvertLess) {
    MatchWorld w;
    TTeam& a = w.Club("A");
    TTeam& b = w.Club("B");
    for (TPlayer* p : a.players) p->scoringWeight = 5;
    SetLines(a, 20, 80, 90, 45);
    SetLines(b, 22, 85, 70, 40);
    // Away: Random(240) < 5.09 with a draw of 5 is a chance (5 < 5.09); at home Random(180) of the same
    // state is 3 or 4. Then Random(30) = 20 converts only from minute 21.
    const std::uint32_t seed = FindSeed([](TLcg& l) { return l.Next(240) == 5 && l.Next(30) == 20; });
    SetRandSeed(seed);
    EXPECT_EQ(TryToScore(a, 20, b, 1), nullptr);
    SetRandSeed(seed);
    EXPECT_NE(TryToScore(a, 21, b, 1), nullptr);
    // A draw of 6 is no chance; the second test is Random(540) = 0.
    const std::uint32_t lucky = FindSeed([](TLcg& l) { return l.Next(240) == 6 && l.Next(540) == 0; });
    SetRandSeed(lucky);
    EXPECT_EQ(TagsOf([&] { TryToScore(a, 90, b, 1); }),
              (std::vector<std::string>{"chanceAway", "luckyAway", "convert", "pickPlayer"}));
}

TEST(PickWeightedPlayer, TotalOverEveryoneWalkOverThoseOnTheField) {
    MatchWorld w;
    TTeam& club = w.Club("A", 0);
    TPlayer& first = worldtest::AddPlayer(club, 1, 10, 25);
    TPlayer& bench = worldtest::AddPlayer(club, 1, 30, 25);
    TPlayer& second = worldtest::AddPlayer(club, 1, 20, 25);
    first.matchState.lineupRole = 1;
    bench.matchState.lineupRole = 2;
    second.matchState.lineupRole = 1;
    // Weights by level: total 60; the walk adds 10, then 20 (the bench player is skipped): a draw of 0..9
    // picks the first, 10..29 the second, 30..59 nobody.
    for (auto [draw, expected] :
         {std::pair<int, TPlayer*>{9, &first}, {10, &second}, {29, &second}, {30, nullptr}, {59, nullptr}}) {
        const int wanted = draw;
        SetRandSeed(FindSeed([wanted](TLcg& l) { return l.Next(60) == wanted; }));
        EXPECT_EQ(PickWeightedPlayer(club.players, wkLevel, true), expected) << draw;
    }
    // Without the on-field rule the bench player counts in the walk: 10..39 picks him.
    SetRandSeed(FindSeed([](TLcg& l) { return l.Next(60) == 35; }));
    EXPECT_EQ(PickWeightedPlayer(club.players, wkLevel, false), &bench);
}

TEST(PickWeightedPlayer, TheFourWeights) {
    MatchWorld w;
    TPlayer& p = worldtest::MakePlayer(w.world, 3, 10, 25);
    p.scoringWeight = 2;
    p.injuryProneness = 7;
    p.attr->SetBehaviour(4);
    EXPECT_EQ(PlayerWeight(p, wkLevel), 10);
    EXPECT_EQ(PlayerWeight(p, wkScorer), 10 * 9 * 2);
    EXPECT_EQ(PlayerWeight(p, wkCards), 4);
    EXPECT_EQ(PlayerWeight(p, wkInjury), 7);
    p.attr->SetPosition(2);
    EXPECT_EQ(PlayerWeight(p, wkScorer), 10 * 4 * 2);
    p.attr->SetPosition(0);
    EXPECT_EQ(PlayerWeight(p, wkScorer), 0);
}

TEST(ReviewLastGoal, OnlyAnOpenPlayGoalOfTheMinuteBeforeAgainstTheFavour) {
    // Random(30) = 5: disallowed when the favour is below 5.
    const std::uint32_t five = FindSeed([](TLcg& l) { return l.Next(30) == 5; });
    const std::uint32_t ten = FindSeed([](TLcg& l) { return l.Next(30) == 10; });
    struct Case {
        std::uint32_t seed;
        int side, kind, goalMinute, favour;
        bool disallowed;
    };
    const Case cases[] = {
        {five, 0, gekGoal, 60, 4, true},         {five, 0, gekGoal, 60, 5, false},
        {five, 1, gekGoal, 60, 4, true},         {five, 1, gekGoal, 60, 5, false},
        {five, 0, gekPenaltyGoal, 60, 0, false}, {five, 0, gekGoal, 59, 0, false},
        {ten, 0, gekGoal, 60, 0, false},
    };
    for (const Case& c : cases) {
        MatchWorld w;
        TTeam& home = w.Club("Home");
        TTeam& away = w.Club("Away");
        TGame& game = w.Game(home, away);
        TTeam& scoring = c.side == 0 ? home : away;
        TPlayer* scorer = scoring.players[9];
        scoring.match.matchGoals = 2;
        scorer->matchState.goalsThisMatch = 1;
        scorer->season.runningGoals = 4;
        scorer->career.goals = 30;
        (c.side == 0 ? game.homeFavour : game.awayFavour) = static_cast<std::int16_t>(c.favour);
        // The other side's favour must not matter.
        (c.side == 0 ? game.awayFavour : game.homeFavour) = 20;
        game.events.Add(new TGameEvent(static_cast<std::int16_t>(c.side),
                                       static_cast<std::int16_t>(c.goalMinute),
                                       static_cast<std::int16_t>(c.kind), scorer->id, 3));
        SetRandSeed(c.seed);
        EXPECT_EQ(ReviewLastGoal(game, 61), c.disallowed);
        const int off = c.disallowed ? 1 : 0;
        EXPECT_EQ(game.events[0]->eventKind, c.disallowed ? gekGoalDisallowed : c.kind);
        EXPECT_EQ(scoring.match.matchGoals, 2 - off);
        EXPECT_EQ(scoring.match.disallowedGoals, off);
        EXPECT_EQ(scorer->matchState.goalsThisMatch, 1 - off);
        EXPECT_EQ(scorer->season.runningGoals, 4 - off);
        EXPECT_EQ(scorer->career.goals, 30 - off);
    }
}

TEST(MinuteOrder, NoReviewInTheFirstMinuteOfTheSecondHalfOrOfExtraTime) {
    MatchWorld w;
    // All weights 0: no goal, card or injury can find a player, so every step of the minute is reached.
    TTeam& home = w.Club("Home");
    TTeam& away = w.Club("Away");
    TGame& game = w.Game(home, away);
    game.events.Add(new TGameEvent(0, 45, gekGoal, home.players[5]->id, 1));
    for (auto [minute, reviewed] : {std::pair{46, false}, {47, true}, {91, false}, {92, true}}) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            SetRandSeed(seed);
            const auto tags = TagsOf([&] { EXPECT_FALSE(PlayGameMinute(game, minute)); });
            ASSERT_GE(tags.size(), 2u);
            EXPECT_EQ(tags.front(), "penaltyHome");
            EXPECT_EQ(std::count(tags.begin(), tags.end(), "review"), reviewed ? 1 : 0) << minute;
            // The wear comes last, home then away, whatever happened.
            EXPECT_EQ(tags[tags.size() - 2], "wear");
            EXPECT_EQ(tags.back(), "wear");
        }
    }
    EXPECT_EQ(game.events[0]->eventKind, gekGoal);
}

TEST(BookPlayer, ASecondYellowSendsOffOnlyOnRandomTwoZeroAndWithSevenOnTheField) {
    for (auto [secondDraw, onField, sentOff] :
         {std::tuple{0, 11, true}, {1, 11, false}, {0, 7, true}, {0, 6, false}}) {
        MatchWorld w;
        TTeam& club = w.Club("A", onField);
        TPlayer* player = club.players[3];
        player->attr->SetBehaviour(3); // the only weight: every pick is him
        player->matchState.bookedThisMatch = 1;
        player->suspendedGames = 1;
        player->form = 4;
        const int wanted = secondDraw;
        const std::uint32_t seed = FindSeed([wanted](TLcg& l) {
            l.Next(3);
            return l.Next(2) == wanted;
        });
        TLcg oracle{seed};
        oracle.Next(3);
        oracle.Next(2);
        const int extra = oracle.Next(4) + 2;
        SetRandSeed(seed);
        TPlayer* booked = BookPlayer(club);
        EXPECT_EQ(booked == player, sentOff) << secondDraw << " " << onField;
        EXPECT_EQ(player->matchState.lineupRole, sentOff ? 0 : 1);
        EXPECT_EQ(player->suspendedGames, sentOff ? 1 + extra : 1);
        EXPECT_EQ(player->career.redCards, sentOff ? 1 : 0);
        EXPECT_EQ(player->form, sentOff ? 0 : 4);
        EXPECT_EQ(player->career.yellowCards, 0); // the second card is no yellow card of the record
    }
}

TEST(BookPlayer, FirstYellowAndEveryThirdCardPoint) {
    for (auto [points, suspended] : {std::pair{1, 0}, {2, 2}, {4, 0}, {5, 2}}) {
        MatchWorld w;
        TTeam& club = w.Club("A");
        TPlayer* player = club.players[2];
        player->attr->SetBehaviour(1);
        player->season.cardPoints = points;
        player->form = 0;
        SetRandSeed(99);
        EXPECT_EQ(BookPlayer(club), player);
        EXPECT_EQ(player->matchState.bookedThisMatch, 1);
        EXPECT_EQ(player->career.yellowCards, 1);
        EXPECT_EQ(player->season.cardPoints, points + 1);
        EXPECT_EQ(player->suspendedGames, suspended) << points;
        EXPECT_EQ(player->form, 0); // not below 0
        EXPECT_EQ(player->matchState.lineupRole, 1);
    }
}

TEST(BookPlayer, BehaviourZeroIsNeverBookedOrSentOff) {
    MatchWorld w;
    TTeam& club = w.Club("A", 11, 1);
    // Only the bench player has a behaviour: the total is 5, the players on the field add nothing.
    club.players[11]->attr->SetBehaviour(5);
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SetRandSeed(seed);
        ASSERT_EQ(BookPlayer(club), nullptr);
        ASSERT_EQ(SendOffPlayer(club), nullptr);
    }
}

TEST(CardsAndInjuries, AClubOnSixPlayersLosesNobodyMore) {
    for (int onField : {6, 7}) {
        MatchWorld w;
        TTeam& club = w.Club("A", onField);
        for (TPlayer* p : club.players) {
            p->attr->SetBehaviour(2);
            p->injuryProneness = 3;
        }
        SetRandSeed(7);
        EXPECT_EQ(SendOffPlayer(club) != nullptr, onField == 7);
        EXPECT_EQ(RandSeed() == 7u, onField == 6); // on six: not even a draw
        MatchWorld v;
        TTeam& other = v.Club("B", onField);
        for (TPlayer* p : other.players) p->injuryProneness = 3;
        SetRandSeed(7);
        EXPECT_EQ(InjurePlayer(other) != nullptr, onField == 7);
    }
}

TEST(InjurePlayer, ShortInjuriesTenLevelsAndNoForm) {
    MatchWorld w;
    TTeam& club = w.Club("A", 11, 0, 15);
    TPlayer* player = club.players[4];
    player->injuryProneness = 2;
    player->form = 5;
    const std::uint32_t seed = FindSeed([](TLcg& l) {
        l.Next(2);
        return l.Next(20) == 7;
    });
    TLcg oracle{seed};
    oracle.Next(2);
    oracle.Next(20);
    const int games = oracle.Next(7) + 1;
    SetRandSeed(seed);
    EXPECT_EQ(InjurePlayer(club), player);
    EXPECT_EQ(player->injuredGames, games);
    EXPECT_EQ(player->level(), 5);
    EXPECT_EQ(player->form, 0);
    EXPECT_EQ(player->career.injuriesCount, 1);
    EXPECT_EQ(player->matchState.lineupRole, 0);
    // A level of 8 falls to 1, not below.
    TPlayer* weak = club.players[5];
    weak->injuryProneness = 2;
    player->injuryProneness = 0;
    weak->SetLevel(8);
    SetRandSeed(seed);
    EXPECT_EQ(InjurePlayer(club), weak);
    EXPECT_EQ(weak->level(), 1);
}

TEST(AutoSubstitute, AGoalkeeperSentOffIsReplacedAtTheCostOfTheLastOutfieldPlayer) {
    MatchWorld w;
    TTeam& club = w.Club("A", 11, 3); // bench: goalkeeper, defender, midfielder
    TPlayer* keeper = club.players[0];
    TPlayer* benchKeeper = club.players[11];
    TPlayer* lastOnField = club.players[10];
    keeper->matchState.lineupRole = 0;
    EXPECT_TRUE(AutoSubstitute(club, srKeeperSentOff, *keeper));
    EXPECT_EQ(benchKeeper->matchState.lineupRole, 1);
    EXPECT_EQ(benchKeeper->career.appearances, 1);
    EXPECT_EQ(lastOnField->matchState.lineupRole, 0);
    EXPECT_EQ(club.match.benchCount, 2);
    EXPECT_EQ(OnField(club), 10);
    EXPECT_EQ(club.match.lineStrength[0], benchKeeper->selectionScore);
    // An outfield player sent off is not replaced; nor is anyone once no substitution is left.
    EXPECT_FALSE(AutoSubstitute(club, srKeeperSentOff, *club.players[3]));
    club.match.benchCount = 0;
    EXPECT_FALSE(AutoSubstitute(club, srInjury, *club.players[3]));

    // The first entry of the squad list never makes room, even as the last one on the field.
    MatchWorld v;
    TTeam& few = v.Club("B", 0);
    TPlayer& first = worldtest::AddPlayer(few, 1, 20, 25);
    TPlayer& sentOff = worldtest::AddPlayer(few, 0, 20, 25);
    TPlayer& spare = worldtest::AddPlayer(few, 0, 20, 25);
    first.matchState.lineupRole = 1;
    spare.matchState.lineupRole = 2;
    few.match.benchCount = 1;
    EXPECT_TRUE(AutoSubstitute(few, srKeeperSentOff, sentOff));
    EXPECT_EQ(first.matchState.lineupRole, 1);
    EXPECT_EQ(spare.matchState.lineupRole, 1);
}

TEST(AutoSubstitute, AnInjuredPlayerIsReplacedByTheFirstBenchPlayerOfHisKind) {
    MatchWorld w;
    TTeam& club = w.Club("A", 11, 3);
    TPlayer* injured = club.players[4];
    injured->matchState.lineupRole = 0;
    EXPECT_TRUE(AutoSubstitute(club, srInjury, *injured));
    EXPECT_EQ(club.players[12]->matchState.lineupRole, 1); // the first outfield bench player
    EXPECT_EQ(club.players[11]->matchState.lineupRole, 2); // the goalkeeper stays
    // An injured goalkeeper: the bench goalkeeper.
    club.players[0]->matchState.lineupRole = 0;
    EXPECT_TRUE(AutoSubstitute(club, srInjury, *club.players[0]));
    EXPECT_EQ(club.players[11]->matchState.lineupRole, 1);
    // No goalkeeper left on the bench: the club stays short.
    club.players[11]->matchState.lineupRole = 0;
    EXPECT_FALSE(AutoSubstitute(club, srInjury, *club.players[11]));
}

TEST(MinuteWear, OnePlayerOfEachSquadHomeFirst) {
    MatchWorld w;
    TTeam& home = w.Club("Home", 11, 3);
    TTeam& away = w.Club("Away", 11, 0);
    worldtest::AddPlayer(home, 2, 20, 25); // not selected: rests like the bench
    TGame& game = w.Game(home, away);
    SetRandSeed(4242);
    TLcg oracle{4242};
    for (int minute = 0; minute < 40; ++minute) {
        const int h = oracle.Next(15);
        const int a = oracle.Next(11);
        const int hBefore = home.players[h]->matchState.wearCounter;
        const int aBefore = away.players[a]->matchState.wearCounter;
        MinuteWear(game);
        EXPECT_EQ(home.players[h]->matchState.wearCounter, hBefore + (h < 11 ? -1 : 1));
        EXPECT_EQ(away.players[a]->matchState.wearCounter, aBefore - 1);
    }
}

TEST(InPlayPenalty, TheHumanCoachsTakerIsTheOnlyDifference) {
    MatchWorld w;
    TTeam& home = w.Club("Home", 11, 1, 30);
    TTeam& away = w.Club("Away", 11, 0, 30);
    home.players[9]->scoringWeight = 9; // the strongest taker: FW 30 x 4 x 1.9 / 6 = 38
    TGame& game = w.Game(home, away);
    SetRandSeed(31);
    const TPenaltyOutcome computer = InPlayPenalty(game, home, away);
    EXPECT_EQ(computer.taker, home.players[9]);
    const std::uint32_t afterComputer = RandSeed();

    TScriptedUserPort port;
    w.world.SetPort(port);
    w.MakeHuman(home);
    TPlayer* chosen = home.players[2];
    port.PenaltyTakerHook = [&](TGame&, TTeam&) { return chosen; };
    SetRandSeed(31);
    const TPenaltyOutcome human = InPlayPenalty(game, home, away);
    EXPECT_EQ(human.taker, chosen);
    EXPECT_EQ(RandSeed(), afterComputer); // the same three draws
    // Shown with its result, with a beep.
    EXPECT_EQ(port.Calls.back(), "ShowPenaltyKick " + std::to_string(home.id) + " " +
                                     std::to_string(chosen->id) + " " + std::to_string(human.result));
    // A bench player picked by mistake does not shoot: the rules pick.
    port.PenaltyTakerHook = [&](TGame&, TTeam&) { return home.players[11]; };
    EXPECT_EQ(InPlayPenalty(game, home, away).taker, home.players[9]);
}

TEST(PlayMinuteGoals, PenaltiesDrawBeforeTheAttacksAndAMissLeavesThemOpen) {
    int scored = 0, missed = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        MatchWorld w;
        TTeam& home = w.Club("Home", 11, 0, 30);
        TTeam& away = w.Club("Away", 11, 0, 30);
        TGame& game = w.Game(home, away);
        // A favour of 6000 gives the home side a penalty every minute; an away favour of 0 never gives one
        // (Random(7000) < 0 is impossible), though the number is drawn.
        game.homeFavour = 6000;
        game.awayFavour = 0;
        SetRandSeed(seed);
        const auto tags = TagsOf([&] { PlayMinuteGoals(game, 60); });
        ASSERT_GE(tags.size(), 5u);
        EXPECT_EQ(std::vector<std::string>(tags.begin(), tags.begin() + 5),
                  (std::vector<std::string>{"penaltyHome", "penalty", "penalty", "penalty", "penaltyAway"}));
        const bool penaltyGoal = game.events.Count() == 1 && game.events[0]->eventKind == gekPenaltyGoal;
        if (penaltyGoal) {
            ++scored;
            EXPECT_EQ(home.match.matchGoals, 1);
            EXPECT_EQ(std::count(tags.begin(), tags.end(), "chanceHome"), 0);
        } else {
            ++missed;
            // The open play goes on after the miss.
            ASSERT_GE(tags.size(), 6u);
            EXPECT_EQ(tags[5], "chanceHome");
        }
    }
    EXPECT_GT(scored, 0);
    EXPECT_GT(missed, 0);
}
