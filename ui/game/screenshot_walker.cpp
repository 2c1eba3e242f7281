#include "ui/game/screenshot_walker.h"

#include "ui/game/match/match_pace.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {
constexpr int kLookDelayMs = 700;   // the window is painted and its timers have begun
constexpr int kAnswerDelayMs = 900; // between two presses of the same dialog
constexpr int kMaxAttempts = 40;
const char* const kWalkerNames[] = {"Ana", "Bruno"};
constexpr int kDoorAttempts = 6; // looks for the window behind a door before the door counts as shut

// A door of the club screen: a button, a menu command or the squad list (a click on its first player),
// the window it opens (its object name or class; none when the door turns the screen's page, and the
// screen is pictured) and the picture's name. In the window, the first row of the list `pick` is clicked
// before the picture and the button `inside` after it.
struct TDoor {
    const char* door;
    const char* window;
    const char* picture;
    const char* pick = nullptr;
    const char* inside = nullptr;
};
const TDoor kDoors[] = {
    {"ListBoxOfPlayers", nullptr, "TprepareGameDlg-player"},
    {"Vender2", nullptr, "TprepareGameDlg-sale"},
    {"Renovarcontrato1", nullptr, "TprepareGameDlg-contract"},
    {"cupBtn", nullptr, "TprepareGameDlg-cup"},
    {"financesBtn", nullptr, "TprepareGameDlg-finances"},
    {"textWages", "TbalanceDlg", "TbalanceDlg"},
    {"loanBtn", "TloanDlg", "TloanDlg"},
    {"stadiumBtn", "TstadiumDlg", "TstadiumDlg"},
    // The opponent's squad; its first player is observed, so the list of observed players opens below.
    {"opponentPlantelBtn", "TPlantelDlg", "TPlantelDlg", "ListBoxOfPlayersView", "SpeedButtonObserved"},
    {"Procurarjogador1", "TcheckPlayerDlg", "TcheckPlayerDlg"},
    {"Transferncias1", "TlastTransfersDlg", "TlastTransfersDlg"},
    {"Observados1", "TObservedPlayersDlg", "TObservedPlayersDlg"},
    {"Perfil1", "TcoachOptionsDlg", "TcoachOptionsDlg"},
    {"ppp1", "TPrintListDlg", "TPrintListDlg-coachHistory"},
    {"Ranking1", "TPrintListDlg", "TPrintListDlg-coachRanking"},
    {"clubCalendar1", "TPrintListDlg", "TPrintListDlg-clubCalendar"},
    {"textReferee", "TRefereeAidDlg", "TRefereeAidDlg"},
    {"coachManagementBtn", "TcoachManagerDlg", "TcoachManagerDlg-club"},
    {"opcoesKolbrin1", "OptionsDlg", "OptionsDlg-club"},
    {"gameBtn", nullptr, "TprepareGameDlg-game"},
    {"selectBtn", nullptr, "TprepareGameDlg-selection"},
};
constexpr int kDoorCount = static_cast<int>(std::size(kDoors));

QString WindowName(const QWidget* window) {
    return window->objectName().isEmpty() ? window->metaObject()->className() : window->objectName();
}

void Complain(const QString& text) {
    std::fprintf(stderr, "screenshot walker: %s\n", qPrintable(text));
}

// A left click on the first row of a list, where a player clicks (the release is what the lists read).
bool ClickFirstRow(QListView* view) {
    if (view == nullptr || view->model() == nullptr || view->model()->rowCount() == 0) return false;
    const QPointF at = view->visualRect(view->model()->index(0, 0)).center();
    const QPointF global = view->viewport()->mapToGlobal(at);
    QCoreApplication::postEvent(view->viewport(),
                                new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(view->viewport(),
                                new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                Qt::NoButton, Qt::NoModifier));
    return true;
}

