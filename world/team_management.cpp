// What a club does before each matchday: its round preparation, the computer management, selling,
// pricing, buying and the line-up.
#include "world/team.h"

#include "club/auction.h"
#include "club/finance.h"
#include "club/market.h"
#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "world/world.h"

#include <algorithm>
#include <cmath>

std::int32_t CutAskingPrice(std::int64_t price) {
    std::int64_t step = 1000;
    if (price >= 2000000)
        step = 100000;
    else if (price >= 1000000)
        step = 50000;
    else if (price > 500000)
        step = 25000;
    else if (price > 100000)
        step = 10000;
    return static_cast<std::int32_t>(price / step * step);
}

void TTeam::ComputerRound() {
    if (world_.ResumeTeam != 0 && world_.ResumeTeam != id) return;
    bool offered = false;
    if (world_.ResumeTeam == 0) {
        for (TPlayer* player : players)
            if (player != nullptr) player->matchState = TPlayerMatchState{};
        if (world_.CurrentRound >= 2) offered = ReviewWages(*this);
    }
    if (coach != nullptr && coach->weeksInJob == 0)
        for (TPlayer* player : players)
            if (player != nullptr) player->askingPrice = 0;
    world_.ResumeTeam = 0;
    match = TTeamMatchBlock{};
    if (coach == nullptr) world_.Port().MessageBox(ShortName() + ": coach is nil", ShortName());
    for (TPlayer* player : players)
        if (player != nullptr) player->ComputeSelectionScore();
    if (IsHumanRun()) {
        SetAskingPrices();
        world_.Port().ClubScreen(*this);
    } else {
        ComputerManagement(offered);
    }
    if (!world_.QuitRequested) UpdateLineStrengths();
}

void TTeam::ComputerManagement(bool offeredInReview) {
    const std::int32_t wages = WageBill();
    averageLevel = static_cast<std::int16_t>(AverageLevel());
    const bool atLimit = foreignCount == MaxForeign;

    if (world_.CurrentRound == 1 || Random(5) == 0) SetAskingPrices();

    if (world_.CurrentRound >= 2 && !offeredInReview) {
        if (static_cast<std::int64_t>(balance()) * 3 < wages || Random(30) == 0 ||
            (atLimit && squadSize > 24)) {
            TPlayer* choice = nullptr;
            long double lowest = 0;
            for (TPlayer* player : players) {
                if (player == nullptr || CanSell(*player) != csMaySell) continue;
                if (atLimit && player->foreignStatus != 2) continue;
                const long double keep = KeepValue(*player);
                // Each new minimum is taken only one time in three, so the weakest is not always the one.
                if (choice == nullptr || (keep < lowest && Random(3) == 0)) {
                    choice = player;
                    lowest = keep;
                }
            }
            if (choice != nullptr) OfferForSale(*choice);
        }
    }

    if (Random(5) == 0 && squadSize > 26 && players.Count() > 0) {
        TPlayer* player = players[Random(players.Count())];
        if (player != nullptr && player->foreignStatus != 0 && CanSell(*player) == csMaySell)
            OfferForSale(*player);
    }

    ComputerLoans(*this, wages);
    ComputerStadiumWorks(*this, wages);

    if (Random(3) == 0) BuyPlayer();
    AutoLineup();
}

std::int32_t TTeam::OfferForSale(TPlayer& player) {
    if (player.id != salePlayerId) salePriceFactor = 1.0L;
    if (squadSize == MaxSquad && salePriceFactor == 1.0L) salePriceFactor = 0.8L;
    std::int64_t price = nearest(salePriceFactor * player.BasePrice() * world_.TransferPriceFactor * 1.4L);
    // After ten attempts the factor would go below zero; a sale never asks less than nothing.
    price = std::max<std::int64_t>(price, 0) / 1000 * 1000;
    salePlayerId = player.id;
    if (salePriceFactor > 0) salePriceFactor -= 0.1L;
    Auction(*this, player, static_cast<std::int32_t>(price));
    return static_cast<std::int32_t>(price);
}

void TTeam::SetAskingPrices() {
    averageLevel = static_cast<std::int16_t>(AverageLevel());
    const bool personRun = IsHumanRun();
    const bool humanCoach = HasHumanCoach();
    for (TPlayer* player : players) {
        if (player == nullptr) continue;
        const int reason = CanSell(*player);
        if (reason != csMaySell && !personRun) {
            player->askingPrice = 0;
            continue;
        }
        if (personRun && player->saleMode != 0 && player->saleMode != 1) continue;
        long double keep;
        if (humanCoach) {
            player->askingPrice = 0;
            player->saleMode = 0;
            keep = 1.2L;
        } else {
            keep = KeepValue(*player);
        }
        const bool priced = personRun ? player->saleMode == 0 : keep <= 2;
        if (!priced) continue;
        if (personRun) {
            player->askingPrice = player->EvaluateOffers();
        } else {
            player->saleMode = 2;
            std::int64_t price = nearest(3 * player->BasePrice() * keep);
            if (price > 0) {
                if (player->foreignStatus == 0)
                    price = nearest((price + 30000) * 1.4L);
                else if (player->foreignStatus == 1)
                    price = nearest((price + 15000) * 1.2L);
            }
            player->askingPrice = CutAskingPrice(price);
        }
        if (reason != csMaySell) player->saleMode = 0;
    }
}

