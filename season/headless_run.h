#pragma once
// A career played without windows from the command line (--headless --help prints the options):
//   --headless --seed N [--seasons K] [--countries A,B,...] [--humans H] [--data-dir DIR] [--save FILE]
//   [--report FILE.json] [--stop-before-round R], or --headless --load FILE [...] without the new-career
//   options.
// The clubs of the chosen countries (by code or name; all when none is given), H human coaches whose
// decisions the autopilot takes as a computer club would, K seasons (1 by default), each summed up on
// `out`; the same as JSON in the report file. A new career starts in 2002 with the seed. The generator is
// seeded again from the world at every point a game can resume from (season/resume_seed), so a loaded game
// goes on as the career that saved it. --save writes the game wherever the rules save it.
// --stop-before-round R (with --save) saves at the first club screen of a human coach in round R, as the
// autosave does there, and ends the run; --load plays on from that screen.
#include <ostream>
#include <string>
#include <vector>

// True when the arguments (without the program's name) ask for a run without windows.
bool WantsHeadless(const std::vector<std::string>& args);

// Runs the career; `defaultGameDir` is the game folder without --data-dir. A bad option, folder or file
// writes one line to `err` and returns 2; a run that ends normally returns 0.
int RunHeadless(const std::vector<std::string>& args, const std::string& defaultGameDir, std::ostream& out,
                std::ostream& err);
