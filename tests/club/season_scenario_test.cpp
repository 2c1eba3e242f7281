// A seeded season of the computer management: a world built from team files the way a new career builds
// it, then 18 matchdays in which every club prepares (selling, pricing, buying, loans, stadium, line-up),
// pays its wages and interest, and the pending transfers are executed. No match is played; what is checked
// are the invariants of the market and the money, after every matchday.
#include "../world/career_world.h"
#include "../world/world_fixture.h"

#include "club/computer_management.h"
#include "club/market.h"
#include "datafiles/team_file.h"
#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "world/division.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

using namespace worldtest;

namespace {

constexpr int kClubs = 60;

struct TClubStart {
    std::int64_t ledger = 0; // balance - loan - season totals: no rule may change it
    int squad = 0;
    int goalkeepers = 0;
    int outfield = 0;
};

std::int64_t Ledger(const TTeam& team) {
    std::int64_t sum = static_cast<std::int64_t>(team.balance()) - team.loan;
    for (std::int32_t t : team.season.financeTotals) sum -= t;
    return sum;
}

// Runs the season and checks the invariants after every matchday; returns a fingerprint of the world.
std::string PlaySeason(std::uint32_t seed, int* transfersSeen = nullptr) {
    SetRandSeed(seed);
    TWorld world;
    world.DefaultPort().AutoAcceptSalary = false; // the person refuses raises: those players go to auction
    BuildCareerWorld(world, CareerTeamFiles(kClubs));

    const int playerCount = world.AllPlayers.Count();
    std::map<const TTeam*, TClubStart> start;
    for (const TTeam* team : world.AllTeams) {
        TClubStart s;
        s.ledger = Ledger(*team);
        s.squad = team->squadSize;
        s.goalkeepers = team->positionCounts[0];
        s.outfield = team->squadSize - team->positionCounts[0];
        start[team] = s;
    }
    std::map<const TTeam*, int> squadSeen, foreignSeen;
    for (const TTeam* team : world.AllTeams) {
        squadSeen[team] = team->squadSize + team->purchasesThisSeason;
        foreignSeen[team] = team->foreignCount + team->foreignPurchases;
    }

    // Each club's transfer accounts as of the last check, and the newest transfer record then.
    std::map<const TTeam*, std::pair<std::int64_t, std::int64_t>> accounts;
    for (const TTeam* team : world.AllTeams) accounts[team] = {0, 0};
    const TLastTransfer* newestSeen = nullptr;

    for (int round = 1; round <= 18; ++round) {
        SCOPED_TRACE("matchday " + std::to_string(round));
        world.CurrentRound = static_cast<std::int16_t>(round);
        for (int d = 0; d < 4; ++d) world.Divisions[d]->GenerateRound(round);
        std::vector<TTeam*> prepared;
        for (TGame* game : world.RoundGames)
            if (game->HasTeams()) {
                ComputerRound(*game->homeTeam);
                ComputerRound(*game->awayTeam);
                prepared.push_back(game->homeTeam);
                prepared.push_back(game->awayTeam);
            }
        for (TTeam* team : world.Divisions[4]->teams) ComputerRound(*team);
        for (TTeam* team : prepared) {
            team->PayWages();
            team->PayInterest();
            ++team->coach->weeksInJob;
        }
        world.RoundGames.Clear();
        ExecutePendingTransfers(world);
        for (int d = 0; d < 4; ++d) world.Divisions[d]->SortTable();

        // The number of players never changes, and each is in exactly one squad.
        std::map<const TPlayer*, int> seen;
        int inSquads = 0;
        for (const TTeam* team : world.AllTeams)
            for (const TPlayer* p : team->players) {
                ++seen[p];
                ++inSquads;
            }
        EXPECT_EQ(world.AllPlayers.Count(), playerCount);
        EXPECT_EQ(inSquads, playerCount);
        for (const TPlayer* p : world.AllPlayers) EXPECT_EQ(seen[p], 1);

        std::int64_t sales = 0, purchases = 0;
        for (const TTeam* team : world.AllTeams) {
            SCOPED_TRACE(team->ShortName());
            const TClubStart& s = start[team];
            // Every amount went through a season account or the loan.
            EXPECT_EQ(Ledger(*team), s.ledger);
            EXPECT_EQ(team->BalanceCopy() - 1, team->balance());
            sales += team->season.financeTotals[1];
            purchases += team->season.financeTotals[3];
            // No purchase takes a squad above 28 or above six foreigners (a club may start above).
            const int squad = team->squadSize + team->purchasesThisSeason;
            const int foreign = team->foreignCount + team->foreignPurchases;
            EXPECT_LE(squad, std::max(squadSeen[team], TTeam::MaxSquad));
            EXPECT_LE(foreign, std::max(foreignSeen[team], TTeam::MaxForeign));
            squadSeen[team] = std::max(squadSeen[team], squad);
            foreignSeen[team] = std::max(foreignSeen[team], foreign);
            // No club sells below its floor.
            EXPECT_GE(team->squadSize, std::min(s.squad, 14 - team->season.retiringCount));
            EXPECT_GE(team->positionCounts[0], std::min(s.goalkeepers, 1));
            EXPECT_GE(team->squadSize - team->positionCounts[0], std::min(s.outfield, 10));
            int counted[4] = {0, 0, 0, 0};
            for (const TPlayer* p : team->players)
                if (p->soldToTeamId == 0) ++counted[p->position()];
            for (int pos = 0; pos < 4; ++pos)
                EXPECT_EQ(team->positionCounts[static_cast<std::size_t>(pos)], counted[pos]);
        }
        // Money from transfers leaves one club and enters another.
        EXPECT_EQ(sales, -purchases);
        // Each transfer of the matchday moved its price out of the buyer's account into the seller's.
        int from = 0;
        for (int i = 0; i < world.LastTransfersList.Count(); ++i)
            if (world.LastTransfersList[i] == newestSeen) from = i + 1;
        std::map<std::int16_t, std::pair<std::int64_t, std::int64_t>> moved;
        for (int i = from; i < world.LastTransfersList.Count(); ++i) {
            const TLastTransfer& t = *world.LastTransfersList[i];
            EXPECT_NE(t.sellerId, t.buyerId);
            EXPECT_GE(t.price, 0);
            moved[t.sellerId].first += t.price;
            moved[t.buyerId].second -= t.price;
        }
        for (const TTeam* team : world.AllTeams) {
            SCOPED_TRACE(team->ShortName());
            auto& [sold, bought] = accounts[team];
            EXPECT_EQ(team->season.financeTotals[1] - sold, moved[team->id].first);
            EXPECT_EQ(team->season.financeTotals[3] - bought, moved[team->id].second);
            sold = team->season.financeTotals[1];
            bought = team->season.financeTotals[3];
        }
        newestSeen = world.LastTransfersList.Last();
    }
    if (transfersSeen) *transfersSeen = world.LastTransfersList.Count();
    std::ostringstream out;
    out << world.NextObjectId << '|';
    for (const TTeam* team : world.AllTeams) {
        out << team->id << ':' << team->balance() << ':' << team->loan << ':' << int(team->stadium.size)
            << ':';
        for (const TPlayer* p : team->players)
            out << p->id << ',' << p->level() << ',' << p->salary() << ',' << p->askingPrice << ','
                << p->matchState.lineupRole << ';';
        out << '\n';
    }
    for (const TLastTransfer* t : world.LastTransfersList)
        out << t->sellerId << '>' << t->buyerId << '=' << t->price << ' ';
    return out.str();
}

} // namespace

TEST(SeasonScenario, InvariantsHoldOnEveryMatchday) {
    int transfers = 0;
    PlaySeason(20021, &transfers);
    // A season of a lively market: clubs did buy and sell.
    EXPECT_GT(transfers, 0);
}

TEST(SeasonScenario, TheSameSeedGivesTheSameWorld) {
    const std::string first = PlaySeason(777);
    const std::string second = PlaySeason(777);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, PlaySeason(778));
}
