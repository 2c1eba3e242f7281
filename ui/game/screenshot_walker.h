#pragma once
// Pictures of the game's windows for a person to look at, taken while a seeded career walks on by itself
// (tests/screenshots/game_screenshots.sh). Installed on the application when the environment names a
// folder (KOLBRIN_SHOTS=DIR): it starts the career with a key press, and every dialog that opens is
// pictured once per name (DIR/<objectName>.png) and then answered with its default choice after a short
// delay, as a player pressing Enter would. After KOLBRIN_SHOTS_SECONDS (300 by default) the program ends.
// A normal start never installs it.
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

    QString folder_;
    QSet<QString> pictured_;
};
