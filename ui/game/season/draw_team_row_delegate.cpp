#include "ui/game/season/draw_team_row_delegate.h"

#include "season/cup_draw.h"
#include "ui/common/object_row_delegate.h"
#include "ui/common/qt_text.h"
#include "ui/game/season/club_badge.h"
#include "world/team.h"

#include <QPainter>

TDrawTeamRowDelegate::TDrawTeamRowDelegate(std::function<int(int)> potOf, QObject* parent)
    : TRowDelegate(parent), potOf_(std::move(potOf)) {}

void TDrawTeamRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const auto* club = dynamic_cast<const TTeam*>(
        reinterpret_cast<const TKolObject*>(index.data(kRowObjectRole).value<quintptr>()));
    const QRect row = option.rect;
    const QColor back = ToQColor(TCupDraw::PotColour(potOf_(index.row())));
    const bool drawn = club != nullptr && club->cupSlot != TCupDraw::kUndrawn;
    const QColor ink = drawn ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black);
    QFont font = option.font;
    font.setItalic(drawn);
    // The row text without the club's own colours: the pot's colour carries the seeding.
    PaintRow(*painter, row.adjusted(kNumberWidth + kFlagWidth, 0, 0, 0), RowText(index), nullptr, false, 0,
             font, back, ink);
    painter->save();
    const QRect number(row.left(), row.top(), kNumberWidth, row.height());
    const QRect flagCell(number.right() + 1, row.top(), kFlagWidth, row.height());
    painter->fillRect(number.united(flagCell), back);
    painter->setPen(ink);
    painter->setFont(font);
    painter->drawText(number.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter,
                      QString::number(index.row() + 1));
    if (club != nullptr) {
        const QPixmap flag = ClubFlag(*club, std::max(8, row.height() - 8));
        if (!flag.isNull())
            painter->drawPixmap(flagCell.left() + (flagCell.width() - flag.width()) / 2,
                                flagCell.top() + (flagCell.height() - flag.height()) / 2, flag);
    }
    painter->restore();
    if (option.state & QStyle::State_Selected)
        TObjectRowDelegate::PaintSelectionFrame(*painter, row, option.palette.color(QPalette::Highlight));
}

QSize TDrawTeamRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QSize size = TRowDelegate::sizeHint(option, index);
    return QSize(size.width() + kNumberWidth + kFlagWidth, size.height());
}
