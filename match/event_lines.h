#pragma once
// The events of a game as the lines of the substitution dialog's list, in order: a goal with the running
// score, the cards and injuries with their words, a disallowed goal in its own sentence. The player's name
// is cut to 20 characters.
#include <string>
#include <vector>

class TGame;

std::vector<std::string> EventLines(const TGame& game);
