#pragma once
// Clubs on the field for the tests of the match minute and the penalties, and an oracle of the program's
// generator: the same formula worked out here, so an expected draw never comes from the code under test.
#include "foundation/currency.h"
#include "tests/world/world_fixture.h"
#include "world/game.h"
#include "world/world.h"

#include <cstdint>
#include <vector>

namespace matchtest {

// state := state x 134775813 + 1, Random(n) the upper half of state x n, RandomFloat state / 2^32.
struct TLcg {
    std::uint32_t state;
    std::int32_t Next(std::int32_t n) {
        state = state * 134775813u + 1u;
        return n <= 0 ? 0 : static_cast<std::int32_t>((std::uint64_t{state} * std::uint32_t(n)) >> 32);
    }
};

// The first seed from `from` on whose first draws satisfy `wanted(lcg)` (it draws from the oracle).
template <class Wanted> std::uint32_t FindSeed(Wanted wanted, std::uint32_t from = 1) {
    for (std::uint32_t seed = from;; ++seed) {
        TLcg lcg{seed};
        if (wanted(lcg)) return seed;
    }
}

struct MatchWorld {
    TWorld world;
    MatchWorld() {
        world.CurrencyRecord = BuiltInCurrencies()[0];
        world.Options.viewComputerPenalties = false;
        world.CurrentRound = 5;
    }

    // A club with `onField` players on the field (a goalkeeper first, then defenders, midfielders and
    // forwards in turn) and `bench` on the bench (a goalkeeper first), all of `level`, behaviour 0, scoring
    // weight 0 and injury proneness 0 unless a test sets them.
    TTeam& Club(const std::string& name, int onField = 11, int bench = 0, int level = 20,
                const std::string& country = "POR") {
        TTeam& club = worldtest::MakeClub(world, name, country);
        for (int i = 0; i < onField; ++i) {
            TPlayer& p = worldtest::AddPlayer(club, i == 0 ? 0 : 1 + (i - 1) % 3, level, 25);
            p.matchState.lineupRole = 1;
            p.ComputeSelectionScore();
        }
        for (int i = 0; i < bench; ++i) {
            TPlayer& p = worldtest::AddPlayer(club, i == 0 ? 0 : 1 + (i - 1) % 3, level, 25);
            p.matchState.lineupRole = 2;
            p.ComputeSelectionScore();
        }
        club.match.benchCount = bench > 3 ? 3 : bench;
        club.UpdateLineStrengths();
        return club;
    }

    void MakeHuman(TTeam& club) { club.coach->isHuman = 1; }

    // A game between two clubs without a referee (both favours 0) unless the test sets them.
    TGame& Game(TTeam& home, TTeam& away, std::uint8_t kind = gkLeague) {
        auto* game = new TGame(world, kind, 0, 0, 0, 10.0L, "Game", &away, &home);
        world.RoundGames.Add(game);
        return *game;
    }
};

inline int OnField(const TTeam& club) {
    int n = 0;
    for (const TPlayer* p : club.players)
        if (p->matchState.lineupRole == 1) ++n;
    return n;
}

} // namespace matchtest
