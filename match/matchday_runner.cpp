#include "match/matchday_runner.h"

#include "foundation/settings.h"
#include "match/game_lines.h"
#include "match/minute_steps.h"
#include "match/result_processing.h"
#include "world/game.h"
#include "world/world.h"

#include <algorithm>

namespace {

bool HumanCoached(const TTeam* club) {
    return club != nullptr && club->coach != nullptr && club->coach->isHuman != 0;
}

void AskSubstitution(TGame& game, int side, int reason) {
    game.World().Port().RequestSubstitution(game, side, reason, nullptr);
}

} // namespace

TMatchdayRunner::TMatchdayRunner(TWorld& world, int journeyKind, std::string caption)
    : minuteStep(PlayGameMinute), world_(world), journeyKind_(journeyKind), caption_(std::move(caption)) {}

void TMatchdayRunner::Start() {
    for (TPlayer* player : world_.AllPlayers)
        if (player != nullptr && player->matchState.lineupRole == 1) ++player->career.appearances;
    currentPage_ = 0;
    humanPlayers_ = 0;
    canClose_ = false;
    UpdatePagesButtons();
    UpdateTimerIntervall();
    humanClubPlayed_ = humanPlayers_ > 0;
    minuteCounter_ = -kLeadInTicks;
    clockPhase_ = cpFirstHalf;
    clockPosition_ = 0;
    lastMinute_ = 90;
}

bool TMatchdayRunner::Tick() {
    if (canClose_) return false;
    if (inTick_ || Paused()) return true;
    inTick_ = true;
    const int m = ++minuteCounter_;
    if (m > 0 && m <= lastMinute_) {
        clockPosition_ = m;
        // The minute steps never add or remove games.
        for (int i = 0; i < world_.RoundGames.Count(); ++i)
            if (TGame* game = world_.RoundGames[i]) minuteStep(*game, m);
        if (m == 45) {
            HalfTime();
            clockPhase_ = cpSecondHalf;
        }
        if (m == 90 && journeyKind_ == 1) {
            SettleAtNinety();
            if (world_.RoundGames.Count() > 0) {
                HalfTime();
                lastMinute_ = 120;
                currentPage_ = 0;
                clockPhase_ = cpExtraTime;
                UpdatePagesButtons();
                UpdateTimerIntervall();
            }
        }
    }
    inTick_ = false;
    if (minuteCounter_ > lastMinute_ + kLeadInTicks) {
        canClose_ = true;
        return false;
    }
    return true;
}

void TMatchdayRunner::HalfTime() {
    if (!world_.Options.halfTimeSubstitutions) return;
    Pause();
    for (int i = 0; i < world_.RoundGames.Count(); ++i) {
        TGame* game = world_.RoundGames[i];
        if (game == nullptr) continue;
        if (HumanCoached(game->homeTeam)) AskSubstitution(*game, 0, 4);
        if (HumanCoached(game->awayTeam)) AskSubstitution(*game, 1, 4);
    }
    Resume();
}

void TMatchdayRunner::SettleAtNinety() {
    for (int i = 0; i < world_.RoundGames.Count();) {
        TGame* game = world_.RoundGames[i];
        if (game != nullptr && IsDraw(*game)) {
            game->extraTime = 1;
            ++i;
            continue;
        }
        if (game != nullptr) {
            if (beforeResult) beforeResult(*game);
            ProcessResult(*game);
        }
        world_.RoundGames.Delete(i);
    }
}

void TMatchdayRunner::UpdateTimerIntervall() {
    humanPlayers_ = 0;
    for (const TGame* game : world_.RoundGames)
        if (game != nullptr && game->kind < 2)
            humanPlayers_ += (HumanCoached(game->homeTeam) ? 1 : 0) + (HumanCoached(game->awayTeam) ? 1 : 0);
    timerInterval_ = GameTimerInterval(world_.Options.gameTimeProfile, humanPlayers_);
}

int TMatchdayRunner::LastPage() const {
    const int games = world_.RoundGames.Count();
    return games > 0 ? (games - 1) / 24 : 0;
}

void TMatchdayRunner::UpdatePagesButtons() {
    currentPage_ = std::min(currentPage_, LastPage());
}

void TMatchdayRunner::NextPage() {
    if (NextPageEnabled()) ++currentPage_;
}

void TMatchdayRunner::PreviousPage() {
    if (PreviousPageEnabled()) --currentPage_;
}

int TMatchdayRunner::GamesOnCurrentPage() const {
    const int remaining = world_.RoundGames.Count() - currentPage_ * 24;
    return std::clamp(remaining, 0, 24);
}

bool TMatchdayRunner::Click(const TMatchdayGeometry& geometry, int x, int y) {
    const TLineClick hit =
        HitTest(geometry, x, y, currentPage_, world_.RoundGames.Count(), journeyKind_ == 1);
    if (hit.gameIndex < 0) return false;
    TGame* game = world_.RoundGames[hit.gameIndex];
    if (game == nullptr || !game->HasTeams()) return false;
    Pause();
    AskSubstitution(*game, hit.side, 1);
    Resume();
    return true;
}

bool ShowMatchday(TWorld& world, int journeyKind, const std::string& caption,
                  const TMatchdayRunner::TGameObserver& beforeResult) {
    TMatchdayRunner runner(world, journeyKind, caption);
    runner.beforeResult = beforeResult;
    runner.Start();
    world.Port().ShowMatchday(runner);
    return runner.HumanClubPlayed();
}

void ProcessFinishedGames(TWorld& world, const TMatchdayRunner::TGameObserver& beforeResult) {
    while (world.RoundGames.Count() > 0) {
        TGame* game = world.RoundGames[0];
        if (game != nullptr) {
            if (beforeResult) beforeResult(*game);
            ProcessResult(*game);
        }
        world.RoundGames.Delete(0);
    }
}
