#pragma once
// How fast the season windows run the timers that wait for the person: the tables' and the end of season's
// self-closing seconds, the cup draw's pairs and its closing ticks. The times are the rules' own; this only
// scales them on the screen, so a test can let those windows close at once without changing what they show
// or what the draw draws.
//
// 100 (the default) is the game's own pace; 0 runs every such timer at 0 ms (as fast as the event loop goes).
void SetSeasonPace(int percent);
int SeasonPace();
// `ms` scaled by the pace.
int SeasonPacedMs(int ms);
