#include "ui/common/wait_dlg.h"

#include "ui/common/qt_text.h"
#include "ui/common/window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace {
constexpr int kSpinnerSize = 28;
constexpr int kSpinnerDots = 10;
} // namespace

TWaitDlg::TWaitDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), label_(new QLabel(this)),
      spin_(new QTimer(this)) {
    setModal(false);
    // Only the rounded panel is painted; the corners outside it stay see-through.
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20 + kSpinnerSize + 14, 18, 24, 18);
    label_->setWordWrap(true);
    QFont f = label_->font();
    f.setPointSizeF(f.pointSizeF() + 1);
    label_->setFont(f);
    label_->setMinimumWidth(220);
    layout->addWidget(label_);
    spin_->setInterval(90);
    connect(spin_, &QTimer::timeout, this, [this] {
        phase_ = (phase_ + 1) % kSpinnerDots;
        update();
    });
}

void TWaitDlg::ShowMessage(const QString& message) {
    label_->setText(message);
    adjustSize();
    CenterOverParent(this);
    show();
    raise();
    spin_->start();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TWaitDlg::ShowMessage(const std::string& cp1252Message) {
    ShowMessage(ToQString(cp1252Message));
}

void TWaitDlg::HideMessage() {
    spin_->stop();
    hide();
}

QString TWaitDlg::Message() const {
    return label_->text();
}

void TWaitDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, pal.color(QPalette::Base));
    fill.setColorAt(1, pal.color(QPalette::Window));
    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

    // A ring of dots, the brightest one going round.
    const QPointF centre(20 + kSpinnerSize / 2.0, height() / 2.0);
    const QColor accent = pal.color(QPalette::Highlight);
    for (int i = 0; i < kSpinnerDots; ++i) {
        const int age = (phase_ - i + kSpinnerDots) % kSpinnerDots;
        QColor c = accent;
        c.setAlphaF(1.0 - 0.08 * age);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        const double angle = 2 * M_PI * i / kSpinnerDots;
        const QPointF at = centre + QPointF(std::sin(angle), -std::cos(angle)) * (kSpinnerSize / 2.0 - 3);
        p.drawEllipse(at, 3.0 - 0.15 * age, 3.0 - 0.15 * age);
    }
}
