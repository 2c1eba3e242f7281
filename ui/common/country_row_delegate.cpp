#include "ui/common/country_row_delegate.h"

#include "ui/common/checked_picture.h"

#include "datafiles/countries.h"
#include "foundation/picture_file.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"

#include <QPainter>

namespace {
constexpr int kWordClubs = 451;
constexpr int kWordClub = 452;
const QColor kYellow(255, 255, 0); // 0x00FFFF

QFont RowFont(bool bold) {
    QFont font("Arial");
    font.setPointSize(12);
    font.setBold(bold);
    return font;
}
} // namespace

TCountryRowDelegate::TCountryRowDelegate(std::string gameDir, bool showCounts, QObject* parent)
    : QStyledItemDelegate(parent), gameDir_(std::move(gameDir)), showCounts_(showCounts) {}

QPixmap TCountryRowDelegate::Flag(const std::string& code) const {
    const QString key = ToQString(code);
    const auto it = flags_.constFind(key);
    if (it != flags_.constEnd()) return *it;
    const QPixmap picture = LoadFlag(gameDir_, code);
    flags_.insert(key, picture);
    return picture;
}

void TCountryRowDelegate::PaintRow(QPainter& painter, const QRect& rect, const QString& text,
                                   bool current) const {
    painter.save();
    const TCountry* country = FindCountry(kFindByName, FromQString(text));
    const bool highlighted = showCounts_ && country && country->selected;
    painter.fillRect(rect, highlighted ? kYellow : Qt::white);
    painter.setFont(RowFont(highlighted));
    painter.setPen(Qt::black);
    const int top = rect.top() + kTextTop;
    const int height = rect.height() - kTextTop;
    if (!country) {
        painter.drawText(QRect(rect.left(), top, rect.width(), height), Qt::AlignLeft | Qt::AlignTop, text);
    } else {
        const QPixmap flag = Flag(country->Code());
        if (!flag.isNull()) painter.drawPixmap(rect.left(), rect.top() + 1, flag);
        const int nameLeft = rect.left() + kNameLeft;
        painter.drawText(QRect(nameLeft, top, rect.right() - nameLeft, height), Qt::AlignLeft | Qt::AlignTop,
                         text);
        if (showCounts_) {
            const int edge = rect.left() + kCountEdge;
            painter.drawText(QRect(nameLeft, top, edge - nameLeft, height), Qt::AlignRight | Qt::AlignTop,
                             QString::number(country->wantedTeams));
            const std::string word = GetText(country->wantedTeams < 2 ? kWordClub : kWordClubs);
            painter.drawText(QRect(edge, top, std::max(0, rect.right() - edge), height),
                             Qt::AlignLeft | Qt::AlignTop, " " + ToQString(word));
        }
    }
    // The row under the cursor gets a thin frame, so the white rows still show where the choice is.
    if (current) {
        painter.setPen(QPen(QColor(0, 0, 128), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

void TCountryRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    PaintRow(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
             option.state.testFlag(QStyle::State_Selected));
}

QSize TCountryRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(RowFont(true));
    const int textWidth = metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    const int width =
        showCounts_ ? kCountEdge + metrics.horizontalAdvance(" clubs ") + 40 : kNameLeft + textWidth + 8;
    return {std::max(s.width(), width), kRowHeight};
}
