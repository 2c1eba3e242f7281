#pragma once
// Pictures of the game's windows for a person to look at, taken while a seeded career walks on by itself
// (tests/screenshots/game_screenshots.sh). Installed on the application when the environment names a
// folder (KOLBRIN_SHOTS=DIR): it starts the career with a key press, and every dialog that opens is
// pictured once per name (DIR/<objectName>.png) and then answered with its default choice after a short
// delay, as a player pressing Enter would. After KOLBRIN_SHOTS_SECONDS (300 by default) the program ends.
// The screen as the walk left it is pictured last (DIR/last.png). KOLBRIN_SHOTS_PACE=P runs the match
// windows' timers at P percent of the game's pace.
// A normal start never installs it.
//
// At the first club screen it meets, the walker first goes through the screen's doors one after the other,
// as a player would (the screen's own buttons, menu commands and squad list, found by object name): each
// window is pictured once as DIR/<picture>.png and closed, a door that turns the screen's page pictures the
// screen. A door that opens nothing or another window is written to the error stream. Then the screen is
// answered and the career goes on; with KOLBRIN_SHOTS_STOP=doors the program ends there instead.
#include <QObject>
#include <QSet>
#include <QString>

class QDialog;
class QWidget;

class TScreenshotWalker final : public QObject {
    Q_OBJECT
public:
    // `mainWindow` is pictured first and then receives the key that starts the career.
    TScreenshotWalker(QString folder, int seconds, QWidget* mainWindow);

    // Installs a walker when KOLBRIN_SHOTS is set; returns it (owned by the application) or nullptr.
    static TScreenshotWalker* InstallFromEnvironment(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Capture(QWidget* window, const QString& name);
    void Answer(QDialog* dialog, int attempt);
    // The club screen's doors, from `door` on; the screen is answered after the last one.
    void OpenDoor(QDialog* screen, int door);
    void LookThroughDoor(QDialog* screen, int door, int attempt);
    void BehindDoor(QDialog* screen, int door, QDialog* window, bool picked);
    void CloseDoor(QDialog* screen, int door, QDialog* window, int attempt);

    QString folder_;
    QSet<QString> pictured_;
    bool doorsWalked_ = false;  // the doors of the first club screen have been (or are being) walked
    bool walkingDoors_ = false; // while they are, the windows behind them are not answered as dialogs
};
