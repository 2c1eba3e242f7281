#pragma once
// What the market's windows tell of one player: the heading "Name - Goalkeeper, Level 81, Age 26" (the
// level and the age named by their column titles), and the lines of his details.
#include <string>
#include <vector>

class TPlayer;

std::string PlayerHeading(const TPlayer& player);

// Behaviour, goals this season, the career (games, goals, red cards, injuries: one line each under its
// title, or all on the title's line when `careerOnOneLine`), then his suspension and injury notes.
std::vector<std::string> PlayerDetailLines(const TPlayer& player, bool careerOnOneLine);
