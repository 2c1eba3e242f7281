#pragma once
// The draw of a cup round as a state machine: the windowed draw calls DrawNextPair() on its timer and
// repaints, a headless front end calls it in a loop; the draws come in the same order either way.
//
// Opening the draw sorts the cup clubs by prestige (the seeding value), strongest first, and marks every
// one undrawn (cupSlot 9999). The strongest clubs skip an uneven round (pot 0). Until the quarter-finals the
// upper half of the playing clubs meets the lower half (pots 1 and 4, and with no club exempt, 2 and 3);
// from eight clubs on anyone may meet anyone (pot 5). Each pair takes the next two draw numbers, the
// first-drawn club first: sorted by cupSlot, the cup list then holds the games in pairs and the exempt
// clubs at its end.
#include "foundation/kol_object.h"

#include <cstdint>
#include <string>
#include <vector>

class TTeam;
class TWorld;

class TCupDraw {
public:
    static constexpr std::int16_t kUndrawn = 9999;

    // One drawn pair and the line the draw shows for it ("A* - B": a star marks a human coach).
    struct TPair {
        TTeam* first = nullptr;
        TTeam* second = nullptr;
        std::string line;
        bool human = false; // either coach is a person: the line goes to the human list as well
    };

    // Opens the draw of `games` games over the world's cup clubs; 0 computes the number: d doubles from 1
    // while half the cup clubs exceed it, and games := clubs - d.
    TCupDraw(TWorld& world, int games);

    // The number of games a round of `cupClubs` clubs plays, leaving a power of two.
    static int GamesFor(int cupClubs);

    // The world whose cup clubs are drawn.
    TWorld& World() const { return world_; }

    int Games() const { return games_; }
    int GamesLeft() const { return gamesLeft_; }
    bool Finished() const { return gamesLeft_ <= 0; }
    int ExemptCount() const { return exempt_; }
    int PotSize() const { return potSize_; }
    bool FinalStages() const { return finalStages_; }
    // The pot (0..5) of the club at `index` of the seeded cup list.
    int PotOf(int index) const;
    // Whether t1 (drawn first) from pot `pot1` may meet t2 from pot `pot2`.
    static bool PotsMayMeet(int pot1, int pot2);
    // The background colour of a pot in the team list (0x00BBGGRR).
    static TColor PotColour(int pot);
    // The timer interval of the windowed draw, in milliseconds.
    int IntervalMs() const;

    // Draws one pair; false (nothing drawn) once every game is drawn. A draw opened with more games than
    // the pots can pair raises std::logic_error instead of drawing for ever.
    bool DrawNextPair();
    // Every pair so far, in the order drawn.
    const std::vector<TPair>& Pairs() const { return pairs_; }

private:
    bool AllowedPairExists() const;

    TWorld& world_;
    int games_ = 0;
    int gamesLeft_ = 0;
    int exempt_ = 0;
    int potSize_ = 1;
    bool finalStages_ = false;
    std::int16_t nextNumber_ = 1;
    std::vector<TPair> pairs_;
};

// After the draw: the cup clubs in draw-number order (stable), so the games stand in pairs at positions
// (0, 1), (2, 3), ..., the first-drawn club first, and the undrawn (exempt) clubs at the end.
void SortCupTeamsByDraw(TWorld& world);

// The draw of the next cup round through the user port (the windowed draw paces it); a port that does
// not show the draw leaves it to run here without pause.
void DrawCupRound(TWorld& world, int games);
