#pragma once
// The players who retire at the end of a season come back as 17-year-old youths of level 1 and go to the
// clubs with the fewest players, preferably of the club's own nationality. No player leaves the world.
class TWorld;

// Takes every retiring player out of his club and out of every coach's observed list, turns him into a
// youth, shuffles the free players and then AllTeams (which stays shuffled), gives the free players to
// every club below 9 players, then below 10, ... up to 28, and hands any still left to random clubs.
void RecycleRetiredPlayers(TWorld& world);
