#pragma once
// Draws the live matchday as the match layer gives it: every game of the round on the current page as one
// line (crowd, both clubs in their colours, scores, the latest event with its symbol), then the navy frame
// round the lines. The lines, their cells and the frame come from match/game_lines as data; this only
// paints them, so the mouse handling of the window hits exactly the cells drawn here.
#include "match/game_lines.h"

class QPainter;
class TWorld;

struct TJourneyView {
    TMatchdayGeometry geometry;
    int page = 0;
    bool cupMatchday = false;
    int gamesOnPage = 0; // the games on the current page (the frame of a cup page)
};

// Paints the lines of `world`'s RoundGames on `view.page`, and the frame, on a pitch-green ground.
void PaintJourney(QPainter& painter, const TWorld& world, const TJourneyView& view);
// One game's line in `row`.
void PaintGameLine(QPainter& painter, const TMatchdayGeometry& geometry, int row, const TGameLine& line);
