#pragma once
// The whole run of a career: the options from the settings store, the choice of a new or a saved game,
// then seasons until the person quits or the game selection was cancelled.
#include "season/game_loop.h"

#include <functional>
#include <memory>

class TSettingsStore;
class TWorld;

// The career options of the world from the settings store (a game-time profile outside 1..4 becomes 2).
void ReadOptions(TWorld& world, TSettingsStore& settings);
// The career options, the currency's name and the game file's path back to the settings store.
void WriteOptions(const TWorld& world, TSettingsStore& settings);

// How a career begins: a new world built into the empty world, or a saved game loaded in its place.
// Cancelling sets the world's StopRequested (and QuitRequested); then no season is played and no option
// is written.
using TCareerStart = std::function<void(std::unique_ptr<TWorld>&)>;

// Reads the options, begins the career unless a stop or quit is already asked for (the options go to the
// world it ends with), plays seasons while neither is set, and writes the options when the person quit.
void RunCareer(std::unique_ptr<TWorld>& world, TSettingsStore& settings, const TCareerStart& begin,
               const TSeasonSteps& steps);
