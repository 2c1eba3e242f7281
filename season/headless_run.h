#pragma once
// A career played without windows from the command line:
//   --headless --seed N [--seasons K] [--countries A,B,...] [--humans H] [--data-dir DIR] [--load FILE]
//   [--save FILE] [--report FILE.json] [--stop-before-round R]
// The clubs of the chosen countries (by code or name; all when none is given), H human coaches whose
// decisions the autopilot takes as a computer club would, K seasons (1 by default), each summed up on
// `out`; the same as JSON in the report file. A new career starts in 2002 with the seed; a loaded one goes
// on from its file with the generator seeded. --save writes the game wherever the rules save it.
// --stop-before-round R (with --save) saves at the first club screen of a human coach in round R and ends
// the run, so the game can be loaded and played on from inside the round.
#include <ostream>
#include <string>
#include <vector>

// True when the arguments (without the program's name) ask for a run without windows.
bool WantsHeadless(const std::vector<std::string>& args);

// Runs the career; `defaultGameDir` is the game folder without --data-dir. A bad option, folder or file
// writes one line to `err` and returns 2; a run that ends normally returns 0.
int RunHeadless(const std::vector<std::string>& args, const std::string& defaultGameDir, std::ostream& out,
                std::ostream& err);
