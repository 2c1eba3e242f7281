#include "match/scoring.h"

#include "foundation/kol_random.h"
#include "match/weighted_pick.h"
#include "world/team.h"

#include <cmath>
#include <cstdint>

long double ScoringThreshold(const TTeam& attacker, const TTeam& defender) {
    const auto& a = attacker.match.lineStrength;
    const auto& d = defender.match.lineStrength;
    enum { GK, DF, MF, FW };
    // The sums are 16-bit, as the line strengths they add up.
    const auto a1 = static_cast<std::uint16_t>(1 + a[DF]);
    const auto b1 = static_cast<std::uint16_t>(1 + d[FW]);
    const auto a2 = static_cast<std::uint16_t>(a1 + a[MF]);
    const auto b2 = static_cast<std::uint16_t>(b1 + d[MF]);
    const auto a3 = static_cast<std::uint16_t>(a2 + a[FW]);
    const auto b3 = static_cast<std::uint16_t>(b2 + d[DF] + 3 * d[GK]);
    const auto part = [](std::uint16_t x, std::uint16_t y) {
        return static_cast<long double>(x) / (static_cast<long double>(x) + y + 1);
    };
    const long double balance = part(a1, b1) + 2 * part(a2, b2) + part(a3, b3);
    const long double attack = (a[FW] + 5 + 0.5L * a[MF] + 1) * 4;
    const long double defence = 3.0L * d[GK] + 5 + d[DF] + 0.5L * d[MF] + 1;
    return 2 * balance * std::log(attack / defence + 1);
}

TPlayer* TryToScore(TTeam& attacker, int minute, const TTeam& defender, int side) {
    const long double p = ScoringThreshold(attacker, defender);
    const long double g =
        static_cast<long double>(attacker.match.matchGoals) + attacker.match.disallowedGoals;
    bool chance;
    if (side == 0)
        chance = Random(180, "chanceHome") < p - g || Random(360, "luckyHome") == 0;
    else
        chance = Random(240, "chanceAway") < p - g || Random(540, "luckyAway") == 0;
    if (!chance) return nullptr;
    if (Random(30, "convert") >= minute) return nullptr;
    return PickWeightedPlayer(attacker.players, wkScorer, true);
}
