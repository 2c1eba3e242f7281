#pragma once
// How the season's windows show a club: its flag (from the game folder's "flags", checked like every
// picture) and its name on its own colours. Shared by the tables, the cup draw and the end of the season.
#include <QPixmap>
#include <QRect>
#include <QString>

class QFont;
class QPainter;
class TTeam;

// The flag of the club's country scaled to `height` pixels, or a null pixmap when it has none.
QPixmap ClubFlag(const TTeam& club, int height);
// Draws the flag (when there is one) and `text` on the club's colours inside `rect`; `alignRight` puts
// the name against the right edge with the flag after it, as the left side of a pairing reads best.
void PaintClubBadge(QPainter& painter, const QRect& rect, const TTeam& club, const QString& text,
                    const QFont& font, bool alignRight = false);
