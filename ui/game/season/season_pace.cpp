#include "ui/game/season/season_pace.h"

#include <algorithm>

namespace {
int pacePercent = 100;
} // namespace

void SetSeasonPace(int percent) {
    pacePercent = std::max(0, percent);
}

int SeasonPace() {
    return pacePercent;
}

int SeasonPacedMs(int ms) {
    return static_cast<int>(static_cast<long long>(std::max(0, ms)) * pacePercent / 100);
}
