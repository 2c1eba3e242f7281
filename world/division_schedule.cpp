#include "world/division_schedule.h"

#include <stdexcept>

const std::array<TScheduleRow, kLeagueClubs> slotTable = {{
    {2, 1, 2, 1, 2, 1, 2, 1, 1, 1, 2, 1, 2, 1, 2, 1, 2, 2},
    {4, 5, 8, 9, 10, 7, 6, 3, 2, 3, 6, 7, 10, 9, 8, 5, 4, 1},
    {6, 3, 1, 4, 5, 8, 9, 10, 7, 5, 4, 2, 3, 6, 7, 10, 9, 8},
    {8, 9, 10, 7, 6, 3, 1, 4, 5, 7, 10, 9, 8, 5, 4, 2, 3, 6},
    {10, 7, 6, 3, 1, 4, 5, 8, 9, 9, 8, 5, 4, 2, 3, 6, 7, 10},
    {9, 10, 7, 6, 3, 2, 4, 5, 8, 10, 9, 8, 5, 4, 1, 3, 6, 7},
    {7, 6, 3, 2, 4, 5, 8, 9, 10, 8, 5, 4, 1, 3, 6, 7, 10, 9},
    {5, 8, 9, 10, 7, 6, 3, 2, 4, 6, 7, 10, 9, 8, 5, 4, 1, 3},
    {3, 2, 4, 5, 8, 9, 10, 7, 6, 4, 1, 3, 6, 7, 10, 9, 8, 5},
    {1, 4, 5, 8, 9, 10, 7, 6, 3, 2, 3, 6, 7, 10, 9, 8, 5, 4},
}};

namespace {

using TOpponentTable = std::array<std::array<std::int8_t, kLeagueMatchdays>, kLeagueClubs>;

TOpponentTable DeriveOpponentTable() {
    TOpponentTable table{};
    for (int r = 0; r < kLeagueClubs; ++r) {
        for (int m = 0; m < kLeagueMatchdays; ++m) {
            const int slot = slotTable[r][m];
            const bool home = slot % 2 == 1;
            const int partner = home ? slot + 1 : slot - 1;
            int found = -1;
            for (int f = 0; f < kLeagueClubs; ++f)
                if (slotTable[f][m] == partner) found = f;
            if (found < 0) throw std::logic_error("fixture scheme without a partner slot");
            const int entry = found == 0 ? 10 : found;
            table[r][m] = static_cast<std::int8_t>(home ? entry : -entry);
        }
    }
    return table;
}

const TOpponentTable& OpponentTable() {
    static const TOpponentTable table = DeriveOpponentTable();
    return table;
}

void CheckArguments(int row, int matchday) {
    if (row < 0 || row >= kLeagueClubs || matchday < 1 || matchday > kLeagueMatchdays)
        throw std::out_of_range("no fixture for this club index and matchday");
}

} // namespace

int OpponentTableEntry(int row, int matchday) {
    CheckArguments(row, matchday);
    return OpponentTable()[row][matchday - 1];
}

int OpponentIndex(int row, int matchday) {
    const int entry = OpponentTableEntry(row, matchday);
    const int index = entry < 0 ? -entry : entry;
    return index == 10 ? 0 : index;
}

bool PlaysAway(int row, int matchday) {
    return OpponentTableEntry(row, matchday) < 0;
}
