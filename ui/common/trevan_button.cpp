#include "ui/common/trevan_button.h"

#include "ui/common/checked_picture.h"

#include <QEnterEvent>
#include <QPainter>

TTrevanButton::TTrevanButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TTrevanButton::LoadPictures(const std::string& up, const std::string& down, const std::string& over,
                                 const std::string& disabled) {
    pictures_[0] = LoadCheckedPicture(up);
    pictures_[1] = LoadCheckedPicture(down);
    pictures_[2] = LoadCheckedPicture(over);
    pictures_[3] = LoadCheckedPicture(disabled);
    updateGeometry();
    update();
}

void TTrevanButton::SetPicture(TState state, const QPixmap& picture) {
    pictures_[static_cast<int>(state)] = picture;
    updateGeometry();
    update();
}

QPixmap TTrevanButton::Picture(TState state) const {
    return pictures_[static_cast<int>(state)];
}

TTrevanButton::TState TTrevanButton::CurrentState() const {
    if (!isEnabled()) return TState::Disabled;
    if (isDown() || isChecked()) return TState::Down;
    if (hovered_) return TState::Over;
    return TState::Up;
}

QPixmap TTrevanButton::CurrentPicture() const {
    const QPixmap& own = pictures_[static_cast<int>(CurrentState())];
    return own.isNull() ? pictures_[0] : own;
}

QSize TTrevanButton::sizeHint() const {
    if (!pictures_[0].isNull()) return pictures_[0].deviceIndependentSize().toSize();
    const QFontMetrics fm(font());
    return QSize(std::max(80, fm.horizontalAdvance(text()) + 28), fm.height() + 16);
}

void TTrevanButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TTrevanButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TTrevanButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const TState state = CurrentState();
    const QPixmap picture = CurrentPicture();
    if (!picture.isNull()) {
        // Drawn at its own proportions, centred, when the button was made larger than its picture.
        const QSize size = picture.deviceIndependentSize().toSize().scaled(this->size(), Qt::KeepAspectRatio);
        p.drawPixmap(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
                     picture);
        // A disabled button without a picture of its own is shown faded.
        if (state == TState::Disabled && pictures_[3].isNull())
            p.fillRect(rect(), QColor(255, 255, 255, 140));
        return;
    }

    // No pictures: a rounded, lit button in the palette's colours.
    const QPalette& pal = palette();
    QColor base = pal.color(QPalette::Button);
    QColor accent = pal.color(QPalette::Highlight);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    switch (state) {
    case TState::Down:
        fill.setColorAt(0, base.darker(125));
        fill.setColorAt(1, base.darker(105));
        break;
    case TState::Over:
        fill.setColorAt(0, base.lighter(112));
        fill.setColorAt(1, accent.lighter(170));
        break;
    default:
        fill.setColorAt(0, base.lighter(108));
        fill.setColorAt(1, base.darker(108));
        break;
    }
    p.setPen(QPen(state == TState::Over ? accent : pal.color(QPalette::Mid), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(state == TState::Disabled ? pal.color(QPalette::Disabled, QPalette::ButtonText)
                                       : pal.color(QPalette::ButtonText));
    const QRect textRect = rect().translated(state == TState::Down ? QPoint(1, 1) : QPoint(0, 0));
    p.drawText(textRect, Qt::AlignCenter, text());
    if (hasFocus()) {
        p.setPen(QPen(accent, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 4, 4);
    }
}
