#include "world/coach_ranking.h"

#include "world/coach.h"
#include "world/world.h"

#include <algorithm>

std::vector<TCoach*> CoachRanking(const TWorld& world) {
    std::vector<TCoach*> coaches;
    for (TCoach* coach : world.AllCoaches)
        if (coach != nullptr) coaches.push_back(coach);
    std::stable_sort(coaches.begin(), coaches.end(), [](const TCoach* a, const TCoach* b) {
        if (a->prestige() != b->prestige()) return a->prestige() > b->prestige();
        return static_cast<std::int64_t>(a->leagueTitles) + a->cupTitles >
               static_cast<std::int64_t>(b->leagueTitles) + b->cupTitles;
    });
    return coaches;
}
