#pragma once
// One minute of one game: the steps that decide with the program's generator whether a goal, a penalty, a
// card, an injury or a disallowed goal happens, and what it does to the clubs and their players. Each
// step that makes something happen appends one event to the game and returns true. A heading row (no
// clubs) never has an event, though it still draws where a step draws before looking at the clubs.
//
// Every draw is made in the order below; the order is part of the rules, and a changed order changes every
// career played from a seed.
class TGame;
class TPlayer;

// Plays minute `minute` of `game` (1..90, in extra time 91..120): the goals; only if they made nothing,
// the bookings; only if nothing, a sending-off; only if nothing, an injury; only if nothing and the minute
// is not 46 or 91 (the first of a half), the review of the last goal. The wear runs in every minute. So a
// game has at most one event a minute, except that a goal may be disallowed the minute after. True when an
// event was made or changed.
bool PlayGameMinute(TGame& game, int minute);

// A penalty for the home side when Random(6000) < homeFavour, then (Random(7000) always drawn) one for
// the away side when that draw < awayFavour and the home side has not scored from its penalty; without a
// penalty goal, the home side's attack and, if it did not score, the away side's. The scorer's goals go up
// by one, and his form by one when it is below 6 and Random(3) = 0.
bool PlayMinuteGoals(TGame& game, int minute);
// Only when Random(90) < minute: a card for the home side when Random(120) is below 15 and above the
// referee's home favour, else a card for the away side when Random(90) is below 15 and above his away
// favour. A second yellow card sends the player off.
bool PlayMinuteBookings(TGame& game, int minute);
// From minute 30: a red card for the home side when Random(1000) is below 10 and above the home favour,
// else for the away side when Random(1000) is below 10 and above the away favour.
bool PlayMinuteSendingOff(TGame& game, int minute);
// Random(500): 0 injures a home player, 1 an away player.
bool PlayMinuteInjury(TGame& game, int minute);
// A goal of the minute before, in open play, may be disallowed: Random(30) = b; a home goal stands when
// b >= 10 or b <= homeFavour (the away goal with awayFavour). A disallowed goal is taken from the club and
// the scorer and counts as a disallowed goal of the club.
bool ReviewLastGoal(TGame& game, int minute);
// For the home club and then the away club: one player of the whole squad drawn with Random(count); a
// player on the field tires (wearCounter - 1), anyone else rests (+ 1). Nothing for a heading row.
void MinuteWear(TGame& game);

// A player of side `side` (0 home, 1 away) has just been sent off: a beep when a person coaches either
// club; a person coaching that side is asked for a substitution when it was his goalkeeper, a computer
// club makes its own; the line strengths of both clubs are recomputed.
void AfterSendingOff(TGame& game, int side, TPlayer& player);
