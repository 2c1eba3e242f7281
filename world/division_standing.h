#pragma once
// League table rules that need nothing but the numbers of the table: the order of the clubs and the
// status each position has secured (champion, leading places, safe, relegated, still open).
#include <cstdint>
#include <vector>

// tableStatus codes, read by the attendance and the classification display.
enum TTableStatus : std::uint8_t {
    tsChampion = 0,
    tsPromotion = 1, // one of the two leading places of a lower league secured
    tsRelegated = 2,
    tsLeadingPlace = 3, // one of the three leading places of the top league secured
    tsSafe = 4,         // nothing left to win or lose
    tsOpen = 5,
};

// One club's line in the table, as the ordering sees it.
struct TStandingKey {
    std::int32_t points = 0;
    std::int32_t goalsFor = 0;
    std::int32_t goalsAgainst = 0;
};

// True when `earlier` may stay in front of `later`: more points, then the better goal difference, then more
// goals scored; a full tie keeps the present order.
bool StandingInOrder(const TStandingKey& earlier, const TStandingKey& later);

// The statuses of the positions of a table already in order, from their points. `matchday` is the last one
// played (1..18); `topDivision` selects three leading places instead of two.
std::vector<std::uint8_t> ClassifyStatuses(const std::vector<std::int32_t>& pointsInOrder, int matchday,
                                           bool topDivision);
