#pragma once
// An attack in open play: whether a club scores in a minute, and who.
class TPlayer;
class TTeam;

// The chance threshold P of `attacker` against `defender`, from their line strengths GK, DF, MF, FW:
// the balance X = a1/(a1+b1+1) + 2 a2/(a2+b2+1) + a3/(a3+b3+1) with the cumulative 16-bit sums
// a1 = 1 + DF, b1 = 1 + FW', a2 = a1 + MF, b2 = b1 + MF', a3 = a2 + FW, b3 = b2 + DF' + 3 GK' (primed:
// the defender's); P = 2 X ln(Attack / Defence + 1) with Attack = (FW + 5 + MF/2 + 1) x 4 and
// Defence = 3 GK' + 5 + DF' + MF'/2 + 1.
long double ScoringThreshold(const TTeam& attacker, const TTeam& defender);

// Whether `attacker` (side 0 at home, 1 away) scores in minute `minute`. With G = its goals so far,
// disallowed ones included: at home Random(180) < P - G, failing that Random(360) = 0; away Random(240)
// < P - G, failing that Random(540) = 0. A chance then converts when Random(30) < minute (so less often
// in the first half hour), and the scorer is drawn among the players on the field weighted by level,
// position and scoring weight; no scorer found, no goal. Returns the scorer, or nullptr.
TPlayer* TryToScore(TTeam& attacker, int minute, const TTeam& defender, int side);
