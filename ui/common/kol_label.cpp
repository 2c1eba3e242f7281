#include "ui/common/kol_label.h"

#include <QPainter>

#include <algorithm>

TKolLabel::TKolLabel(QWidget* parent) : QLabel(parent) {}

TKolLabel::TKolLabel(const QString& text, TStyle style, QWidget* parent)
    : QLabel(text, parent), style_(style) {}

void TKolLabel::SetStyle(TStyle style) {
    style_ = style;
    update();
}

void TKolLabel::SetDepth(int depth) {
    depth_ = std::clamp(depth, 1, 8);
    updateGeometry();
    update();
}

void TKolLabel::SetShadowColor(const QColor& color) {
    shadow_ = color;
    update();
}

QSize TKolLabel::sizeHint() const {
    const int extra = style_ == TStyle::Plain ? 0 : depth_ * 2;
    return QLabel::sizeHint() + QSize(extra, extra);
}

QSize TKolLabel::minimumSizeHint() const {
    return sizeHint();
}

void TKolLabel::paintEvent(QPaintEvent* event) {
    if (style_ == TStyle::Plain || text().isEmpty() || textFormat() == Qt::RichText) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    // Room for the relief on every side, or for the shadow below and to the right.
    const int m = margin();
    const QRect area = style_ == TStyle::Shadowed
                           ? contentsRect().adjusted(m, m, -m - 2 * depth_, -m - 2 * depth_)
                           : contentsRect().adjusted(m + depth_, m + depth_, -m - depth_, -m - depth_);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QPalette& pal = palette();
    const QColor text = pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    const QPoint d(depth_, depth_);
    switch (style_) {
    case TStyle::Raised:
        // Light from the top left: a highlight above-left, a shade below-right.
        p.setPen(pal.color(QPalette::Light));
        p.drawText(area.translated(-d), flags, this->text());
        p.setPen(pal.color(QPalette::Dark));
        p.drawText(area.translated(d), flags, this->text());
        break;
    case TStyle::Recessed:
        // Engraved: the lit lower edge of the groove below-right, the text itself in shade.
        p.setPen(pal.color(QPalette::Light));
        p.drawText(area.translated(d), flags, this->text());
        break;
    case TStyle::Shadowed:
        p.setPen(shadow_);
        p.drawText(area.translated(d * 2), flags, this->text());
        break;
    case TStyle::Plain:
        break;
    }
    p.setPen(style_ == TStyle::Recessed && isEnabled() ? pal.color(QPalette::Dark) : text);
    p.drawText(area, flags, this->text());
}
