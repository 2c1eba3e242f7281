#include "ui/common/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void CenterOverParent(QWidget* window) {
    if (window == nullptr) return;
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    QScreen* screen = parent ? parent->screen() : window->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QRect over = parent && parent->isVisible() ? parent->frameGeometry() : area;
    if (!over.isValid()) return;
    // The frame once the window system has framed it; before that, the window's own size.
    QSize size = window->frameGeometry().size().expandedTo(window->size());
    if (area.isValid() && (size.width() > area.width() || size.height() > area.height())) {
        // Larger than the screen's free area (a small screen at 200 %): made to fit it, as far as the
        // window can be made that small.
        const QSize frame = size - window->size();
        window->resize(window->size().boundedTo(area.size() - frame));
        size = window->size() + frame;
    }
    QPoint topLeft = over.center() - QPoint(size.width() / 2, size.height() / 2);
    if (area.isValid()) {
        // A dialog larger than the parent still stays on the screen, its title bar reachable.
        topLeft.setX(
            std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - size.width())));
        topLeft.setY(
            std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
    }
    window->move(topLeft);
}
