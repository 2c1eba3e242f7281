#pragma once
// The shoot-out that decides a cup tie still level after extra time.
//
// Watched, it is a state machine: every Kick() is one kick, the sides alternating from the home side, and
// a port that shows it paces the kicks with a timer. Not watched (computer clubs only, before the last
// round, and the option to watch computer shoot-outs off), a quick draw decides at once.
#include "foundation/kol_list.h"
#include "match/cup_penalty.h"

#include <array>
#include <cstdint>
#include <functional>

class TCalendarEntry;
class TGame;
class TPlayer;
class TTeam;

class TShootout {
public:
    // One record per side, 0 home, 1 away.
    struct TSide {
        std::int32_t kicksTaken = 0;
        std::int32_t goals = 0;
        std::int32_t nextTaker = 0; // index into the club's player list
        TTeam* club = nullptr;
    };

    // Sets up the shoot-out of `game` (both clubs present): both clubs' squads are put in the order of
    // their takers (players on the field first, by DuelStrength from the strongest, the list order kept
    // among equals), which stays after the shoot-out.
    explicit TShootout(TGame& game);

    // One kick of the side whose turn it is: its next player on the field (from its next index, wrapping
    // round to the first of the list) against the other side's goalkeeper on the field; a new line for a
    // home kick, the away result on the line of its number. Then the end rule: within the first five
    // pairs the shoot-out ends as soon as one side cannot catch up any more; from the sixth pair on it
    // ends after an away kick that leaves the scores different. Nothing once finished.
    void Kick();
    bool Finished() const { return finished_; }
    // Valid once finished: the away club goes through when it has scored at least as many.
    bool AwayGoesThrough() const { return sides[1].goals >= sides[0].goals; }
    // The pause between two kicks a window shows, in milliseconds: longer when a person coaches a club.
    int KickIntervalMs() const;

    TGame& Game() const { return *game_; }
    // The kick itself: ResolveDuel(taker, keeper) unless replaced (tests script the kicks' codes here).
    std::function<int(const TPlayer& taker, const TPlayer& keeper)> resolveKick;
    std::array<TSide, 2> sides;
    int currentSide = 0; // 0: the home side kicks next
    TKolList<TCupPenalty> lines{true};
    int selectedLine = -1; // the line of the last kick

private:
    TGame* game_;
    bool finished_ = false;
};

// True when the shoot-out of `game` is watched: the option to watch computer shoot-outs is on, a person
// coaches either club, or the round is the 18th or later.
bool ShootoutIsWatched(const TGame& game);

// The quick draw between computer clubs: Random(L) three times for the home club (L its AverageLevel),
// then three times for the away club; the away club goes through when its sum is at least the home
// club's.
bool QuickShootout(const TTeam& home, const TTeam& away);

// Decides a cup tie level after extra time; true when the away club goes through. A watched shoot-out is
// shown through the user port (which kicks it at its own pace); when the port does not show it, its kicks
// are taken at once. The winner's calendar entry gets the decision 2, the loser's 3 (either may be nullptr).
bool RunShootout(TGame& game, TCalendarEntry* homeEntry, TCalendarEntry* awayEntry);
