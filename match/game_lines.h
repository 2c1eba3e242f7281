#pragma once
// What the live matchday shows of each game: one line per game of the round with the crowd, both clubs in
// their colours, the scores and the latest event as a small symbol and a line of text. The core gives the
// line as data and the screen geometry as numbers; a painter only draws them, and the mouse handling hits
// the same cells.
#include "foundation/kol_object.h"

#include <cstdint>
#include <string>

class TGame;
class TGameEvent;

struct TLineRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TLineRect&) const = default;
};

// The geometry of the matchday window, from the screen size.
struct TMatchdayGeometry {
    static constexpr int kRowsPerPage = 24;
    static constexpr int kLeft = 20;        // the left margin of every line
    static constexpr int kFirstRowTop = 42; // under the caption
    static constexpr int kFrameMargin = 12; // the frame's distance from the window's sides
    int screenWidth = 0, screenHeight = 0;
    int rowHeight = 0;        // Round(H / 30)
    int fontSize = 0;         // half the row height
    int attendanceColumn = 0; // Round(W x 40 x 0.00125)
    int nameColumn = 0;       // Round(W x 180 x 0.00125)
    int scoreColumn = 0;      // Round(W x 15 x 0.00125)

    static TMatchdayGeometry ForScreen(int width, int height);
    int RowTop(int row) const { return (rowHeight + 2) * row + kFirstRowTop; }
};

// The row of the window in which the game at `index` of the round's games is drawn on `page`, or -1 when
// it is on another page. A cup tie's row is one further down: the first row of a cup page stays free.
int GameLineRow(int index, int page, bool cupTie);

// The cells of a game's line in `row`, left to right.
struct TGameLineCells {
    TLineRect attendance, homeName, homeScore, awayScore, awayName, event;
};
TGameLineCells CellsOfRow(const TMatchdayGeometry& geometry, int row);

// The symbol drawn in front of an event's text.
enum TEventSymbol : int {
    esNone = 0,
    esYellow = 1,
    esRed = 2,
    esYellowThenRed = 3, // yellow, then red shifted two pixels right and down
    esInjuryCross = 4,   // white with a red cross
};

struct TEventMark {
    int symbol = esNone;
    int textNumber = 0; // 0: the name, a blank, the minute and "'"
    std::string playerName;
    int minute = 0;
    bool bold = false; // the home side's events are bold
    std::string Text() const;
};
TEventMark EventMarkOf(const TGame& game, const TGameEvent& event);
// The symbol square of an event cell, and where its text starts.
TLineRect EventSymbolSquare(const TLineRect& cell);
int EventTextLeft(const TLineRect& cell);

// A game's line as data. A heading row shows only its title; a game with a club missing shows nothing.
struct TGameLine {
    bool heading = false;
    bool shown = false;
    std::string title;
    std::int32_t attendance = 0;
    std::string homeName, awayName;
    TColor homeBack = 0, homeText = 0, awayBack = 0, awayText = 0;
    bool homeFramed = false, awayFramed = false; // a pitch-green shirt is framed in its text colour
    std::int32_t homeGoals = 0, awayGoals = 0;
    bool hasEvent = false;
    TEventMark event;
};
TGameLine GameLineOf(const TGame& game);

// Where a click on the window lands: the index of the game in the round's games and the side (0 home, 1
// away) whose name was hit; -1 for both when the click is on no club's name.
struct TLineClick {
    int gameIndex = -1;
    int side = -1;
};
TLineClick HitTest(const TMatchdayGeometry& geometry, int x, int y, int page, int gameCount,
                   bool cupMatchday);

// The frame drawn round the lines: `games` is the number of games on the current page for a cup matchday
// (at most 24 count), and the number of games of the round for a league matchday.
struct TMatchdayFrame {
    int left = 0, right = 0, top = 0, bottom = 0;
    bool topLine = false; // a cup matchday closes the frame at the top
};
TMatchdayFrame FrameOf(const TMatchdayGeometry& geometry, bool cupMatchday, int games);
