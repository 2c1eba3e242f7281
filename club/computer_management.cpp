#include "club/computer_management.h"

#include "club/auction.h"
#include "club/finance.h"
#include "club/market.h"
#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "world/division.h"
#include "world/team.h"
#include "world/world.h"

#include <algorithm>

void ComputerRound(TTeam& club) {
    TWorld& world = club.World();
    if (world.ResumeTeam != 0 && world.ResumeTeam != club.id) return;
    bool offered = false;
    if (world.ResumeTeam == 0) {
        for (TPlayer* player : club.players)
            if (player != nullptr) player->matchState = TPlayerMatchState{};
        if (world.CurrentRound >= 2) offered = ReviewWages(club);
    }
    if (club.coach != nullptr && club.coach->weeksInJob == 0)
        for (TPlayer* player : club.players)
            if (player != nullptr) player->askingPrice = 0;
    world.ResumeTeam = 0;
    club.match = TTeamMatchBlock{};
    if (club.coach == nullptr) world.Port().MessageBox(club.ShortName() + ": coach is nil", club.ShortName());
    for (TPlayer* player : club.players)
        if (player != nullptr) player->ComputeSelectionScore();
    if (club.IsHumanRun()) {
        club.SetAskingPrices();
        world.Port().ClubScreen(club);
    } else {
        ComputerManagement(club, offered);
    }
    if (!world.QuitRequested) club.UpdateLineStrengths();
}

void ComputerManagement(TTeam& club, bool offeredInReview) {
    const TWorld& world = club.World();
    const std::int32_t wages = club.WageBill();
    club.averageLevel = static_cast<std::int16_t>(club.AverageLevel());
    const bool atLimit = club.foreignCount == TTeam::MaxForeign;

    if (world.CurrentRound == 1 || Random(5) == 0) club.SetAskingPrices();

    if (world.CurrentRound >= 2 && !offeredInReview) {
        if (static_cast<std::int64_t>(club.balance()) * 3 < wages || Random(30) == 0 ||
            (atLimit && club.squadSize > 24)) {
            TPlayer* choice = nullptr;
            long double lowest = 0;
            for (TPlayer* player : club.players) {
                if (player == nullptr || club.CanSell(*player) != csMaySell) continue;
                if (atLimit && player->foreignStatus != 2) continue;
                const long double keep = club.KeepValue(*player);
                // Each new minimum is taken only one time in three, so the weakest is not always the one.
                if (choice == nullptr || (keep < lowest && Random(3) == 0)) {
                    choice = player;
                    lowest = keep;
                }
            }
            if (choice != nullptr) OfferForSale(club, *choice);
        }
    }

    if (Random(5) == 0 && club.squadSize > 26 && club.players.Count() > 0) {
        TPlayer* player = club.players[Random(club.players.Count())];
        if (player != nullptr && player->foreignStatus != 0 && club.CanSell(*player) == csMaySell)
            OfferForSale(club, *player);
    }

    ComputerLoans(club, wages);
    ComputerStadiumWorks(club, wages);

    if (Random(3) == 0) BuyPlayer(club);
    club.AutoLineup();
}

std::int32_t OfferForSale(TTeam& club, TPlayer& player) {
    if (player.id != club.salePlayerId) club.salePriceFactor = 1.0L;
    if (club.squadSize == TTeam::MaxSquad && club.salePriceFactor == 1.0L) club.salePriceFactor = 0.8L;
    std::int64_t price =
        nearest(club.salePriceFactor * player.BasePrice() * club.World().TransferPriceFactor * 1.4L);
    // After ten attempts the factor would go below zero; a sale never asks less than nothing.
    price = std::max<std::int64_t>(price, 0) / 1000 * 1000;
    club.salePlayerId = player.id;
    if (club.salePriceFactor > 0) club.salePriceFactor -= 0.1L;
    Auction(club, player, static_cast<std::int32_t>(price));
    // Sold or not, he was offered this matchday: CanSell refuses him until the next one.
    player.matchState.offeredThisMatchday = 1;
    return static_cast<std::int32_t>(price);
}

void BuyPlayer(TTeam& club) {
    TWorld& world = club.World();
    // Picking another club needs one.
    if (world.AllTeams.Count() < 2) return;
    const TDivision* division = club.Division();
    TPlayer* bestPlayer = nullptr;
    TTeam* bestSeller = nullptr;
    std::int32_t bestPrice = 0;
    long double bestNeed = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        TTeam* other = nullptr;
        for (int picks = 0; picks < 20; ++picks) {
            do {
                if (Random(10) != 0 || division == nullptr || division->teams.Count() == 0)
                    other = world.AllTeams[Random(world.AllTeams.Count())];
                else
                    other = division->teams[Random(division->teams.Count())];
            } while (other == &club || other == nullptr);
            if (other->IsHumanRun()) break;
        }
        if (other->players.Count() == 0) continue;
        TPlayer* player = other->players[Random(other->players.Count())];
        if (player == nullptr) continue;
        const long double need = club.NeedValue(*player);
        if (!(need > bestNeed)) continue;
        // He was drawn from this club's squad, and a player is in one squad only.
        const std::int32_t price = ListedPrice(*player, *other);
        if (price < 1) continue;
        if (!CanBuy(club, *player, *other)) continue;
        if (price > 2.3L * MaxBid(club, *player, 0, true)) continue;
        bestNeed = need;
        bestPlayer = player;
        bestSeller = other;
        bestPrice = price;
    }
    if (bestPlayer != nullptr) bestSeller->CompleteTransfer(*bestPlayer, club, bestPrice);
}
