// The headless career: a seeded season of the shipped clubs sums up the same twice, its figures agree with
// the world they come from, and bad options end the run with one line.
#include "shipped_career.h"

#include "datafiles/countries.h"
#include "foundation/kol_random.h"
#include "match/substitutions.h"
#include "season/headless_run.h"
#include "season/new_world.h"
#include "season/season_report.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using seasontest::kGameDir;

std::string WithoutTimes(const std::string& text) {
    return std::regex_replace(text, std::regex("(Time taken: |\"seconds\": )[0-9.]+"), "$1-");
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(SeasonReport, ASeededHeadlessSeasonReportsTheSameTwice) {
    const std::string json =
        (std::filesystem::temp_directory_path() / ("kolbrin_report_" + std::to_string(getpid()) + ".json"))
            .string();
    std::vector<std::string> texts, reports;
    for (int run = 0; run < 2; ++run) {
        std::ostringstream out, err;
        const int rc = RunHeadless(
            {"--headless", "--seed", "7", "--humans", "1", "--data-dir", kGameDir, "--report", json},
            kGameDir, out, err);
        ASSERT_EQ(rc, 0) << err.str();
        EXPECT_EQ(err.str(), "");
        texts.push_back(WithoutTimes(out.str()));
        reports.push_back(WithoutTimes(ReadFile(json)));
    }
    EXPECT_EQ(texts[0], texts[1]);
    EXPECT_EQ(reports[0], reports[1]);
    EXPECT_NE(texts[0].find("Season 2002\n  Champion of league 1: "), std::string::npos) << texts[0];
    EXPECT_NE(reports[0].find("\"season\": 2002"), std::string::npos) << reports[0];
    std::filesystem::remove(json);
}

// The stored summary of three seasons of one seeded career with a human coach on autopilot: any change of a
// rule of the career, of the order of its draws or of the headless seeding shows here. When a rule changes
// on purpose, write the new summary with KOLBRIN_WRITE_GOLDEN=1 and commit it on its own, saying which.
TEST(SeasonReport, GoldenThreeSeasons) {
    const std::string path =
        std::string(KOLBRIN_SOURCE_DIR) + "/tests/season/golden/career_2002_3_seasons.txt";
    std::ostringstream out, err;
    ASSERT_EQ(RunHeadless(
                  {"--headless", "--seed", "2002", "--seasons", "3", "--humans", "1", "--data-dir", kGameDir},
                  kGameDir, out, err),
              0)
        << err.str();
    const std::string actual = WithoutTimes(out.str());
    if (std::getenv("KOLBRIN_WRITE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "wrote " << path;
    }
    const std::string expected = ReadFile(path);
    ASSERT_FALSE(expected.empty()) << "missing " << path;
    EXPECT_EQ(actual, expected);
}

TEST(SeasonReport, TheFiguresOfASeasonAgreeWithTheWorld) {
    TWorld world;
    seasontest::BuildShippedCareer(world, 11);
    ASSERT_EQ(world.AllTeams.Count(), 256);
    THeadlessPort port(world);
    InstallSubstitutionAutopilot(port);
    world.SetPort(port);
    CreateStartEvents(world);
    TSeasonSteps steps = DefaultSeasonSteps();
    steps.saveGame = [](TWorld&) { return true; };
    TSeasonReport report;
    port.BeginSeason();
    ASSERT_EQ(world.LastTransfersList.Count(), 0);
    PlaySeason(world, SeasonReportSteps(steps, port, report));

    EXPECT_EQ(report.year, 2002);
    // Four leagues of ten: 5 games a round for 18 rounds each; the cup of 256 clubs: 255 ties to one winner.
    EXPECT_EQ(report.leagueGames, 4 * 5 * 18);
    EXPECT_EQ(report.gamesWithCrowd, 4 * 5 * 18 + 255);
    // The tables still hold the season after the end of season moved the clubs (pool clubs played none).
    std::int64_t goals = 0, played = 0;
    for (const TTeam* team : world.AllTeams) {
        goals += team->season.goalsFor;
        played += team->season.played;
    }
    EXPECT_EQ(report.leagueGoals, goals);
    EXPECT_EQ(report.leagueGames * 2, played);
    EXPECT_DOUBLE_EQ(report.GoalsPerGame(), static_cast<double>(goals) / (static_cast<double>(played) / 2));
    EXPECT_GT(report.AverageAttendance(), 0);
    // The champion read from the table is the one the end of season crowned.
    ASSERT_EQ(report.champions.size(), 4u);
    ASSERT_EQ(world.LastWinnersList.Count(), 1);
    EXPECT_EQ(report.champions[0].club, world.TeamById(world.LastWinnersList.Last()->championId)->Name());
    EXPECT_FALSE(report.cupWinner.club.empty());
    // Every transfer of the season is counted once with its money: what the sellers booked as sales and
    // the buyers as purchases.
    std::int64_t sales = 0, purchases = 0;
    for (const TTeam* team : world.AllTeams) {
        sales += team->season.financeTotals[static_cast<std::size_t>(FinanceSlot(fcSales))];
        purchases += team->season.financeTotals[static_cast<std::size_t>(FinanceSlot(fcPurchases))];
    }
    EXPECT_GT(report.transfers, TWorld::kLastTransfersLimit);
    EXPECT_EQ(report.transferMoney, sales) << purchases;
    int topGoals = 0;
    for (const TPlayer* p : world.AllPlayers) topGoals = std::max(topGoals, p->season.runningGoals);
    EXPECT_EQ(report.topScorerGoals, topGoals);
    EXPECT_GT(report.yellowCards, 0);
    ResetCountries();
}

// --stop-before-round R, then --load: the game saved at the person's first club screen of round R and loaded
// again reaches the same end of season as the run that never stopped (the same game file but for the time
// of saving in its description, the same champions, scorer and money), for a stop in round 1, in an
// autosave round followed by a cup round, and in a round that saves nothing by itself. And the game saved
// at the end of a season plays the next one as the run that went on.
TEST(SeasonReport, AGameStoppedInARoundAndLoadedEndsAsTheRunThatNeverStopped) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kolbrin_stop_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "--headless");
        args.insert(args.end(), {"--data-dir", kGameDir});
        std::ostringstream out, err;
        EXPECT_EQ(RunHeadless(args, kGameDir, out, err), 0) << err.str();
        return out.str();
    };
    // The file without its description, which holds the time of saving.
    const auto game = [](const std::string& path) {
        const std::string bytes = ReadFile(path);
        return bytes.empty() ? bytes : bytes.substr(1 + static_cast<unsigned char>(bytes[0]));
    };
    // The lines that sum up a whole season, not the part of it a resumed run counted.
    const auto titles = [](const std::string& text) {
        std::string kept;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            for (const char* title : {"Champion of", "Cup winner", "Top scorer", "Money of all"})
                if (line.find(title) != std::string::npos) kept += line + "\n";
        return kept;
    };
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const std::string one = path("one.kbg"), two = path("two.kbg"), stop = path("stop.kbg"),
                      resumed = path("resumed.kbg");
    const std::string oneText = run({"--seed", "7", "--humans", "1", "--save", one});
    const std::string twoText = run({"--seed", "7", "--humans", "1", "--seasons", "2", "--save", two});
    ASSERT_EQ(titles(twoText).rfind(titles(oneText), 0), 0u) << twoText; // the first of two seasons
    for (const int round : {1, 6, 11}) {
        SCOPED_TRACE("stopped in round " + std::to_string(round));
        const std::string r = std::to_string(round);
        EXPECT_EQ(run({"--seed", "7", "--humans", "1", "--stop-before-round", r, "--save", stop}),
                  "Stopped before round " + r + ": saved to " + stop + "\n");
        const std::string text = run({"--load", stop, "--save", resumed});
        EXPECT_EQ(titles(text), titles(oneText));
        EXPECT_TRUE(game(resumed) == game(one));
    }
    // The second season from the game saved at the end of the first, whatever the generator held before.
    SetRandSeed(99);
    const std::string second = run({"--load", one, "--save", resumed});
    EXPECT_EQ(titles(oneText) + titles(second), titles(twoText));
    EXPECT_TRUE(game(resumed) == game(two));
    EXPECT_GT(game(two).size(), 100000u);
    std::filesystem::remove_all(dir);
}

