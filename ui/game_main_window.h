#pragma once
// The game's main window: a borderless, maximised black window with the title in the middle, the footer text
// below and a wallpaper behind. The career starts when the mouse first moves over it and runs until the
// player leaves it; then the window closes and the program ends.
#include <QMainWindow>
#include <functional>

class QLabel;
class QMenu;
class TTrevansoftWallpaper;

class TmainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit TmainWindow(QWidget* parent = nullptr);

    // The career routine. It runs once, at the first mouse movement over the window, and the window closes
    // when it returns. Until one is set, moving the mouse starts nothing.
    void SetCareerRoutine(std::function<void()> routine) { careerRoutine_ = std::move(routine); }
    bool Running() const { return running_; }

    QLabel* LabelCaption() const { return labelCaption_; }
    QLabel* LabelFooter() const { return labelFooter_; }
    QMenu* KolbrinMenu() const { return kolbrinMenu_; }
    TTrevansoftWallpaper* Wallpaper() const { return wallpaper_; }

    // The first call starts the career (see SetCareerRoutine); later calls do nothing.
    void GoOn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool running_ = false;
    std::function<void()> careerRoutine_;
    TTrevansoftWallpaper* wallpaper_;
    QLabel* labelCaption_;
    QLabel* labelFooter_;
    QMenu* kolbrinMenu_;
};
