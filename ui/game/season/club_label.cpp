#include "ui/game/season/club_label.h"

#include "ui/game/season/club_badge.h"

#include <QPainter>

namespace {
constexpr int kPadding = 8;
} // namespace

TClubLabel::TClubLabel(QWidget* parent) : QLabel(parent) {}

void TClubLabel::SetClub(const TTeam* club) {
    club_ = club;
    updateGeometry();
    update();
}

QSize TClubLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    const int height = metrics.height() + 2 * kPadding;
    // Room for the flag in front of the text.
    return QSize(metrics.horizontalAdvance(text()) + height + 3 * kPadding, height);
}

void TClubLabel::paintEvent(QPaintEvent* event) {
    if (club_ == nullptr) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    PaintClubBadge(painter, rect(), *club_, text(), font(), false);
}
