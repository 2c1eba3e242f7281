#pragma once
// The game's main window: a borderless, maximised black window with the title in the middle, the footer text
// below and a wallpaper behind. The career starts when the mouse first moves over it (or at the first key
// press) and runs until the player leaves it; then the window closes and the program ends. Its menu holds the
// options, the language (Ctrl+L), the About box and quitting; what the user confirms there is written to the
// settings store.
#include <QMainWindow>
#include <functional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class TSettingsStore;
class TTrevansoftWallpaper;

class TmainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit TmainWindow(TSettingsStore& store, QWidget* parent = nullptr);

    // The career routine. It runs once, at the first mouse movement over the window, and the window closes
    // when it returns. Until one is set, moving the mouse starts nothing.
    void SetCareerRoutine(std::function<void()> routine) { careerRoutine_ = std::move(routine); }
    bool Running() const { return running_; }

    QLabel* LabelCaption() const { return labelCaption_; }
    QLabel* LabelFooter() const { return labelFooter_; }
    QMenu* KolbrinMenu() const { return kolbrinMenu_; }
    QAction* LanguageAction() const { return languageAction_; }
    TTrevansoftWallpaper* Wallpaper() const { return wallpaper_; }

    // The first call starts the career (see SetCareerRoutine); later calls do nothing. An exception that
    // ends the career is logged and shown before the window closes.
    void GoOn();

    // Lets the user choose another language (the language dialog). The new language's labels file replaces
    // the open one, the window takes its texts and the choice is stored; a language that cannot be opened
    // is reported and the one in use stays. Not while a career runs: its world took its texts at its start.
    void ChangeLanguage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ApplyTexts();

    bool running_ = false;
    std::function<void()> careerRoutine_;
    TTrevansoftWallpaper* wallpaper_;
    QLabel* labelCaption_;
    QLabel* labelFooter_;
    QMenu* kolbrinMenu_;
    QAction* languageAction_;
    TSettingsStore& store_;
};
