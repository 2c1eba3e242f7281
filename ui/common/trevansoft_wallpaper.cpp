#include "ui/common/trevansoft_wallpaper.h"

#include "ui/common/checked_picture.h"

#include <QEvent>
#include <QPainter>

TTrevansoftWallpaper::TTrevansoftWallpaper(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
        lower();
    }
}

bool TTrevansoftWallpaper::LoadPicture(const std::string& path) {
    SetPicture(LoadCheckedPicture(path));
    return HasPicture();
}

void TTrevansoftWallpaper::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TTrevansoftWallpaper::SetMode(TMode mode) {
    mode_ = mode;
    update();
}

bool TTrevansoftWallpaper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        lower();
    }
    return QWidget::eventFilter(watched, event);
}

void TTrevansoftWallpaper::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull()) {
        const QPalette& pal = palette();
        QLinearGradient fill(0, 0, width() * 0.3, height());
        fill.setColorAt(0, pal.color(QPalette::Window).lighter(106));
        fill.setColorAt(1, pal.color(QPalette::Window).darker(112));
        p.fillRect(rect(), fill);
        return;
    }
    switch (mode_) {
    case TMode::Tile:
        p.drawTiledPixmap(rect(), picture_);
        break;
    case TMode::Stretch:
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), picture_);
        break;
    case TMode::Center: {
        p.fillRect(rect(), palette().color(QPalette::Window));
        const QSize size = picture_.deviceIndependentSize().toSize();
        p.drawPixmap(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
                     picture_);
        break;
    }
    }
}
