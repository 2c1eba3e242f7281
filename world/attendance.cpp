#include "world/attendance.h"

#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "foundation/reals.h"
#include "world/game.h"
#include "world/team.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

long double AttendanceStatusFactor(std::uint8_t tableStatus) {
    switch (tableStatus) {
    case 0:
        return 2.0L;
    case 1:
        return 1.5L;
    case 2:
        return 0.4L;
    case 3:
        return 1.1L;
    case 4:
        return 0.6L;
    default:
        return 1.0L;
    }
}

void ComputeAttendance(TGame& game) {
    if (!game.HasTeams() || game.kind == gkHeading) {
        game.attendance = 0;
        return;
    }
    TTeam& home = *game.homeTeam;
    const TTeam& away = *game.awayTeam;
    const long double draw = RandomFloat("attendance");
    // The crowd is worked out in the 6-byte real the program keeps it in between the steps.
    long double a = RoundToReal48((2.0L * home.AverageLevel() + away.AverageLevel() + 3.0L * draw) *
                                  std::sqrt(home.supportFactor()) * std::sqrt(away.supportFactor()) * 150.0L);
    const long double factor = AttendanceStatusFactor(home.season.tableStatus);
    if (factor != 1.0L) a = RoundToReal48(a * factor);
    const long double cup = game.kind == gkCup ? 1.3L : 1.0L;
    const std::int64_t crowd = nearest(Power(a + 1.0L, 1.04L) * cup);
    game.attendance =
        home.stadium.AdmitSpectators(static_cast<std::int32_t>(std::min<std::int64_t>(crowd, INT32_MAX)));
}
