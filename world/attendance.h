#pragma once
// The crowd of a game, fixed when the game is created.
#include <cstdint>

class TGame;

// The factor the home club's table status puts on its crowd: a champion 2.0, a club sure of promotion
// 1.5, a relegated club 0.4, one sure of a leading place in the top division 1.1, one with nothing at
// stake 0.6; a table position still open (5, and any other value) leaves the crowd as it is.
long double AttendanceStatusFactor(std::uint8_t tableStatus);

// Sets game.attendance: 0 for a heading row or a game missing a club. Otherwise one RandomFloat draw:
// a = (2 x level(home) + level(away) + 3 x draw) x sqrt(support(home)) x sqrt(support(away)) x 150, kept
// as a 6-byte real, times the home club's status factor; then Round((a + 1)^1.04 x K), K 1.3 for a cup
// tie, 1.0 otherwise; and the home stadium admits at most its capacity (moving its fill ratio).
void ComputeAttendance(TGame& game);