TEST(SeasonReport, ABadOptionOrFileEndsTheRunWithOneLine) {
    const std::vector<std::vector<std::string>> cases = {
        {"--headless"},                                      // no seed
        {"--headless", "--seed", "x7"},                      // not a number
        {"--headless", "--seed", "7", "--seasons", "0"},     // out of range
        {"--headless", "--seed", "7", "--humans", "7"},      // more than six
        {"--headless", "--seed", "7", "--frobnicate"},       // unknown
        {"--headless", "--seed", "7", "--save"},             // value missing
        {"--headless", "--seed", "7", "--countries", "ZZZ"}, // no such country
        {"--headless", "--load", kGameDir + "/no-such-game.kbg"},
        {"--headless", "--load", kGameDir + "/referee.txe"}, // not a saved game
        {"--headless", "--seed", "7", "--load",
         kGameDir + "/referee.txe"}, // the file's generator, not a seed
        {"--headless", "--seed", "7", "--data-dir", kGameDir + "/no-such-folder"},
        {"--headless", "--seed", "7", "--humans", "1", "--stop-before-round", "5"}, // nowhere to save
        {"--headless", "--seed", "7", "--humans", "1", "--stop-before-round", "19", "--save", "/tmp/x.kbg"},
        {"--headless", "--seed", "7", "--stop-before-round", "5", "--save", "/tmp/x.kbg"}, // no human coach
    };
    for (const auto& args : cases) {
        std::vector<std::string> withDir = args;
        if (std::find(args.begin(), args.end(), "--data-dir") == args.end()) {
            withDir.push_back("--data-dir");
            withDir.push_back(kGameDir);
        }
        std::ostringstream out, err;
        EXPECT_EQ(RunHeadless(withDir, kGameDir, out, err), 2) << args.back();
        EXPECT_EQ(out.str(), "") << args.back();
        const std::string e = err.str();
        EXPECT_TRUE(!e.empty() && e.find('\n') == e.size() - 1) << args.back() << ": " << e;
    }
}
