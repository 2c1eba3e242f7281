#pragma once
// How fast the match windows run their timers: the live matchday's ticks, the penalty's and the shoot-out's
// steps. The intervals come from the rules (the game-time profile, the shoot-out's pause between kicks);
// this only scales them on the screen, so a test or a demonstration can run a matchday at the fastest pace
// without changing a single draw.
//
// 100 (the default) is the game's own pace; 0 runs every timer at 0 ms (as fast as the event loop goes).
void SetMatchPace(int percent);
int MatchPace();
// `ms` scaled by the pace.
int PacedMs(int ms);
