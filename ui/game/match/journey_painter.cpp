#include "ui/game/match/journey_painter.h"

#include "ui/common/qt_text.h"

#include "world/game.h"
#include "world/world.h"

#include <QFont>
#include <QPainter>

namespace {

const QColor kPitchGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

QRect ToRect(const TLineRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// The line's font: half the row height in points, as the window's canvas had at 96 dots per inch.
QFont LineFont(const TMatchdayGeometry& g, bool bold) {
    QFont font;
    font.setPixelSize(std::max(6, g.fontSize * 4 / 3));
    font.setBold(bold);
    return font;
}

void PaintName(QPainter& p, const TLineRect& cell, const std::string& name, TColor back, TColor text,
               bool framed, const QFont& font) {
    const QRect r = ToRect(cell);
    p.fillRect(r, ToQColor(back));
    p.setPen(ToQColor(text));
    p.setFont(font);
    p.drawText(r.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               ToQString(name));
    if (framed) p.drawRect(r.adjusted(0, 0, -1, -1));
}

void PaintScore(QPainter& p, const TLineRect& cell, int goals, const QFont& font) {
    const QRect r = ToRect(cell);
    p.fillRect(r, kPitchGreen);
    p.setPen(kYellow);
    p.setFont(font);
    p.drawText(r.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::number(goals));
}

void PaintEventMark(QPainter& p, const TMatchdayGeometry& g, const TLineRect& cell, const TEventMark& mark) {
    const TLineRect s = EventSymbolSquare(cell);
    const QRect square(QPoint(s.left, s.top), QPoint(s.right - 1, s.bottom - 1));
    switch (mark.symbol) {
    case esYellow:
        p.fillRect(square, kYellow);
        break;
    case esRed:
        p.fillRect(square, kRed);
        break;
    case esYellowThenRed:
        p.fillRect(square, kYellow);
        p.fillRect(square.translated(2, 2), kRed);
        break;
    case esInjuryCross: {
        p.fillRect(square, kWhite);
        const QPoint c = square.center();
        p.fillRect(QRect(square.left(), c.y() - 1, square.width(), 3), kRed);
        p.fillRect(QRect(c.x() - 1, square.top(), 3, square.height()), kRed);
        break;
    }
    default:
        break;
    }
    p.setPen(kAqua);
    p.setFont(LineFont(g, mark.bold));
    const QRect text(QPoint(EventTextLeft(cell), cell.top), QPoint(cell.right - 1, cell.bottom - 1));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ToQString(mark.Text()));
}

} // namespace

void PaintGameLine(QPainter& p, const TMatchdayGeometry& g, int row, const TGameLine& line) {
    if (!line.shown) return;
    const TGameLineCells c = CellsOfRow(g, row);
    const QFont normal = LineFont(g, false);
    const QFont bold = LineFont(g, true);
    if (line.heading) {
        const int middle = (c.homeName.top + c.homeName.bottom) / 2;
        p.setPen(kNavy);
        p.drawLine(TMatchdayGeometry::kFrameMargin, middle, g.screenWidth - TMatchdayGeometry::kFrameMargin,
                   middle);
        p.setPen(kYellow);
        p.setFont(bold);
        p.drawText(ToRect(c.homeName).adjusted(4, 0, g.nameColumn, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   ToQString(line.title));
        return;
    }
    const QRect attendance = ToRect(c.attendance);
    p.fillRect(attendance, kPitchGreen);
    p.setPen(kYellow);
    p.setFont(normal);
    p.drawText(attendance.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(line.attendance));
    PaintName(p, c.homeName, line.homeName, line.homeBack, line.homeText, line.homeFramed, normal);
    PaintScore(p, c.homeScore, line.homeGoals, bold);
    PaintScore(p, c.awayScore, line.awayGoals, bold);
    PaintName(p, c.awayName, line.awayName, line.awayBack, line.awayText, line.awayFramed, normal);
    p.fillRect(ToRect(c.event), kPitchGreen);
    if (line.hasEvent) PaintEventMark(p, g, c.event, line.event);
}

void PaintJourney(QPainter& p, const TWorld& world, const TJourneyView& view) {
    const TMatchdayGeometry& g = view.geometry;
    p.fillRect(QRect(0, 0, g.screenWidth, g.screenHeight), kPitchGreen);
    for (int i = 0; i < world.RoundGames.Count(); ++i) {
        const TGame* game = world.RoundGames[i];
        const int row = GameLineRow(i, view.page, view.cupMatchday);
        if (game == nullptr || row < 0) continue;
        PaintGameLine(p, g, row, GameLineOf(*game));
    }
    const TMatchdayFrame f =
        FrameOf(g, view.cupMatchday, view.cupMatchday ? view.gamesOnPage : world.RoundGames.Count());
    p.setPen(kNavy);
    if (f.topLine) p.drawLine(f.left, f.top, f.right, f.top);
    p.drawLine(f.left, f.top, f.left, f.bottom);
    p.drawLine(f.right, f.top, f.right, f.bottom);
    p.drawLine(f.left, f.bottom, f.right, f.bottom);
}
