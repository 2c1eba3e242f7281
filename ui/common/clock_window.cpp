#include "ui/common/clock_window.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace {
constexpr int kFaceSize = 140;
constexpr int kCaptionHeight = 24;

void DrawHand(QPainter& p, double angleDegrees, double length, double width, const QColor& color) {
    p.save();
    p.rotate(angleDegrees);
    QPainterPath hand;
    hand.moveTo(-width / 2, 8);
    hand.lineTo(-width / 4, -length);
    hand.lineTo(width / 4, -length);
    hand.lineTo(width / 2, 8);
    hand.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(hand);
    p.restore();
}
} // namespace

TClockWindow::TClockWindow(QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget : Qt::Tool), timer_(new QTimer(this)), time_(QTime::currentTime()) {
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TClockWindow::Tick);
    timer_->start();
    setMinimumSize(80, 80);
}

void TClockWindow::SetTime(const QTime& time) {
    follow_ = false;
    timer_->stop();
    time_ = time;
    update();
}

void TClockWindow::FollowSystemClock() {
    follow_ = true;
    time_ = QTime::currentTime();
    timer_->start();
    update();
}

void TClockWindow::SetCaption(const QString& caption) {
    caption_ = caption;
    updateGeometry();
    update();
}

QSize TClockWindow::sizeHint() const {
    return QSize(kFaceSize + 20, kFaceSize + 20 + (caption_.isEmpty() ? 0 : kCaptionHeight));
}

void TClockWindow::Tick() {
    if (!follow_) return;
    time_ = QTime::currentTime();
    update();
}

void TClockWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Window));

    const int captionSpace = caption_.isEmpty() ? 0 : kCaptionHeight;
    const int side = std::max(10, std::min(width(), height() - captionSpace) - 12);
    const QPointF centre(width() / 2.0, (height() - captionSpace) / 2.0);

    p.save();
    p.translate(centre);
    p.scale(side / 200.0, side / 200.0);

    // Rim and face.
    QRadialGradient rim(QPointF(-30, -30), 140);
    rim.setColorAt(0, QColor(0x5A, 0x6B, 0x7D));
    rim.setColorAt(1, QColor(0x1E, 0x27, 0x31));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(QPointF(0, 0), 100, 100);
    QRadialGradient face(QPointF(-20, -25), 120);
    face.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    face.setColorAt(1, QColor(0xE4, 0xE9, 0xEE));
    p.setBrush(face);
    p.drawEllipse(QPointF(0, 0), 90, 90);

    // Marks: thick every five minutes.
    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0;
        p.setPen(QPen(QColor(0x2B, 0x36, 0x42), hour ? 4 : 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, hour ? -72 : -78), QPointF(0, -84));
        p.rotate(6);
    }

    const double seconds = time_.second();
    const double minutes = time_.minute() + seconds / 60.0;
    const double hours = (time_.hour() % 12) + minutes / 60.0;
    DrawHand(p, hours * 30.0, 48, 9, QColor(0x22, 0x2B, 0x35));
    DrawHand(p, minutes * 6.0, 70, 7, QColor(0x22, 0x2B, 0x35));
    p.save();
    p.rotate(seconds * 6.0);
    p.setPen(QPen(QColor(0xD0, 0x30, 0x2A), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 16), QPointF(0, -78));
    p.restore();
    p.setBrush(QColor(0xD0, 0x30, 0x2A));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 0), 5, 5);
    p.restore();

    if (!caption_.isEmpty()) {
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(QRect(0, height() - captionSpace, width(), captionSpace), Qt::AlignCenter, caption_);
    }
}
