#include "foundation/kol_random.h"
#include "match/minute_steps.h"
#include "minute_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace matchtest;

namespace {

// Behaviour, scoring weight and injury proneness spread over the squad, as the team files give them.
void GiveHiddenNumbers(TTeam& club) {
    int i = 0;
    for (TPlayer* p : club.players) {
        p->attr->SetBehaviour(static_cast<std::uint8_t>(i % 6));
        p->scoringWeight = static_cast<std::int16_t>(i * 7 % 10);
        p->injuryProneness = static_cast<std::int16_t>(i * 5 % 11);
        ++i;
    }
}

} // namespace

// Many seeded games of 90 minutes: each score is its goal events minus nothing else (a disallowed goal
// changes its event's kind), nobody named by an event is off the field before it, a player sent off or
// injured never plays again, nobody has more than one event a minute except a goal reviewed the minute
// after, and no club drops below six on the field.
TEST(MinuteScenario, SeededGamesKeepTheirInvariants) {
    int goals = 0, disallowed = 0, cards = 0, offs = 0, injuries = 0, penalties = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        MatchWorld w;
        TTeam& home = w.Club("Home", 11, 5, 10 + static_cast<int>(seed % 60));
        TTeam& away = w.Club("Away", 11, 5, 10 + static_cast<int>(seed * 7 % 60));
        GiveHiddenNumbers(home);
        GiveHiddenNumbers(away);
        TGame& game = w.Game(home, away);
        game.homeFavour = static_cast<std::int16_t>(seed % 12);
        game.awayFavour = static_cast<std::int16_t>(seed % 9);
        SetRandSeed(seed);
        std::set<std::int16_t> gone;
        for (int m = 1; m <= 90; ++m) {
            const int before = game.events.Count();
            PlayGameMinute(game, m);
            ASSERT_LE(game.events.Count(), before + 1);
            for (int e = before; e < game.events.Count(); ++e) {
                const TGameEvent& ev = *game.events[e];
                ASSERT_EQ(ev.minute, m);
                EXPECT_EQ(gone.count(ev.playerId), 0u) << "seed " << seed << " minute " << m;
                if (ev.eventKind == gekSendingOff || ev.eventKind == gekSecondBooking ||
                    ev.eventKind == gekInjury)
                    gone.insert(ev.playerId);
            }
            for (const TTeam* club : {&home, &away}) {
                ASSERT_GE(OnField(*club), 6);
                for (const TPlayer* p : club->players) {
                    if (gone.count(p->id) != 0) {
                        ASSERT_NE(p->matchState.lineupRole, 1) << "seed " << seed;
                    }
                }
            }
        }
        int score[2] = {0, 0};
        for (const TGameEvent* ev : game.events) {
            if (ev->eventKind == gekGoal || ev->eventKind == gekPenaltyGoal) ++score[ev->side];
            goals += ev->eventKind == gekGoal || ev->eventKind == gekPenaltyGoal;
            penalties += ev->eventKind == gekPenaltyGoal;
            disallowed += ev->eventKind == gekGoalDisallowed;
            cards += ev->eventKind == gekBooking;
            offs += ev->eventKind == gekSendingOff || ev->eventKind == gekSecondBooking;
            injuries += ev->eventKind == gekInjury;
        }
        EXPECT_EQ(home.match.matchGoals, score[0]) << seed;
        EXPECT_EQ(away.match.matchGoals, score[1]) << seed;
    }
    // Every kind of event happens in 300 games.
    EXPECT_GT(goals, 0);
    EXPECT_GT(penalties, 0);
    EXPECT_GT(disallowed, 0);
    EXPECT_GT(cards, 0);
    EXPECT_GT(offs, 0);
    EXPECT_GT(injuries, 0);
}
