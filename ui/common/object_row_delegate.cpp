#include "ui/common/object_row_delegate.h"

#include "foundation/row_markup.h"
#include "ui/common/checked_picture.h"
#include "ui/common/qt_text.h"

#include <QPainter>

namespace {
constexpr int kFlagGap = 4;

const TKolObject* ObjectOf(const QModelIndex& index) {
    return reinterpret_cast<const TKolObject*>(index.data(kRowObjectRole).value<quintptr>());
}
} // namespace

TObjectRowDelegate::TObjectRowDelegate(QObject* parent) : TRowDelegate(parent) {}

void TObjectRowDelegate::ShowFlags(const std::string& dataDir, int left,
                                   std::function<std::string(const TKolObject*)> countryOf, int room) {
    dataDir_ = dataDir;
    flagLeft_ = left;
    flagRoom_ = room;
    countryOf_ = std::move(countryOf);
    flags_.clear();
}

QPixmap TObjectRowDelegate::Flag(const std::string& code, QSize box, qreal ratio) const {
    const QString key = ToQString(code) + '/' + QString::number(box.width()) + 'x' +
                        QString::number(box.height()) + '@' + QString::number(ratio);
    const auto it = flags_.constFind(key);
    if (it != flags_.constEnd()) return *it;
    QPixmap flag = LoadFlag(dataDir_, code);
    if (!flag.isNull()) {
        // Scaled once for the screen's pixels, so that it stays sharp at 200 %.
        flag = flag.scaled(box * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        flag.setDevicePixelRatio(ratio);
    }
    flags_.insert(key, flag);
    return flag;
}

TRowCellPicture TObjectRowDelegate::CellPicture(const QModelIndex& index, const QRect& rect,
                                                qreal ratio) const {
    const TKolObject* object = ObjectOf(index);
    if (!object || !countryOf_ || flagLeft_ < 0) return {};
    const int height = std::max(8, rect.height() - 6);
    // Inside the column the flag keeps the proportions of the pictures (40 x 28); in a room of its own it
    // also leaves a gap before the code.
    const QSize box(flagRoom_ > 0 ? flagRoom_ - kFlagGap : height * 10 / 7, height);
    return {flagLeft_, Flag(countryOf_(object), box, ratio), flagRoom_};
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
    if (option.state & QStyle::State_Selected)
        PaintSelectionFrame(*painter, option.rect, option.palette.color(QPalette::Highlight));
}

QSize TObjectRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = TRowDelegate::sizeHint(option, index);
    if (countryOf_ && flagLeft_ >= 0) size.rwidth() += flagRoom_;
    return size;
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
