#pragma once
// What a card or an injury does to a club's player during play. Each returns the player concerned, or
// nullptr when nothing happened (no player found, or the club already down to six on the field).
class TPlayer;
class TTeam;

// A yellow card for a player drawn by behaviour (a player of behaviour 0 is never booked). The first of
// the match: booked, one more yellow card and card point (every third point suspends him for two games),
// one form point less. A second one is given only on Random(2) = 0 and only while the club has 7 or more
// on the field: he leaves the field (lineupRole 0), is suspended for Random(4) + 2 more games, gets a red
// card and form 0. The caller tells the two apart by his lineupRole.
TPlayer* BookPlayer(TTeam& team);

// A straight red card, only while the club has 7 or more on the field: a player drawn by behaviour
// leaves the field, suspended Random(4) + 2 more games, a red card, form 0.
TPlayer* SendOffPlayer(TTeam& team);

// An injury, only while the club has 7 or more on the field: a player drawn by injury proneness leaves
// the field for Random(Random(20)) + 1 games (short injuries are far more frequent), loses 10 levels (not
// below 1) and all his form.
TPlayer* InjurePlayer(TTeam& team);
