#include "world/division_standing.h"

#include "world/division_schedule.h"

#include <cstdlib>

bool StandingInOrder(const TStandingKey& earlier, const TStandingKey& later) {
    if (earlier.points != later.points) return earlier.points > later.points;
    const std::int32_t diffEarlier = earlier.goalsFor - earlier.goalsAgainst;
    const std::int32_t diffLater = later.goalsFor - later.goalsAgainst;
    if (diffEarlier != diffLater) return diffEarlier > diffLater;
    return earlier.goalsFor >= later.goalsFor;
}

std::vector<std::uint8_t> ClassifyStatuses(const std::vector<std::int32_t>& pointsInOrder, int matchday,
                                           bool topDivision) {
    const int count = static_cast<int>(pointsInOrder.size());
    const bool final = matchday == kLeagueMatchdays;
    const int top = topDivision ? 3 : 2;
    const std::uint8_t mark = topDivision ? tsLeadingPlace : tsPromotion;
    const std::int64_t remaining = 54 - 3 * static_cast<std::int64_t>(matchday);

    // Positions are 1-based as in the table; a position beyond a short table never settles a gap, so
    // such a table keeps its undecided statuses open until the final matchday.
    auto points = [&](int position) { return static_cast<std::int64_t>(pointsInOrder[position - 1]); };
    auto gapExceeds = [&](int a, int b) {
        if (a < 1 || b < 1 || a > count || b > count) return false;
        return std::llabs(points(a) - points(b)) > remaining;
    };

    std::vector<std::uint8_t> status(pointsInOrder.size(), tsOpen);
    for (int k = 1; k <= count; ++k) {
        std::uint8_t& s = status[k - 1];
        if (k == 1 && (final || gapExceeds(1, 2))) {
            s = tsChampion;
        } else if (k <= top) {
            if (final || gapExceeds(k, top + 1)) s = mark;
        } else if (k > 8) {
            if (final || gapExceeds(8, k)) s = tsRelegated;
        } else {
            if (final || (gapExceeds(k, top) && gapExceeds(k, 9))) s = tsSafe;
        }
    }
    return status;
}
