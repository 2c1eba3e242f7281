// A seeded matchday of the shipped clubs, a league round of the four leagues and a cup round, played
// through the runner: invariants over the event log, the same log from the same seed, and the log of one
// seed compared with the stored one.
#include "headless_matchday.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using headless::PlayHeadlessMatchday;
using headless::TRecordedGame;

namespace {

constexpr std::uint32_t kGoldenSeed = 20021;

bool LeavesTheField(int kind) {
    return kind == gekSendingOff || kind == gekSecondBooking || kind == gekInjury;
}

void CheckGame(const TRecordedGame& g) {
    SCOPED_TRACE("game " + std::to_string(g.number));
    ASSERT_TRUE(g.processed);
    const int lastMinute = g.extraTime ? 120 : 90;
    // Every minute was played with both sides recorded.
    ASSERT_EQ(static_cast<int>(g.onField.size()), lastMinute);

    for (std::size_t s = 0; s < 2; ++s) {
        // The score: goals and penalty goals that stood; the disallowed ones are counted apart.
        int stood = 0, disallowed = 0;
        for (const auto& e : g.events)
            if (e.side == static_cast<int>(s)) {
                if (e.kind == gekGoal || e.kind == gekPenaltyGoal) ++stood;
                if (e.kind == gekGoalDisallowed) ++disallowed;
            }
        EXPECT_EQ(g.goals[s], stood);
        EXPECT_EQ(g.disallowed[s], disallowed);

        // The bench and the substitutions.
        EXPECT_LE(g.benchAtStart[s], 7);
        EXPECT_EQ(g.substitutionsAllowed[s], std::min(3, g.benchAtStart[s]));
        EXPECT_GE(g.lowestBenchCount[s], 0);
        std::set<int> everOn;
        for (const auto& [minute, sides] : g.onField) {
            EXPECT_LE(sides[s].size(), 11u) << "minute " << minute;
            everOn.insert(sides[s].begin(), sides[s].end());
        }
        const std::size_t starters = g.onField.at(1)[s].size();
        EXPECT_LE(everOn.size(), starters + static_cast<std::size_t>(g.substitutionsAllowed[s]));
    }

    for (const auto& e : g.events) {
        SCOPED_TRACE("event at " + std::to_string(e.minute) + " kind " + std::to_string(e.kind));
        ASSERT_GE(e.minute, 1);
        ASSERT_LE(e.minute, lastMinute);
        const auto& field = g.onField.at(e.minute)[static_cast<std::size_t>(e.side)];
        EXPECT_TRUE(field.count(e.playerId)) << "player " << e.playerId << " was not on the field";
        if (!LeavesTheField(e.kind)) continue;
        for (int m = e.minute + 1; m <= lastMinute; ++m) {
            EXPECT_FALSE(g.onField.at(m)[static_cast<std::size_t>(e.side)].count(e.playerId))
                << "player " << e.playerId << " back in minute " << m;
        }
    }

    // A referee is of both clubs' country or of neither.
    if (g.hasReferee) {
        const bool home = g.refereeCountry == g.countries[0];
        const bool away = g.refereeCountry == g.countries[1];
        EXPECT_EQ(home, away) << g.refereeCountry << " for " << g.countries[0] << " v " << g.countries[1];
    }

    // Extra time exactly for a cup tie level after 90 minutes (a goal of minute 90 is never reviewed in
    // minute 91, so the events up to 90 give that score).
    std::array<int, 2> at90{};
    for (const auto& e : g.events)
        if (e.minute <= 90 && (e.kind == gekGoal || e.kind == gekPenaltyGoal))
            ++at90[static_cast<std::size_t>(e.side)];
    EXPECT_EQ(g.extraTime, g.kind == gkCup && at90[0] == at90[1] ? 1 : 0);

    if (g.kind == gkCup) {
        EXPECT_NE(g.eliminated[0], g.eliminated[1]);
        if (g.goals[0] != g.goals[1]) {
            EXPECT_EQ(g.eliminated[1], g.goals[0] > g.goals[1]);
        }
    }
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

} // namespace

TEST(HeadlessMatchday, InvariantsHoldForSeveralSeeds) {
    for (std::uint32_t seed : {kGoldenSeed, 7u, 123456789u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto run = PlayHeadlessMatchday(seed);
        ASSERT_EQ(run.games.size(), 20u + 30u);
        int league = 0, cup = 0;
        for (const TRecordedGame& g : run.games) {
            (g.kind == gkCup ? cup : league) += 1;
            CheckGame(g);
        }
        EXPECT_EQ(league, 20);
        EXPECT_EQ(cup, 30);
    }
}

TEST(HeadlessMatchday, TheSameSeedGivesTheSameLog) {
    const auto first = PlayHeadlessMatchday(99);
    const auto second = PlayHeadlessMatchday(99);
    EXPECT_EQ(first.log, second.log);
    EXPECT_NE(first.log, PlayHeadlessMatchday(100).log);
}

// The stored log of one seed: any change of a match rule or of the order of its draws shows here. When a
// rule changes on purpose, write the new log with KOLBRIN_WRITE_GOLDEN=1 and commit it on its own.
TEST(HeadlessMatchday, GoldenLog) {
    const std::string path = std::string(KOLBRIN_SOURCE_DIR) + "/tests/match/golden/matchday_20021.log";
    const std::string actual = Joined(PlayHeadlessMatchday(kGoldenSeed).log);
    if (std::getenv("KOLBRIN_WRITE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "wrote " << path;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path;
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str());
}
