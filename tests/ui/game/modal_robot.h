#pragma once
// Drives modal dialogs from a test: a list of steps tried on a short timer, each step done when it answers
// true (usually: the dialog it waits for is the active modal one, and it has acted on it). Clicks are
// queued, so a click that opens a further modal dialog returns to the event loop and the robot goes on
// inside that dialog's loop.
#include <QApplication>
#include <QMetaObject>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

class TModalRobot {
public:
    TModalRobot() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (!steps.empty() && steps.front()()) steps.pop_front();
        });
        timer_.start(5);
    }
    std::deque<std::function<bool()>> steps;

    // The active modal dialog if it is a T.
    template <class T> static T* Modal() { return qobject_cast<T*>(QApplication::activeModalWidget()); }
    static void Click(QAbstractButton* button) {
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    }

private:
    QTimer timer_;
};

#include <QDir>
#include <QPixmap>
#include <QWidget>

// With KOLBRIN_SHOTS set to a folder, writes a picture of `window` there as <name>.png, to be looked at
// (on a virtual display, at 1280x800 and at QT_SCALE_FACTOR=2); otherwise does nothing.
inline void SaveShot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("KOLBRIN_SHOTS");
    if (folder.isEmpty() || !window) return;
    QDir().mkpath(folder);
    if (!window->isVisible()) window->show();
    QApplication::processEvents();
    window->grab().save(folder + "/" + name + ".png");
}
