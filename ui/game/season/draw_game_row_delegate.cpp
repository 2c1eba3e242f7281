#include "ui/game/season/draw_game_row_delegate.h"

#include "season/cup_draw.h"
#include "ui/common/qt_text.h"
#include "ui/game/season/club_badge.h"
#include "world/team.h"

#include <QPainter>

TDrawGameRowDelegate::TDrawGameRowDelegate(const TCupDraw& draw, QObject* parent)
    : QStyledItemDelegate(parent), draw_(draw) {}

void TDrawGameRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const int i = index.data(Qt::UserRole).toInt();
    if (i < 0 || i >= static_cast<int>(draw_.Pairs().size())) return;
    const TCupDraw::TPair& pair = draw_.Pairs()[static_cast<std::size_t>(i)];
    // The two names as the draw's line writes them ("first - second", a star behind a person's club).
    const std::string& line = pair.line;
    const std::size_t secondLength =
        pair.second->ShortName().size() + (!line.empty() && line.back() == '*' ? 1 : 0);
    const std::size_t split = line.size() >= secondLength + 3 ? line.size() - secondLength - 3 : 0;
    const QString first = ToQString(line.substr(0, split));
    const QString second = ToQString(line.substr(line.size() - std::min(line.size(), secondLength)));

    const QRect row = option.rect.adjusted(2, 1, -2, -1);
    const int half = (row.width() - kDashWidth) / 2;
    const QRect left(row.left(), row.top(), half, row.height());
    const QRect dash(left.right() + 1, row.top(), kDashWidth, row.height());
    const QRect right(dash.right() + 1, row.top(), row.right() - dash.right(), row.height());
    painter->save();
    painter->fillRect(option.rect, option.palette.color(QPalette::Base));
    QFont font = option.font;
    font.setBold(pair.human);
    PaintClubBadge(*painter, left, *pair.first, first, font, true);
    PaintClubBadge(*painter, right, *pair.second, second, font, false);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->setFont(font);
    painter->drawText(dash, Qt::AlignCenter, QStringLiteral("-"));
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

QSize TDrawGameRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    QFont bold = option.font;
    bold.setBold(true);
    return QSize(2 * 180 + kDashWidth, QFontMetrics(bold).height() + 10);
}
