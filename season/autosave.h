#pragma once
// When the game saves itself during a round: after a person closes a club screen, at most once a round,
// by the option "saveGameWhen" (1 every round, 2 every third round; any value in round 1).
class TTeam;
class TWorld;

// Whether a club screen closed now saves the game.
bool AutosaveDue(const TWorld& world);
// Marks where the career stands (the club that just prepared, and whether the league part of the round is
// behind it) so that a load resumes right after this club, and returns true: the caller then saves.
// Nothing happens (false) when no save is due.
bool PrepareAutosave(TWorld& world, const TTeam& club, bool leagueGame);

// The club screen's save: marks the career as standing at this club's preparation (the club that prepares
// again after a load, and whether the league part of the round is behind it, taken from the club's game of
// the round), then writes the game file. False, with the reason shown through the port, when it could not
// be written.
bool SaveAtClubScreen(TWorld& world, const TTeam& club);
