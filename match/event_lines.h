#pragma once
// The events of a game as the lines of the substitution dialog's list, in order: a goal with the running
// score, the cards and injuries with their words, a disallowed goal in its own sentence. The player's name
// is cut to 20 characters.
#include <string>
#include <vector>

class TGame;

// Which lines the list keeps besides the goals, the bookings and the disallowed goals.
struct TEventLineFilter {
    bool redCards = true; // a sending-off and a second booking (the player leaves the field)
    bool injuries = true;
};

// The running score counts every goal, whatever the filter leaves out.
std::vector<std::string> EventLines(const TGame& game, TEventLineFilter filter = {});
