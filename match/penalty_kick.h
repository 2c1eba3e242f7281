#pragma once
// A penalty awarded during play: one kick of a taker against the other side's goalkeeper.
class TGame;
class TPlayer;
class TTeam;

// The side's best taker: players on the field before the others, and among those on the field the
// highest DuelStrength, the later one of equals.
TPlayer* PenaltyTaker(const TTeam& team);
// The goalkeeper who faces a kick: the player on the field with the lowest position code, the later one
// of equals. nullptr when nobody is on the field.
TPlayer* FacingKeeper(const TTeam& team);

struct TPenaltyOutcome {
    int result = 0; // the kick's code: 1 a goal, 2..6 the kinds of miss; 0 no kick (nobody to take it)
    TPlayer* taker = nullptr;
};

// The kick of `shooting` against `defending` in `game`. Between computer clubs the best taker shoots at
// once. When either club's coach is a person the kick is shown through the user port (with a beep), and a
// person coaching the shooting side picks the taker there; that choice is the only difference the person
// makes. The kick is ResolveDuel: three draws.
TPenaltyOutcome InPlayPenalty(TGame& game, TTeam& shooting, TTeam& defending);
