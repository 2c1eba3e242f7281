#include "match/game_lines.h"

#include "foundation/format_text.h"
#include "foundation/numeric.h"
#include "foundation/texts.h"
#include "world/game.h"
#include "world/team.h"
#include "world/world.h"

#include <algorithm>

namespace {

constexpr TColor kPitchGreen = 0x008000;
constexpr int kPlayerNameWidth = 20;
constexpr int kGoalText = 410, kPenaltyGoalText = 411, kDisallowedText = 188;

int ScaledColumn(int width, int units) {
    return static_cast<int>(nearest(width * units * 0.00125L));
}

} // namespace

TMatchdayGeometry TMatchdayGeometry::ForScreen(int width, int height) {
    TMatchdayGeometry g;
    g.screenWidth = width;
    g.screenHeight = height;
    g.rowHeight = static_cast<int>(nearest(height / 30.0L));
    g.fontSize = g.rowHeight / 2;
    g.attendanceColumn = ScaledColumn(width, 40);
    g.nameColumn = ScaledColumn(width, 180);
    g.scoreColumn = ScaledColumn(width, 15);
    return g;
}

int GameLineRow(int index, int page, bool cupTie) {
    if (index < 0 || index / TMatchdayGeometry::kRowsPerPage != page) return -1;
    return (cupTie ? index + 1 : index) - page * TMatchdayGeometry::kRowsPerPage;
}

TGameLineCells CellsOfRow(const TMatchdayGeometry& g, int row) {
    const int top = g.RowTop(row);
    const int bottom = top + g.rowHeight;
    TGameLineCells c;
    int x = TMatchdayGeometry::kLeft;
    c.attendance = {x, top, x + g.attendanceColumn, bottom};
    x = c.attendance.right;
    c.homeName = {x, top, x + g.nameColumn, bottom};
    x = c.homeName.right;
    c.homeScore = {x + 1, top, x + g.scoreColumn, bottom};
    x += g.scoreColumn;
    c.awayScore = {x + 1, top, x + g.scoreColumn, bottom};
    x += g.scoreColumn;
    c.awayName = {x, top, x + g.nameColumn, bottom};
    c.event = {c.awayName.right, top, g.screenWidth - TMatchdayGeometry::kLeft, bottom};
    return c;
}

std::string TEventMark::Text() const {
    if (textNumber == 0) return playerName + " " + std::to_string(minute) + "'";
    return Format(GetText(textNumber), {playerName, minute});
}

TEventMark EventMarkOf(const TGame& game, const TGameEvent& event) {
    TEventMark mark;
    mark.minute = event.minute;
    mark.bold = event.side == 0;
    const TPlayer* player = game.World().PlayerById(event.playerId);
    if (player != nullptr) mark.playerName = player->DisplayName().substr(0, kPlayerNameWidth);
    switch (event.eventKind) {
    case gekPenaltyGoal:
        mark.textNumber = kPenaltyGoalText;
        break;
    case gekBooking:
        mark.symbol = esYellow;
        mark.textNumber = kGoalText;
        break;
    case gekSendingOff:
        mark.symbol = esRed;
        mark.textNumber = kGoalText;
        break;
    case gekSecondBooking:
        mark.symbol = esYellowThenRed;
        break;
    case gekInjury:
        mark.symbol = esInjuryCross;
        mark.textNumber = kGoalText;
        break;
    case gekGoalDisallowed:
        mark.textNumber = kDisallowedText;
        break;
    default: // a goal
        mark.textNumber = kGoalText;
        break;
    }
    return mark;
}

TLineRect EventSymbolSquare(const TLineRect& cell) {
    const int h = cell.bottom - cell.top;
    return {cell.left + 3, cell.top + 3, cell.left + h - 6, cell.bottom - 3};
}

int EventTextLeft(const TLineRect& cell) {
    return cell.left + (cell.bottom - cell.top) + 4;
}

TGameLine GameLineOf(const TGame& game) {
    TGameLine line;
    line.title = game.title;
    if (game.kind == gkHeading) {
        line.heading = true;
        line.shown = true;
        return line;
    }
    if (!game.HasTeams()) return line;
    line.shown = true;
    line.attendance = game.attendance;
    const TTeam& home = *game.homeTeam;
    const TTeam& away = *game.awayTeam;
    line.homeName = home.Name();
    line.awayName = away.Name();
    line.homeBack = home.BackColor();
    line.homeText = home.TextColor();
    line.awayBack = away.BackColor();
    line.awayText = away.TextColor();
    line.homeFramed = line.homeBack == kPitchGreen;
    line.awayFramed = line.awayBack == kPitchGreen;
    line.homeGoals = home.match.matchGoals;
    line.awayGoals = away.match.matchGoals;
    const TGameEvent* last = game.events.Count() > 0 ? game.events.Last() : nullptr;
    if (last != nullptr) {
        line.hasEvent = true;
        line.event = EventMarkOf(game, *last);
    }
    return line;
}

TLineClick HitTest(const TMatchdayGeometry& g, int x, int y, int page, int gameCount, bool cupMatchday) {
    TLineClick click;
    const int r = g.rowHeight;
    const int yy = cupMatchday ? y - r - 2 : y;
    if (yy <= 41) return click;
    const int index =
        (yy - TMatchdayGeometry::kFirstRowTop) / (r + 2) + page * TMatchdayGeometry::kRowsPerPage;
    if (index < 0 || index >= gameCount) return click;
    const int dx = x - g.attendanceColumn;
    const int name = g.nameColumn, score = g.scoreColumn;
    if (dx > 20 && dx < name + 20)
        click = {index, 0};
    else if (dx > name + 2 * score + 20 && dx < 2 * name + 2 * score + 20)
        click = {index, 1};
    return click;
}

TMatchdayFrame FrameOf(const TMatchdayGeometry& g, bool cupMatchday, int games) {
    TMatchdayFrame f;
    f.left = TMatchdayGeometry::kFrameMargin;
    f.right = g.screenWidth - TMatchdayGeometry::kFrameMargin;
    f.top = g.rowHeight / 2 + TMatchdayGeometry::kFirstRowTop;
    if (cupMatchday) {
        f.bottom = f.top + (g.rowHeight + 2) * (std::min(TMatchdayGeometry::kRowsPerPage, games) + 1);
        f.topLine = true;
    } else {
        f.bottom = f.top + (g.rowHeight + 2) * games;
    }
    return f;
}
