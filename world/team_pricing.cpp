// How a club values its players: the asking prices of its squad (set again whenever the squad changes),
// what keeping a player is worth to it and what signing one would be worth.
#include "world/team.h"

#include "foundation/numeric.h"
#include "world/world.h"

#include <algorithm>
#include <cmath>

std::int32_t CutAskingPrice(std::int64_t price) {
    std::int64_t step = 1000;
    if (price >= 2000000)
        step = 100000;
    else if (price >= 1000000)
        step = 50000;
    else if (price > 500000)
        step = 25000;
    else if (price > 100000)
        step = 10000;
    return static_cast<std::int32_t>(price / step * step);
}

void TTeam::SetAskingPrices() {
    averageLevel = static_cast<std::int16_t>(AverageLevel());
    const bool personRun = IsHumanRun();
    const bool humanCoach = HasHumanCoach();
    for (TPlayer* player : players) {
        if (player == nullptr) continue;
        const int reason = CanSell(*player);
        if (reason != csMaySell && !personRun) {
            player->askingPrice = 0;
            continue;
        }
        if (personRun && player->saleMode != 0 && player->saleMode != 1) continue;
        long double keep;
        if (humanCoach) {
            player->askingPrice = 0;
            player->saleMode = 0;
            keep = 1.2L;
        } else {
            keep = KeepValue(*player);
        }
        const bool priced = personRun ? player->saleMode == 0 : keep <= 2;
        if (!priced) continue;
        if (personRun) {
            player->askingPrice = player->EvaluateOffers();
        } else {
            player->saleMode = 2;
            std::int64_t price = nearest(3 * player->BasePrice() * keep);
            if (price > 0) {
                if (player->foreignStatus == 0)
                    price = nearest((price + 30000) * 1.4L);
                else if (player->foreignStatus == 1)
                    price = nearest((price + 15000) * 1.2L);
            }
            player->askingPrice = CutAskingPrice(price);
        }
        if (reason != csMaySell) player->saleMode = 0;
    }
}

long double TTeam::KeepValue(const TPlayer& player) const {
    const TSquadTarget& target = SquadTargetFor(averageLevel);
    const std::size_t p = static_cast<std::size_t>(player.position() & 3);
    long double value = player.level() *
                        (static_cast<long double>(target.byPosition[p]) / (positionCounts[p] + 1)) *
                        (static_cast<long double>(target.total) / (squadSize + 1)) / (averageLevel + 1) *
                        Power(5.0L / (player.behaviour() + 1), 0.25L);
    if (player.foreignStatus == 0) value *= 1.5L;
    if (player.foreignStatus == 1) value *= 1.2L;
    return value;
}

long double TTeam::NeedValue(const TPlayer& player) const {
    const int a = AverageLevel();
    const TSquadTarget& target = SquadTargetFor(a);
    const std::size_t p = static_cast<std::size_t>(player.position() & 3);
    long double d = Power(static_cast<long double>(player.level()) / (a + 5) * (target.byPosition[p] + 1) /
                              (positionCounts[p] + 1) * target.total / (squadSize + 1),
                          0.25L);
    if (p == 0 && positionCounts[0] == 1) d *= 1.5L;
    long double factor = 1;
    switch (RelationOf(player.nationality())) {
    case 0:
        factor = 2 + 0.05L * foreignCount;
        break;
    case 1:
        factor = 1.2L + 0.05L * foreignCount;
        break;
    default:
        factor = 1;
        break;
    }
    if (player.IsStar()) factor *= 1.1L;
    return d * factor;
}
