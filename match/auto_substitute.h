#pragma once
// A computer club's substitution when it loses a player during play.
#include "match/substitutions.h"

class TPlayer;
class TTeam;
// Nothing without a substitution left (benchCount < 1). After an injury (srInjury) the first bench player
// who is a goalkeeper exactly when the injured one was comes on. After a sending-off
// (srKeeperSentOff) only a goalkeeper sent off is replaced: the first goalkeeper on the bench comes on
// and the last player on the field in the squad list (never its first entry) goes off to make room. The
// one who comes on plays (lineupRole 1) and makes an appearance; one substitution less is left; the line
// strengths are recomputed. True when a player came on.
bool AutoSubstitute(TTeam& team, int reason, const TPlayer& player);
