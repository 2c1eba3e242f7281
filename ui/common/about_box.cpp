#include "ui/common/about_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int kOkText = 71;
constexpr QSize kBoxSize(560, 360);

// A point of the pitch seen from the stand: u across (0 left touch line .. 1 right), v along (0 far goal line
// .. 1 near goal line), mapped into the trapezoid of the pitch.
QPointF PitchPoint(const QRectF& pitch, qreal u, qreal v) {
    const qreal farInset = pitch.width() * 0.22;
    const qreal inset = farInset * (1 - v);
    const qreal y = pitch.top() + pitch.height() * (v * v * 0.35 + v * 0.65);
    return QPointF(pitch.left() + inset + (pitch.width() - 2 * inset) * u, y);
}

void DrawPitchLine(QPainter& p, const QRectF& pitch, const std::vector<QPointF>& uv) {
    QPainterPath path;
    for (std::size_t i = 0; i < uv.size(); ++i) {
        const QPointF pt = PitchPoint(pitch, uv[i].x(), uv[i].y());
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.drawPath(path);
}

void DrawFloodlight(QPainter& p, QPointF top, qreal height) {
    p.setPen(QPen(QColor(60, 60, 70), 3));
    p.drawLine(top + QPointF(0, 8), top + QPointF(0, height));
    QRadialGradient glow(top, 70);
    glow.setColorAt(0, QColor(255, 255, 230, 200));
    glow.setColorAt(0.3, QColor(255, 250, 200, 60));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(top, 70, 70);
    p.setBrush(QColor(250, 250, 235));
    p.drawRoundedRect(QRectF(top.x() - 12, top.y() - 6, 24, 12), 2, 2);
}

void DrawBall(QPainter& p, QPointF centre, qreal r) {
    QRadialGradient shade(centre - QPointF(r * 0.4, r * 0.4), r * 1.6);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(170, 170, 180));
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(shade);
    p.drawEllipse(centre, r, r);
    // The black patches: one in the middle and parts of five around it.
    auto pentagon = [&](QPointF c, qreal size, qreal turn) {
        QPolygonF poly;
        for (int k = 0; k < 5; ++k) {
            const qreal a = turn + k * 2 * M_PI / 5;
            poly << c + QPointF(std::cos(a) * size, std::sin(a) * size);
        }
        return poly;
    };
    p.setBrush(QColor(25, 25, 25));
    p.setPen(Qt::NoPen);
    p.drawPolygon(pentagon(centre, r * 0.36, -M_PI / 2));
    p.save();
    QPainterPath clip;
    clip.addEllipse(centre, r, r);
    p.setClipPath(clip);
    for (int k = 0; k < 5; ++k) {
        const qreal a = -M_PI / 2 + M_PI / 5 + k * 2 * M_PI / 5;
        p.drawPolygon(pentagon(centre + QPointF(std::cos(a) * r * 0.95, std::sin(a) * r * 0.95), r * 0.3, a));
    }
    p.restore();
}
} // namespace

