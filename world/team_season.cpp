// The club's season steps, its coach changes and what a match leaves on its players.
#include "world/team.h"

#include "foundation/kol_random.h"
#include "world/calendar.h"
#include "world/division_schedule.h"
#include "world/world.h"

#include <algorithm>
#include <cmath>

void TTeam::NewSeason(TDivision* division) {
    previousTotals = seasonTotals;
    seasonTotals = season.financeTotals;
    season = TTeamSeasonBlock{};
    SetPrestige(static_cast<std::int32_t>(std::trunc(prestige() * 0.9L)));

    const int index = division != nullptr ? division->teams.IndexOf(this) : -1;
    if (index >= 0 && index < kLeagueClubs) {
        season.scheduleRow = slotTable[static_cast<std::size_t>(index)];
        calendar->BuildLeagueCalendar(division->teams, index);
    } else {
        calendar->Clear();
    }

    for (int i = lastResults.Count() - 1; i >= 0; --i) {
        const TLastResult* result = lastResults[i];
        if (result == nullptr || world_.SeasonYear - result->season > 9) lastResults.Delete(i);
    }

    // First pass: the old ones go, at most five of them.
    for (TPlayer* player : players) {
        if (season.retiringCount >= 5) break;
        if (player == nullptr) continue;
        if ((player->position() == 0 && player->age() > 38) ||
            (player->position() != 0 && player->age() > 35)) {
            player->retiring = 1;
            ++season.retiringCount;
        }
    }
    // Second pass: a few younger ones may follow. It does not skip players already marked, so a player
    // can be counted twice; one draw per player visited.
    for (TPlayer* player : players) {
        if (season.retiringCount > 4) break;
        if (player == nullptr) continue;
        const int limit = player->position() == 0 ? 39 : 36;
        if (player->age() >= limit - Random(4)) {
            player->retiring = 1;
            ++season.retiringCount;
        }
    }
}

void TTeam::ApplyResultToLevels(int referenceLevel) {
    for (TPlayer* player : players) {
        if (player == nullptr) continue;
        const bool outfield = player->position() != 0;
        const int wear = player->matchState.wearCounter;
        if (wear < 0) {
            if ((outfield || Random(2) == 0) && player->level() > referenceLevel - 10)
                player->SetLevel(std::max(player->level() - 1, 1));
        } else if (wear == 0) {
            if (player->IsStar() && player->age() < 23 && player->level() < referenceLevel + 10)
                player->SetLevel(std::min(player->level() + 1, 100));
        } else if ((outfield || Random(2) == 0) && player->level() < referenceLevel + 10) {
            int gain = 1 + Random(2);
            if (player->IsStar() && player->age() < 23) ++gain;
            player->SetLevel(std::min(player->level() + gain, 100));
        }
    }
}

void TTeam::FormUpAll() {
    for (TPlayer* player : players)
        if (player != nullptr && (player->matchState.lineupRole == 1 || player->matchState.wearCounter < 0))
            player->FormUp();
}

void TTeam::FormDownAll() {
    for (TPlayer* player : players)
        if (player != nullptr && (player->matchState.lineupRole == 1 || player->matchState.wearCounter < 0))
            player->FormDown();
}

TCoach* TTeam::FindNewCoach(int flags) {
    if (world_.DivisionIndexOfTeam(*this) == 4 || world_.CurrentRound == 18) flags |= nfNoHumans;
    const int ownLevel = AverageLevel();
    std::vector<TCoach*> eligible;
    for (TCoach* candidate : world_.AllCoaches) {
        if (candidate == nullptr) continue;
        TTeam* club = candidate->CurrentClub();
        bool ok = false;
        if ((flags & nfUnemployed) && club == nullptr) ok = true;
        if ((flags & nfFromOtherClub) && club != nullptr && club != this && club->supportFactor() >= 1.3L &&
            ownLevel > club->AverageLevel() + 10)
            ok = true;
        if (candidate->isHuman &&
            ((flags & nfNoHumans) || (club != nullptr && world_.DivisionIndexOfTeam(*club) == 4)))
            ok = false;
        if (!ok) continue;
        candidate->ComputeHireScore(*this);
        eligible.push_back(candidate);
    }
    std::stable_sort(eligible.begin(), eligible.end(),
                     [](const TCoach* a, const TCoach* b) { return a->hireScore < b->hireScore; });
    for (TCoach* candidate : eligible)
        if (candidate->AcceptsOffer(*this)) return candidate;
    return nullptr;
}

void TTeam::ChangeCoach(int flags) {
    TCoach* newCoach = FindNewCoach(flags | nfFromOtherClub | nfUnemployed);
    if (newCoach == nullptr) return;
    TCoach* oldCoach = coach;
    TTeam* formerClub = newCoach->CurrentClub();

    const int lashes = world_.Options.viewPsychologicalLashes;
    const bool humanInvolved = (oldCoach != nullptr && oldCoach->isHuman) || newCoach->isHuman;
    if (lashes == 2 || (lashes == 1 && humanInvolved)) {
        world_.RoundMessages.Add(new TLash(world_, oldCoach != nullptr ? oldCoach->id : 0, id, true));
        world_.RoundMessages.Add(
            new TLash(world_, newCoach->id, formerClub != nullptr ? formerClub->id : 0, false));
        world_.RoundMessages.Add(new TLash(world_, 0, 0, false));
    }

    coach = newCoach;
    newCoach->weeksInJob = 0;
    SetSupportFactor(1.0L);

    if (formerClub != nullptr) {
        // The two clubs swap their coaches.
        formerClub->coach = oldCoach;
        formerClub->SetSupportFactor(1.0L);
        if (oldCoach != nullptr) {
            oldCoach->weeksInJob = 0;
            oldCoach->AddEvent(6, formerClub->id);
        }
        newCoach->AddEvent(7, id);
    } else {
        if (oldCoach != nullptr) oldCoach->AddEvent(2, id);
        newCoach->AddEvent(1, id);
    }

    if (oldCoach != nullptr && oldCoach->isHuman && !newCoach->isHuman) {
        for (TPlayer* player : players)
            if (player != nullptr)
                player->SetSalary(std::min(player->salary(), player->MarketValue(priceFactor)));
        SetBalance(std::max(balance(), 0));
    }

    if (oldCoach != nullptr) oldCoach->SetCurrentClub(nullptr);
    newCoach->SetCurrentClub(nullptr);
}
