#include "ui/common/object_row_delegate.h"

#include "foundation/row_markup.h"
#include "ui/common/checked_picture.h"
#include "ui/common/qt_text.h"

#include <QPainter>

namespace {
constexpr int kLeftMargin = 2; // the row painter's margin in front of the first cell
constexpr int kFlagGap = 4;

const TKolObject* ObjectOf(const QModelIndex& index) {
    return reinterpret_cast<const TKolObject*>(index.data(kRowObjectRole).value<quintptr>());
}
} // namespace

TObjectRowDelegate::TObjectRowDelegate(QObject* parent) : TRowDelegate(parent) {}

void TObjectRowDelegate::ShowFlags(const std::string& dataDir, int left, int width,
                                   std::function<std::string(const TKolObject*)> countryOf) {
    dataDir_ = dataDir;
    flagLeft_ = left;
    flagWidth_ = width;
    countryOf_ = std::move(countryOf);
    flags_.clear();
}

QPixmap TObjectRowDelegate::Flag(const std::string& code, int height) const {
    const QString key = ToQString(code) + '/' + QString::number(height);
    const auto it = flags_.constFind(key);
    if (it != flags_.constEnd()) return *it;
    QPixmap flag = LoadFlag(dataDir_, code);
    if (!flag.isNull()) flag = flag.scaledToHeight(height, Qt::SmoothTransformation);
    flags_.insert(key, flag);
    return flag;
}

void TObjectRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const TKolObject* object = ObjectOf(index);
    if (object && marked_ && marked_(object)) {
        QStyleOptionViewItem marked(option);
        marked.palette.setColor(QPalette::Base, ToQColor(kRowLightYellow));
        TRowDelegate::paint(painter, marked, index);
    } else {
        TRowDelegate::paint(painter, option, index);
    }
    if (object && countryOf_ && flagLeft_ >= 0) {
        // The flag goes in front of the code: the cell is drawn again, flag first, then the code.
        const std::string code = countryOf_(object);
        const QPixmap flag = Flag(code, std::max(8, option.rect.height() - 6));
        if (!flag.isNull()) {
            const QRect cell(option.rect.left() + kLeftMargin + flagLeft_, option.rect.top(), flagWidth_,
                             option.rect.height());
            const bool selected = option.state & QStyle::State_Selected;
            const TColor back = selected && object->SelectedBackColor() >= 1 ? object->SelectedBackColor()
                                                                             : object->BackColor();
            painter->save();
            painter->fillRect(cell.adjusted(0, 1, 0, -1), ToQColor(back));
            const int y = cell.top() + (cell.height() - flag.height()) / 2;
            painter->drawPixmap(cell.left(), y, flag);
            painter->setPen(ToQColor(object->TextColor()));
            painter->setFont(option.font);
            const QRect text = cell.adjusted(flag.width() + kFlagGap, 0, 0, 0);
            painter->setClipRect(cell);
            painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ToQString(code));
            painter->restore();
        }
    }
    if (option.state & QStyle::State_Selected)
        PaintSelectionFrame(*painter, option.rect, option.palette.color(QPalette::Highlight));
}

void TObjectRowDelegate::PaintSelectionFrame(QPainter& painter, const QRect& rect, const QColor& highlight) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    // Outer ring in the system's selection colour, inner rings black and white: whatever the club's
    // colours, one of the three differs from the row.
    painter.setPen(QPen(highlight, 2));
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
    painter.restore();
}