void PaintAboutPicture(QPainter& p, const QRect& rect, const QString& title, const QString& version) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(rect);

    // Night sky over the stands.
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.5));
    sky.setColorAt(0, QColor(4, 8, 28));
    sky.setColorAt(1, QColor(22, 40, 78));
    p.fillRect(r, sky);

    // Stands: a dark band with rows of crowd dots.
    const QRectF stands(r.left(), r.top() + r.height() * 0.30, r.width(), r.height() * 0.16);
    p.fillRect(stands, QColor(28, 30, 40));
    quint32 seed = 2002;
    for (qreal y = stands.top() + 4; y < stands.bottom() - 2; y += 5)
        for (qreal x = r.left() + 2; x < r.right(); x += 5) {
            seed = seed * 1103515245u + 12345u; // a fixed pattern: the picture is the same every time
            const int shade = 70 + static_cast<int>((seed >> 16) % 120);
            const int hue = static_cast<int>((seed >> 8) % 3);
            p.fillRect(QRectF(x, y, 2.5, 2.5), hue == 0   ? QColor(shade, 40, 40)
                                               : hue == 1 ? QColor(shade, shade, shade)
                                                          : QColor(40, 60, shade));
        }

    for (qreal fx : {0.08, 0.92})
        DrawFloodlight(p, QPointF(r.left() + r.width() * fx, r.top() + r.height() * 0.08), r.height() * 0.25);

    // The pitch, striped, in perspective.
    const QRectF pitch(r.left() - r.width() * 0.1, r.top() + r.height() * 0.46, r.width() * 1.2,
                       r.height() * 0.56);
    p.fillRect(QRectF(r.left(), pitch.top(), r.width(), r.bottom() - pitch.top()), QColor(24, 84, 32));
    for (int stripe = 0; stripe < 10; ++stripe) {
        QPolygonF band;
        band << PitchPoint(pitch, 0, stripe / 10.0) << PitchPoint(pitch, 1, stripe / 10.0)
             << PitchPoint(pitch, 1, (stripe + 1) / 10.0) << PitchPoint(pitch, 0, (stripe + 1) / 10.0);
        p.setPen(Qt::NoPen);
        p.setBrush(stripe % 2 ? QColor(34, 120, 44) : QColor(44, 138, 54));
        p.drawPolygon(band);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 245, 235, 220), 2));
    DrawPitchLine(p, pitch, {{0.04, 0.02}, {0.96, 0.02}, {0.96, 1.2}, {0.04, 1.2}, {0.04, 0.02}});
    DrawPitchLine(p, pitch, {{0.04, 0.62}, {0.96, 0.62}});
    DrawPitchLine(p, pitch, {{0.3, 0.02}, {0.3, 0.16}, {0.7, 0.16}, {0.7, 0.02}});
    // Centre circle, as an ellipse flattened by the view.
    const QPointF c = PitchPoint(pitch, 0.5, 0.62);
    p.drawEllipse(c, pitch.width() * 0.13, pitch.height() * 0.11);

    DrawBall(p, PitchPoint(pitch, 0.62, 0.78), r.height() * 0.055);

    // Title and version.
    QFont titleFont("DejaVu Sans", 10, QFont::Black);
    titleFont.setPixelSize(static_cast<int>(r.height() * 0.15));
    titleFont.setItalic(true);
    p.setFont(titleFont);
    const QRectF titleRect(r.left(), r.top() + r.height() * 0.08, r.width(), r.height() * 0.22);
    p.setPen(QColor(0, 0, 0, 180));
    p.drawText(titleRect.translated(3, 3), Qt::AlignCenter, title);
    QLinearGradient gold(titleRect.topLeft(), titleRect.bottomLeft());
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(0.5, QColor(232, 180, 40));
    gold.setColorAt(1, QColor(170, 110, 20));
    p.setPen(QPen(QBrush(gold), 1));
    p.drawText(titleRect, Qt::AlignCenter, title);

    QFont small("DejaVu Sans");
    small.setPixelSize(std::max(10, static_cast<int>(r.height() * 0.045)));
    small.setBold(true);
    p.setFont(small);
    p.setPen(QColor(220, 230, 255));
    p.drawText(QRectF(r.left(), titleRect.bottom() - 6, r.width(), r.height() * 0.07), Qt::AlignCenter,
               version);
    p.restore();
}

TAboutBox::TAboutBox(Mode mode, QWidget* parent) : TKolForm(0, parent), mode_(mode) {
    setObjectName("AboutBox");
    setFixedSize(kBoxSize);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    if (mode_ == Mode::Normal) {
        okBtn_ = new QPushButton(this);
        okBtn_->setObjectName("OKBtn");
        SetTextTag(okBtn_, kOkText);
        okBtn_->setDefault(true);
        okBtn_->setMinimumWidth(90);
        connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(okBtn_);
        layout->addLayout(row);
    }
    ApplyTexts();
    setWindowTitle(QCoreApplication::applicationName());
    if (mode_ == Mode::Start) {
        setWindowFlag(Qt::FramelessWindowHint);
        closeTimer_ = new QTimer(this);
        closeTimer_->setSingleShot(true);
        connect(closeTimer_, &QTimer::timeout, this, &QDialog::accept);
        closeTimer_->start(kStartScreenMs);
    }
    // The box stands in the middle of the screen (or of its parent), unlike the other dialogs.
    const QRect area = parent ? parent->geometry() : screen()->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void TAboutBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintAboutPicture(p, rect(), QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
}

void TAboutBox::mousePressEvent(QMouseEvent* event) {
    if (mode_ == Mode::Start)
        accept();
    else
        TKolForm::mousePressEvent(event);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (mode_ == Mode::Start)
        accept();
    else
        TKolForm::keyPressEvent(event);
}

void ShowAboutBox(TAboutBox::Mode mode, QWidget* parent) {
    TAboutBox box(mode, parent);
    box.exec();
}
