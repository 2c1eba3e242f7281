#pragma once
// The live matchday: every game of the round's games advances together, one match minute per tick, with a
// half-time break, the settling of a cup round's decided ties after 90 minutes, extra time for the others,
// and five ticks before the kick-off and after the final whistle in which nothing happens. The runner is
// stepped by the user port's ShowMatchday (a window paces it with a timer, a port without windows loops),
// so every draw comes in the same order whatever shows it.
#include "world/matchday_ticker.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class TGame;
class TWorld;
struct TMatchdayGeometry;

// The clock of the window: a 60-minute dial that starts at 0, at 45 for the second half and at 90 for
// extra time, in blue, red and purple.
enum TClockPhase : int {
    cpFirstHalf = 0,
    cpSecondHalf = 1,
    cpExtraTime = 2,
};

class TMatchdayRunner final : public TMatchdayTicker {
public:
    static constexpr int kLeadInTicks = 5; // ticks before the kick-off and after the final whistle
    using TMinuteStep = std::function<void(TGame&, int)>;
    using TGameObserver = std::function<void(TGame&)>;

    // `journeyKind` 0 a league matchday, 1 a cup round.
    TMatchdayRunner(TWorld& world, int journeyKind, std::string caption);

    // The matchday begins: every starter of the world makes an appearance, the clock stands at -5 and the
    // pace is set.
    void Start();
    // One tick: the minute steps of every game in list order once the clock is past 0, half time after
    // minute 45, the settling of a cup round after 90 and extra time up to 120. False once the five closing
    // ticks have passed. A tick while the matchday is paused (a dialog is open) does nothing.
    bool Tick() override;
    int TimerInterval() const override { return timerInterval_; }

    // Dialogs opened during play stop the clock; the window's timer ticks in vain meanwhile.
    void Pause() { ++paused_; }
    void Resume() {
        if (paused_ > 0) --paused_;
    }
    bool Paused() const { return paused_ > 0; }

    // A click on the window: on a club's name in a game's line, the club's coach is asked for a
    // substitution (his own wish). True when a name was hit.
    bool Click(const TMatchdayGeometry& geometry, int x, int y);

    // The pages of 24 lines.
    int LastPage() const;
    bool NextPageEnabled() const { return currentPage_ < LastPage(); }
    bool PreviousPageEnabled() const { return currentPage_ > 0; }
    bool PageButtonsVisible() const { return LastPage() > 0; }
    void NextPage();
    void PreviousPage();
    int CurrentPage() const { return currentPage_; }
    // The games shown on the current page (a cup page counts at most 24).
    int GamesOnCurrentPage() const;

    // Recounts the clubs run by a person in the games still played and sets the pace from the profile.
    void UpdateTimerIntervall();

    const std::string& Caption() const { return caption_; }
    int JourneyKind() const { return journeyKind_; }
    int MinuteCounter() const { return minuteCounter_; }
    int LastMinute() const { return lastMinute_; }
    bool CanClose() const { return canClose_; }
    int HumanPlayers() const { return humanPlayers_; }
    // Whether a club run by a person played in this matchday (counted when it began: a cup tie of such a
    // club may be settled after 90 minutes while other ties play on).
    bool HumanClubPlayed() const { return humanClubPlayed_; }
    TClockPhase ClockPhase() const { return clockPhase_; }
    // The clock's hand: the minute when play is on, 0 before.
    int ClockPosition() const { return clockPosition_; }

    // Seams: what plays one game's minute (the match rules by default), and what sees a game just before
    // its result is processed (nothing by default).
    TMinuteStep minuteStep;
    TGameObserver beforeResult;

private:
    void HalfTime();
    void SettleAtNinety();
    void UpdatePagesButtons();

    TWorld& world_;
    int journeyKind_;
    std::string caption_;
    int minuteCounter_ = -kLeadInTicks;
    int lastMinute_ = 90;
    bool canClose_ = false;
    int currentPage_ = 0;
    int humanPlayers_ = 0;
    int timerInterval_ = 0;
    int paused_ = 0;
    bool humanClubPlayed_ = false;
    bool inTick_ = false;
    TClockPhase clockPhase_ = cpFirstHalf;
    int clockPosition_ = 0;
};

// Plays the round's games as one matchday through the user port; true when a club run by a person played.
// `beforeResult` sees every game just before its result is processed during play.
bool ShowMatchday(TWorld& world, int journeyKind, const std::string& caption,
                  const TMatchdayRunner::TGameObserver& beforeResult = {});

// After the matchday: every game still in the round's games goes through result processing, in list
// order, and leaves the list.
void ProcessFinishedGames(TWorld& world, const TMatchdayRunner::TGameObserver& beforeResult = {});
