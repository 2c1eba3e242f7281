// The events of a game as the substitution dialog lists them: the running score counts only the goals
// that stood, each kind has its words, names are cut to 20 characters.
#include "../world/labels_fixture.h"
#include "../world/world_fixture.h"

#include "match/event_lines.h"

#include <gtest/gtest.h>

using namespace worldtest;

namespace {

// One event of every kind, both sides, in the order of the minutes.
struct TEveryKind {
    TestLabels labels{{{183, "(pen.)"},
                       {184, "off"},
                       {185, "yellow"},
                       {186, "2nd yellow"},
                       {187, "hurt"},
                       {188, "No goal: %s %d'"}}};
    TWorld world;
    TTeam& home = MakeClub(world, "Home");
    TTeam& away = MakeClub(world, "Away");
    TGame game{world, gkLeague, 0, 0, 0, 1.0L, "", &away, &home};

    TEveryKind() {
        TPlayer& h = AddPlayer(home, 3, 40, 25);
        h.attr->SetName("Homer");
        TPlayer& a = AddPlayer(away, 2, 40, 25);
        a.attr->SetName("Awayman Withalongname");
        const auto add = [this](int side, int minute, int kind, const TPlayer& p) {
            game.events.Add(new TGameEvent(static_cast<std::int16_t>(side), static_cast<std::int16_t>(minute),
                                           static_cast<std::int16_t>(kind), p.id, 0));
        };
        add(0, 3, gekGoalDisallowed, h);
        add(1, 10, gekGoal, a);
        add(0, 12, gekPenaltyGoal, h);
        add(0, 20, gekBooking, h);
        add(1, 30, gekSendingOff, a);
        add(0, 40, gekSecondBooking, h);
        add(1, 50, gekInjury, a);
        add(1, 60, gekGoal, a);
    }
};

} // namespace

TEST(EventLines, EveryKindInOrderWithTheRunningScore) {
    TEveryKind e;
    const std::vector<std::string> expected = {
        "No goal: Homer 3'",
        "0:1 Awayman Withalongnam 10'",
        "1:1 Homer 12' (pen.)",
        "Homer - yellow 20'",
        "Awayman Withalongnam off 30'",
        "Homer - 2nd yellow 40'",
        "Awayman Withalongnam hurt 50'",
        "1:2 Awayman Withalongnam 60'",
    };
    EXPECT_EQ(EventLines(e.game), expected);
}

TEST(EventLines, TheFilterLeavesOutRedCardsOrInjuriesNeverAGoal) {
    TEveryKind e;
    const std::vector<std::string> noRedCards = {
        "No goal: Homer 3'",  "0:1 Awayman Withalongnam 10'",  "1:1 Homer 12' (pen.)",
        "Homer - yellow 20'", "Awayman Withalongnam hurt 50'", "1:2 Awayman Withalongnam 60'",
    };
    EXPECT_EQ(EventLines(e.game, {.redCards = false, .injuries = true}), noRedCards);
    const std::vector<std::string> noInjuries = {
        "No goal: Homer 3'",
        "0:1 Awayman Withalongnam 10'",
        "1:1 Homer 12' (pen.)",
        "Homer - yellow 20'",
        "Awayman Withalongnam off 30'",
        "Homer - 2nd yellow 40'",
        "1:2 Awayman Withalongnam 60'",
    };
    EXPECT_EQ(EventLines(e.game, {.redCards = true, .injuries = false}), noInjuries);
    EXPECT_EQ(EventLines(e.game, {.redCards = false, .injuries = false}).size(), 5u);
}
