#pragma once
// The line that heads the market's windows about one player: "Name - Goalkeeper, Level 81, Age 26", the
// level and the age named by their column titles.
#include <string>

class TPlayer;

std::string PlayerHeading(const TPlayer& player);
