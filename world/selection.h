#pragma once
// Picking a club's players for its next match: by formation, automatically, and the check that a selection
// may be played. A human coach does this on the club screen; the screen only calls these and shows what
// they return, so the same selection rules hold whoever picks.
#include "world/formations.h"

#include <cstdint>
#include <string>
#include <vector>

class TPlayer;
class TTeam;

// Why a selection cannot be played, checked in this order; each has a language text that the screen fills
// with the arguments of TSelectionCheck.
enum TSelectionProblem : int {
    spNone = 0,
    spUnavailablePlayer = 1, // a starter or bench player is suspended or injured: his name
    spGoalkeepers = 2,       // not exactly one goalkeeper starts: the number that do
    spOutfieldPlayers = 3,   // outfield starters differ from min(10, available): wanted, picked
    spBenchTooLong = 4,      // more than 7 on the bench: the limit, the number picked
};

// Language texts of the problems, from spUnavailablePlayer on.
constexpr int kSelectionProblemTexts[5] = {0, 625, 626, 627, 628};

constexpr int kMaxBench = 7;
constexpr int kMaxSubstitutions = 3;

struct TSelectionCheck {
    int problem = spNone;
    int textNumber = 0;                // 0 when the selection may be played
    std::vector<std::string> textArgs; // the arguments, in the order of the text's directives
    std::vector<int> numberArgs;       // the integer arguments, after the text ones
    bool Valid() const { return problem == spNone; }
    // The message in the language loaded (empty for a valid selection).
    std::string Message() const;
};

// Sorts the squad in the order the club screen lists it: by position, then by name ignoring case.
void SortSquadForDisplay(TTeam& club);

// Marks starters (and, with `withBench`, a bench) for the given numbers per line: every role is cleared
// first when `clearFirst`, the squad is shuffled so that equal candidates come in random order, the
// club's choice (ChooseLineup) places the players, players already placed keep their role, and the squad
// is sorted for display again.
void SelectPlayers(TTeam& club, int goalkeepers, int defenders, int midfielders, int forwards, bool withBench,
                   bool clearFirst);

// A formation command: a new selection of one goalkeeper and the formation's lines, with a bench; then the
// check.
TSelectionCheck SelectFormation(TTeam& club, const TFormation& formation);

// The automatic choice against `opponent`: one player of each line held back, a stronger side (its
// average level minus the opponent's, plus 20 at home, at least 20) trades a defender for a forward, a
// weaker one (at most -10) a forward for a defender; then the goalkeeper, the rest of the team and the
// bench; then the check.
TSelectionCheck AutomaticSelection(TTeam& club, const TTeam& opponent, bool atHome);

// A line-up click on the club screen: an available player moves from the stands to the team, from the
// team to the bench, from the bench to the stands. A suspended or injured player keeps his role (false).
bool CycleLineupRole(TPlayer& player);

// Whether the selection may be played, and the first reason it may not. Also sets the club's benchCount to
// the substitutions it will have: min(3, bench players).
TSelectionCheck CheckSelection(TTeam& club);
