#pragma once
// The generator of a career played from the command line, at the points a game file can resume from.
//
// A game file does not hold the state of the random generator, so a loaded game cannot go on with the
// draws the career would have made without the save. The headless career therefore seeds the generator
// anew at every such point, from the world itself: after every club screen of a person (the autosave
// point: a game saved there resumes at that screen, which keeps its line-up), at the end of every season
// (where the game is saved with no club screen open) and when a game is loaded. The seed is a digest of
// values the game file keeps, taken only from what is the same in the running career and in the same
// career loaded from a file saved at that point; so a career stopped, saved and loaded goes on exactly as
// the one that went on in memory, whatever it was started with.
#include <cstdint>

class TWorld;

// The digest of the season, round, price level and id counter, and of every club's money, loan, table
// figures and squad (ids, levels, form, salaries, line-up roles). Not the description, the club whose
// screen was open or whether the league part of the round was played: those differ between a running
// career and the same career loaded.
std::uint32_t ResumeSeed(const TWorld& world);
