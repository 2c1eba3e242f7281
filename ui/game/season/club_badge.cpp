#include "ui/game/season/club_badge.h"

#include "foundation/settings.h"
#include "ui/common/checked_picture.h"
#include "ui/common/qt_text.h"
#include "world/team.h"

#include <QHash>
#include <QPainter>

namespace {
constexpr int kFlagGap = 4;
constexpr int kInset = 4;
} // namespace

QPixmap ClubFlag(const TTeam& club, int height) {
    // Loaded once per country and height: a list repaints its rows often.
    static QHash<QString, QPixmap> cache;
    const QString key = ToQString(club.Country()) + '/' + QString::number(height);
    const auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    QPixmap flag = LoadFlag(GameSettings().directory, club.Country());
    if (!flag.isNull()) flag = flag.scaledToHeight(height, Qt::SmoothTransformation);
    cache.insert(key, flag);
    return flag;
}

void PaintClubBadge(QPainter& painter, const QRect& rect, const TTeam& club, const QString& text,
                    const QFont& font, bool alignRight) {
    painter.save();
    painter.fillRect(rect, ToQColor(club.BackColor()));
    const QPixmap flag = ClubFlag(club, std::max(8, rect.height() - 8));
    QRect textRect = rect.adjusted(kInset, 0, -kInset, 0);
    if (!flag.isNull()) {
        const int y = rect.top() + (rect.height() - flag.height()) / 2;
        if (alignRight) {
            painter.drawPixmap(textRect.right() - flag.width() + 1, y, flag);
            textRect.setRight(textRect.right() - flag.width() - kFlagGap);
        } else {
            painter.drawPixmap(textRect.left(), y, flag);
            textRect.setLeft(textRect.left() + flag.width() + kFlagGap);
        }
    }
    painter.setFont(font);
    painter.setPen(ToQColor(club.TextColor()));
    painter.setClipRect(rect);
    painter.drawText(textRect, (alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
    painter.restore();
}
