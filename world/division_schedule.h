#pragma once
// The fixed fixture scheme of a league of ten clubs playing each other twice over 18 matchdays.
// Row r of slotTable belongs to the club at index r of its division; the value in column m is the slot
// it takes on matchday m + 1. Slots 2k-1 and 2k meet on each matchday, the odd slot at home. The games of
// a matchday are created with the clubs ordered by their slot, so this table alone decides every pairing.
#include <array>
#include <cstdint>

constexpr int kLeagueClubs = 10;
constexpr int kLeagueMatchdays = 18;

using TScheduleRow = std::array<std::uint8_t, kLeagueMatchdays>;

extern const std::array<TScheduleRow, kLeagueClubs> slotTable;

// The opponent of the club at index `row` on `matchday` (1..18): the index of the club whose slot is the
// partner of this club's slot, with 10 standing for index 0, positive when this club is at home and
// negative when it is away. Derived once from slotTable.
int OpponentTableEntry(int row, int matchday);
// The index (0..9) of that opponent.
int OpponentIndex(int row, int matchday);
bool PlaysAway(int row, int matchday);