// Opens a door as a player would; false when there is none by that name or it cannot be used. The click
// is posted: the window behind it runs its own event loop outside the walker's timer call.
bool Knock(QWidget* screen, const char* name) {
    QObject* door = screen->findChild<QObject*>(name);
    if (auto* action = qobject_cast<QAction*>(door)) {
        if (!action->isEnabled()) return false;
        QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(door)) {
        if (!button->isEnabled()) return false;
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
        return true;
    }
    if (auto* list = qobject_cast<QWidget*>(door)) return ClickFirstRow(list->findChild<QListView*>());
    return false;
}
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
    // The walk ends here, wherever the career is: the pictures are written, the last one of the screen as
    // the walk left it (where it got to).
    QTimer::singleShot(seconds * 1000, this, [this, main] {
        QWidget* top = QApplication::activeModalWidget();
        if (top == nullptr) top = main;
        if (top != nullptr) Capture(top, "last");
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
    // A faster pace of the match windows (a percentage of the game's own) lets a walk reach the later
    // windows of a season; the draws stay the same.
    const int pace = qEnvironmentVariableIntValue("KOLBRIN_SHOTS_PACE", &ok);
    if (ok && pace >= 0 && pace < 100) SetMatchPace(pace);
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
    // An injured player's place: the first substitute, as a player picks one; where he may not come on,
    // the team plays on one man short (the window's close button).
    if (name == "TforcedSubstitutionDlg" && choice && !choice->isEnabled()) {
        if (attempt == 1)
            if (auto* list = dialog->findChild<QWidget*>("ListBoxOfSubstitutePlayers"))
                ClickFirstRow(list->findChild<QListView*>());
        if (attempt >= 3) choice = dialog->findChild<QPushButton*>("backBtn");
    }
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

void TScreenshotWalker::OpenDoor(QDialog* screen, int door) {
    if (door >= kDoorCount) {
        walkingDoors_ = false;
        if (qEnvironmentVariable("KOLBRIN_SHOTS_STOP") == "doors") {
            std::fflush(nullptr);
            std::_Exit(0);
        }
        Answer(screen, 0);
        return;
    }
    QPointer<QDialog> guard(screen);
    if (!Knock(screen, kDoors[door].door)) {
        Complain(QString("the door %1 of the club screen cannot be opened").arg(kDoors[door].door));
        QTimer::singleShot(0, this, [this, guard, door] {
            if (guard) OpenDoor(guard, door + 1);
        });
        return;
    }
    QTimer::singleShot(kLookDelayMs, this, [this, guard, door] {
        if (guard) LookThroughDoor(guard, door, 0);
    });
}

void TScreenshotWalker::LookThroughDoor(QDialog* screen, int door, int attempt) {
    const TDoor& d = kDoors[door];
    QPointer<QDialog> guard(screen);
    auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (window == screen || window == nullptr) {
        if (d.window == nullptr) {
            // A page of the screen itself.
            Capture(screen, d.picture);
            OpenDoor(screen, door + 1);
        } else if (attempt + 1 < kDoorAttempts) {
            // The window may take a while to build its lists.
            QTimer::singleShot(kAnswerDelayMs, this, [this, guard, door, attempt] {
                if (guard) LookThroughDoor(guard, door, attempt + 1);
            });
        } else {
            Complain(QString("the door %1 of the club screen opened no window").arg(d.door));
            OpenDoor(screen, door + 1);
        }
        return;
    }
    if (d.window == nullptr || WindowName(window) != d.window)
        Complain(QString("the door %1 of the club screen opened %2, not %3")
                     .arg(d.door, WindowName(window), d.window ? d.window : "nothing"));
    BehindDoor(screen, door, window, false);
}

void TScreenshotWalker::BehindDoor(QDialog* screen, int door, QDialog* window, bool picked) {
    const TDoor& d = kDoors[door];
    if (d.window != nullptr && WindowName(window) == d.window) {
        if (d.pick != nullptr && !picked) {
            // A row is picked as a player picks one; the picture shows the window's answer to it.
            ClickFirstRow(window->findChild<QListView*>(d.pick));
            QPointer<QDialog> guard(screen);
            QPointer<QDialog> shown(window);
            QTimer::singleShot(kLookDelayMs, this, [this, guard, door, shown] {
                if (guard && shown) BehindDoor(guard, door, shown, true);
            });
            return;
        }
        Capture(window, d.picture);
        if (d.inside != nullptr)
            if (auto* button = window->findChild<QAbstractButton*>(d.inside))
                QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    }
    CloseDoor(screen, door, window, 0);
}

void TScreenshotWalker::CloseDoor(QDialog* screen, int door, QDialog* window, int attempt) {
    QPointer<QDialog> guard(screen);
    QPointer<QDialog> shown(window);
    if (shown && shown->isVisible()) {
        if (attempt >= kMaxAttempts) {
            Complain(QString("%1 does not close").arg(WindowName(window)));
            return;
        }
        // Escape, as a player closes a window; a question it asks is closed the same way.
        QWidget* top = QApplication::activeModalWidget();
        QMetaObject::invokeMethod(qobject_cast<QDialog*>(top) ? top : window, "reject", Qt::QueuedConnection);
        QTimer::singleShot(kAnswerDelayMs, this, [this, guard, door, shown, attempt] {
            if (guard) CloseDoor(guard, door, shown, attempt + 1);
        });
        return;
    }
    // Closed: the screen may show another window of its own (a refresh); the next door.
    if (QApplication::activeModalWidget() == screen || QApplication::activeModalWidget() == nullptr)
        OpenDoor(screen, door + 1);
    else
        LookThroughDoor(screen, door, kDoorAttempts);
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
                // Behind the club screen's doors the walk of the doors pictures and closes the windows.
                if (walkingDoors_) return;
                Capture(guard, name);
                if (name == "TprepareGameDlg" && !doorsWalked_) {
                    doorsWalked_ = true;
                    walkingDoors_ = true;
                    OpenDoor(guard, 0);
                    return;
                }
                // Only a modal dialog waits for an answer; the progress and wait windows go by themselves.
                if (guard->isModal()) Answer(guard, 0);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
