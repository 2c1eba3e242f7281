#include "ui/game/season/classification_row_delegate.h"

#include "season/classification.h"
#include "ui/common/checked_picture.h"
#include "ui/common/object_row_delegate.h"
#include "ui/game/season/club_badge.h"
#include "world/team.h"

#include <QPainter>

namespace {
const TTeam* ClubOf(const QModelIndex& index) {
    return dynamic_cast<const TTeam*>(
        reinterpret_cast<const TKolObject*>(index.data(kRowObjectRole).value<quintptr>()));
}
} // namespace

TClassificationRowDelegate::TClassificationRowDelegate(std::string gameDir, QObject* parent)
    : TRowDelegate(parent), gameDir_(std::move(gameDir)) {}

QPixmap TClassificationRowDelegate::Face(int tableStatus) const {
    const auto it = faces_.constFind(tableStatus);
    if (it != faces_.constEnd()) return *it;
    const std::string file = ClassificationIcon(tableStatus);
    QPixmap face;
    if (!file.empty()) face = LoadCheckedPicture(gameDir_ + "/Icons/" + file);
    faces_.insert(tableStatus, face);
    return face;
}

QColor TClassificationRowDelegate::StatusColour(int tableStatus) {
    switch (tableStatus) {
    case 0:
        return QColor(0xFF, 0xD7, 0x40);
    case 1:
    case 3:
        return QColor(0x80, 0xE0, 0x80);
    case 2:
        return QColor(0xF0, 0x80, 0x80);
    case 4:
        return QColor(0xD0, 0xD0, 0xD0);
    default:
        return QColor();
    }
}

void TClassificationRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    const QRect row = option.rect;
    const TTeam* club = ClubOf(index);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    const QRect rest = row.adjusted(kStatusWidth + kFlagWidth, 0, 0, 0);
    PaintRow(*painter, rest, RowText(index), club, selected, 0, option.font, palette.color(QPalette::Base),
             palette.color(QPalette::Text));

    painter->save();
    const QRect statusCell(row.left(), row.top(), kStatusWidth, row.height());
    const QRect flagCell(statusCell.right() + 1, row.top(), kFlagWidth, row.height());
    const int status = club != nullptr ? club->season.tableStatus : 5;
    const QColor statusColour = StatusColour(status);
    painter->fillRect(statusCell, statusColour.isValid() ? statusColour : palette.color(QPalette::Base));
    painter->fillRect(flagCell, palette.color(QPalette::Base));
    const QPixmap face = Face(status);
    if (!face.isNull()) {
        const QPixmap shown =
            face.scaled(statusCell.size() - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter->drawPixmap(statusCell.left() + (statusCell.width() - shown.width()) / 2,
                            statusCell.top() + (statusCell.height() - shown.height()) / 2, shown);
    } else {
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->setPen(palette.color(QPalette::Text));
        painter->drawText(statusCell, Qt::AlignCenter, QString::number(index.row() + 1));
    }
    if (club != nullptr) {
        const QPixmap flag = ClubFlag(*club, std::max(8, row.height() - 8));
        if (!flag.isNull())
            painter->drawPixmap(flagCell.left() + (flagCell.width() - flag.width()) / 2,
                                flagCell.top() + (flagCell.height() - flag.height()) / 2, flag);
        if (club->HasHumanCoach()) {
            // The person's club stands out on any club colours: a thick orange ring around the row.
            painter->setPen(QPen(QColor(0xFF, 0x8C, 0x00), 3));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(row).adjusted(1.5, 1.5, -1.5, -1.5));
        }
    }
    painter->restore();
    if (selected) TObjectRowDelegate::PaintSelectionFrame(*painter, row, palette.color(QPalette::Highlight));
}

QSize TClassificationRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    const QSize size = TRowDelegate::sizeHint(option, index);
    return QSize(size.width() + kStatusWidth + kFlagWidth, std::max(size.height() + 4, 22));
}
