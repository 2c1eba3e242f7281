#pragma once
// A matchday being played, as a front end sees it. The match rules run it one tick at a time; whoever shows
// it paces the ticks: a window calls Tick() from a timer every TimerInterval() milliseconds and repaints, a
// port without windows calls it in a loop. The ticks, and so every random draw, are the same either way.
class TMatchdayTicker {
public:
    virtual ~TMatchdayTicker() = default;
    // One tick of the matchday's clock; false once the matchday is over (the window may close then, and
    // only then).
    virtual bool Tick() = 0;
    // How long a tick lasts on the screen, in milliseconds; it changes when the number of clubs run by a
    // person who are still playing changes.
    virtual int TimerInterval() const = 0;
};