long double TTeam::KeepValue(const TPlayer& player) const {
    const TSquadTarget& target = SquadTargetFor(averageLevel);
    const std::size_t p = static_cast<std::size_t>(player.position() & 3);
    long double value = player.level() *
                        (static_cast<long double>(target.byPosition[p]) / (positionCounts[p] + 1)) *
                        (static_cast<long double>(target.total) / (squadSize + 1)) / (averageLevel + 1) *
                        Power(5.0L / (player.behaviour() + 1), 0.25L);
    if (player.foreignStatus == 0) value *= 1.5L;
    if (player.foreignStatus == 1) value *= 1.2L;
    return value;
}

long double TTeam::NeedValue(const TPlayer& player) const {
    const int a = AverageLevel();
    const TSquadTarget& target = SquadTargetFor(a);
    const std::size_t p = static_cast<std::size_t>(player.position() & 3);
    long double d = Power(static_cast<long double>(player.level()) / (a + 5) * (target.byPosition[p] + 1) /
                              (positionCounts[p] + 1) * target.total / (squadSize + 1),
                          0.25L);
    if (p == 0 && positionCounts[0] == 1) d *= 1.5L;
    long double factor = 1;
    switch (RelationOf(player.nationality())) {
    case 0:
        factor = 2 + 0.05L * foreignCount;
        break;
    case 1:
        factor = 1.2L + 0.05L * foreignCount;
        break;
    default:
        factor = 1;
        break;
    }
    if (player.IsStar()) factor *= 1.1L;
    return d * factor;
}

void TTeam::BuyPlayer() {
    // Picking another club needs one.
    if (world_.AllTeams.Count() < 2) return;
    const TDivision* division = Division();
    TPlayer* bestPlayer = nullptr;
    TTeam* bestSeller = nullptr;
    std::int32_t bestPrice = 0;
    long double bestNeed = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        TTeam* club = nullptr;
        for (int picks = 0; picks < 20; ++picks) {
            do {
                if (Random(10) != 0 || division == nullptr || division->teams.Count() == 0)
                    club = world_.AllTeams[Random(world_.AllTeams.Count())];
                else
                    club = division->teams[Random(division->teams.Count())];
            } while (club == this || club == nullptr);
            if (club->IsHumanRun()) break;
        }
        if (club->players.Count() == 0) continue;
        TPlayer* player = club->players[Random(club->players.Count())];
        if (player == nullptr) continue;
        const long double need = NeedValue(*player);
        if (!(need > bestNeed)) continue;
        const std::int32_t price = ListedPrice(*player);
        if (price < 1) continue;
        if (!CanBuy(*this, *player, *club)) continue;
        if (price > 2.3L * MaxBid(*this, *player, 0, true)) continue;
        bestNeed = need;
        bestPlayer = player;
        bestSeller = club;
        bestPrice = price;
    }
    if (bestPlayer != nullptr) bestSeller->CompleteTransfer(*bestPlayer, *this, bestPrice);
}

void TTeam::AutoLineup() {
    ShuffleList(players);
    ChooseLineup(1, 3, 3, 2, false);
    ChooseLineup(1, 10, 10, 10, true);
}

void TTeam::ChooseLineup(int goalkeepers, int defenders, int midfielders, int forwards, bool withBench) {
    match.benchCount = 0;
    std::array<int, 4> wanted = {goalkeepers, defenders, midfielders, forwards};
    std::array<int, 4> available{};
    int outfieldPlaced = 0;
    const auto free = [](const TPlayer* p) { return p->IsAvailable() && p->matchState.lineupRole == 0; };
    for (const TPlayer* player : players) {
        if (player == nullptr) continue;
        const std::size_t pos = static_cast<std::size_t>(player->position() & 3);
        if (player->matchState.lineupRole == 1) {
            --wanted[pos];
            if (pos != 0) ++outfieldPlaced;
        } else if (player->matchState.lineupRole == 2) {
            ++match.benchCount;
        }
        if (free(player)) ++available[pos];
    }
    std::array<bool, 4> needsSubstitute{};
    for (std::size_t p = 0; p < 4; ++p) needsSubstitute[p] = wanted[p] < available[p];

    players.Pack();
    const auto score = [](const TPlayer* p) { return p->selectionScore + p->season.runningGoals; };
    SortList(players,
             [&](const TPlayer* earlier, const TPlayer* later) { return score(earlier) >= score(later); });

    for (TPlayer* player : players) {
        if (!free(player)) continue;
        const std::size_t pos = static_cast<std::size_t>(player->position() & 3);
        if (wanted[pos] >= 1 && (pos == 0 || outfieldPlaced < 10)) {
            player->matchState.lineupRole = 1;
            --wanted[pos];
            if (pos != 0) ++outfieldPlaced;
        } else if (withBench && needsSubstitute[pos] && match.benchCount < (pos == 0 ? 5 : 4)) {
            player->matchState.lineupRole = 2;
            ++match.benchCount;
        }
    }
    if (withBench)
        for (TPlayer* player : players)
            if (match.benchCount < 7 && free(player) && player->position() != 0) {
                player->matchState.lineupRole = 2;
                ++match.benchCount;
            }
    match.benchCount = std::min(match.benchCount, 3);
}
