#include "ui/game/match/match_pace.h"

#include <algorithm>

namespace {
int pacePercent = 100;
} // namespace

void SetMatchPace(int percent) {
    pacePercent = std::max(0, percent);
}

int MatchPace() {
    return pacePercent;
}

int PacedMs(int ms) {
    return static_cast<int>(static_cast<long long>(std::max(0, ms)) * pacePercent / 100);
}
