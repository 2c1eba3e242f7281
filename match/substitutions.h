#pragma once
// Changing players during a match. A club may make as many substitutions as its benchCount allows (set
// by the selection check: at most three, and no more than it has bench players); every substitution uses
// one.
//
// Two kinds of exchange exist. The substitution proper (the coach's own wish, half time, before extra
// time, and after his goalkeeper was sent off) brings a bench player on for a player on the field; while
// the club has a goalkeeper on the field a goalkeeper can only be exchanged for a goalkeeper and an
// outfield player for an outfield player, and the player who comes on makes an appearance. The
// replacement of an injured player (who has already left the field) takes a bench player of the injured
// player's kind, or anyone when no goalkeeper sits on the bench; it adds no appearance.
//
// The dialogs of a human coach call these operations; the autopilot of the scripted port chooses the
// players as a computer club would.
class TGame;
class TPlayer;
class TTeam;

// Why a substitution is asked for.
enum TSubstitutionReason : int {
    srOwnWish = 1,
    srInjury = 2,
    srKeeperSentOff = 3,
    srBreak = 4, // half time, or before extra time
};

// True while one of the club's goalkeepers is on the field.
bool KeeperOnField(const TTeam& club);
// True when the club may still substitute: a substitution left and somebody on the bench.
bool CanStillSubstitute(const TTeam& club);

// Whether `incoming` (on the bench) may replace `outgoing` (on the field) by the substitution proper.
bool MaySubstitute(const TTeam& club, const TPlayer& outgoing, const TPlayer& incoming);
// The substitution proper; false (and nothing changed) when it is not allowed.
bool Substitute(TTeam& club, TPlayer& outgoing, TPlayer& incoming);

// Whether `incoming` (on the bench) may replace the injured player.
bool MayReplaceInjured(const TTeam& club, const TPlayer& injured, const TPlayer& incoming);
// The replacement of an injured player; false (and nothing changed) when it is not allowed.
bool ReplaceInjured(TTeam& club, TPlayer& injured, TPlayer& incoming);

// What the scripted port does when the rules ask a human coach for a substitution: the choice a computer
// club makes. After an injury the first bench player of the injured player's kind comes on; after the
// goalkeeper was sent off the first bench goalkeeper replaces the last outfield player on the field
// (never the first of the squad list); the coach's own wish and the breaks change nothing.
void AutopilotSubstitution(TGame& game, int side, int reason, TPlayer* player);

class TScriptedUserPort;
// Lets the scripted port answer every substitution question with the autopilot above.
void InstallSubstitutionAutopilot(TScriptedUserPort& port);
