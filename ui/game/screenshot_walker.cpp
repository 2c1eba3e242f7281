#include "ui/game/screenshot_walker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kLookDelayMs = 700;   // the window is painted and its timers have begun
constexpr int kAnswerDelayMs = 900; // between two presses of the same dialog
constexpr int kMaxAttempts = 40;
const char* const kWalkerNames[] = {"Ana", "Bruno"};
} // namespace

TScreenshotWalker::TScreenshotWalker(QString folder, int seconds, QWidget* mainWindow)
    : QObject(qApp), folder_(std::move(folder)) {
    QDir().mkpath(folder_);
    qApp->installEventFilter(this);
    QPointer<QWidget> main(mainWindow);
    QTimer::singleShot(1500, this, [this, main] {
        if (!main) return;
        Capture(main, "TmainWindow");
        QCoreApplication::postEvent(main, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
    });
    // The walk ends here, wherever the career is: the pictures are written.
    QTimer::singleShot(seconds * 1000, this, [] {
        std::fflush(nullptr);
        std::_Exit(0);
    });
}

TScreenshotWalker* TScreenshotWalker::InstallFromEnvironment(QWidget* mainWindow) {
    const QString folder = qEnvironmentVariable("KOLBRIN_SHOTS");
    if (folder.isEmpty()) return nullptr;
    bool ok = false;
    int seconds = qEnvironmentVariableIntValue("KOLBRIN_SHOTS_SECONDS", &ok);
    if (!ok || seconds <= 0) seconds = 300;
    return new TScreenshotWalker(folder, seconds, mainWindow);
}

void TScreenshotWalker::Capture(QWidget* window, const QString& name) {
    if (pictured_.contains(name)) return;
    pictured_.insert(name);
    // On a real (virtual) display the whole screen shows the dialog over the main window.
    QPixmap picture;
    QScreen* screen = window->screen();
    if (screen && QGuiApplication::platformName() == "xcb")
        picture = screen->grabWindow(0);
    else
        picture = window->grab();
    picture.save(folder_ + "/" + name + ".png");
}

void TScreenshotWalker::Answer(QDialog* dialog, int attempt) {
    if (!dialog->isVisible() || attempt >= kMaxAttempts) return;
    if (QApplication::activeModalWidget() != dialog && QApplication::activeModalWidget() != nullptr) {
        // Another dialog opened over this one: wait until it is answered.
        QPointer<QDialog> guard(dialog);
        QTimer::singleShot(kAnswerDelayMs, this, [this, guard, attempt] {
            if (guard) Answer(guard, attempt);
        });
        return;
    }
    const QString name = dialog->objectName();
    // What a player types before the default choice can go on.
    if (name == "TgetTeamsDlg") {
        int i = 0;
        for (const char* person : kWalkerNames) {
            auto* field = dialog->findChild<QLineEdit*>(QString("playerName%1").arg(++i));
            if (field && !field->isReadOnly() && field->text().isEmpty()) field->setText(person);
        }
    }
    // The dialog's default button, the shown one first (the club screen's play button is on another page,
    // and Enter presses it from any page). A focused button takes the default while it has the focus, so
    // the focus goes first and the dialog's own default comes back.
    // A flat link button never is the dialog's own default.
    if (QWidget* focused = dialog->focusWidget()) focused->clearFocus();
    QPushButton* choice = nullptr;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->isDefault() && !button->isFlat() &&
            (!choice || (button->isVisible() && !choice->isVisible())))
            choice = button;
    if (!choice)
        for (const char* ok : {"OKBtn", "okBtn"})
            if (auto* button = dialog->findChild<QPushButton*>(ok); button && !choice) choice = button;
    // Where the default choice needs a choice first: every country, the automatic line-up.
    if (choice && !choice->isEnabled())
        for (const char* helper : {"selectAllBtn", "labelAuto"})
            if (auto* button = dialog->findChild<QPushButton*>(helper)) button->click();
    // The answer is posted: a dialog it opens runs its own event loop outside this timer's call, where
    // the timers (this walker's among them) keep running.
    if (choice && choice->isEnabled()) {
        QMetaObject::invokeMethod(choice, &QAbstractButton::click, Qt::QueuedConnection);
    } else {
        // Enter; a window without any default button (closed by its own close button) gets Escape from the
        // third try. One whose default waits (a disabled button) is only waited for.
        const int key = choice == nullptr && attempt >= 2 ? Qt::Key_Escape : Qt::Key_Return;
        QCoreApplication::postEvent(dialog, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        QCoreApplication::postEvent(dialog, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
    }
    QPointer<QDialog> guard(dialog);
    QTimer::singleShot(kAnswerDelayMs, this, [this, guard, attempt] {
        if (guard) Answer(guard, attempt + 1);
    });
}

bool TScreenshotWalker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow()) {
            QPointer<QDialog> guard(dialog);
            QTimer::singleShot(kLookDelayMs, this, [this, guard] {
                if (!guard || !guard->isVisible()) return;
                const QString name =
                    guard->objectName().isEmpty() ? guard->metaObject()->className() : guard->objectName();
                Capture(guard, name);
                // Only a modal dialog waits for an answer; the progress and wait windows go by themselves.
                if (guard->isModal()) Answer(guard, 0);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
