#pragma once
// What a finished game leaves behind: the gate money, both clubs' calendar lines and season counters, the
// prestige of clubs and coaches, the crowd's support, the players' form, a coach who may lose his job, the
// cup's loser (a level tie is decided by a shoot-out), the running costs of both clubs and the suspensions
// and injuries they serve. Afterwards the game no longer refers to its clubs, and its referee is free again.
class TGame;
class TTeam;

// Runs once per game, for every kind (a heading row only frees its referee). The caller takes the game
// out of the round's games afterwards.
void ProcessResult(TGame& game);

// The crowd's support as a running average kept in the 6-byte reals of the saved game:
// w x support + (1 - w) x sample, every term rounded to that format.
long double SupportAverage(long double support, long double w, long double sample);
