#pragma once
// The live matchday: a window over the whole screen with one line per game of the round, the minute clock
// and the matchday's caption, paced by a timer that calls the matchday's Tick() every TimerInterval()
// milliseconds (scaled by the match pace, ui/game/match/match_pace.h) until the matchday is over. A left
// click on a club's name asks that club's coach for a substitution; a right click opens the coach manager;
// F1 the About box; the page buttons "«" and "»" turn the pages of 24 lines. The window closes only when
// the matchday is over (Escape and the close button are refused before).
//
// Driving it from a test: SetMatchPace(0) before the matchday, then let the event loop run (the port's
// ShowMatchday returns when the matchday is over). The window's objectName is "TjourneyDlg"; a click on a
// club's name is QTest::mouseClick(dlg, Qt::LeftButton, {}, ClubNamePoint(gameIndex, side)); the page
// buttons are "nextGamePageBtn" and "previousGamePageBtn".
#include "ui/game/match/journey_painter.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;
class TMatchdayRunner;
class TMatchdayTicker;
class TWorld;

class TjourneyDlg final : public QDialog {
    Q_OBJECT
public:
    // `ticker` is the matchday; when it is the match layer's runner (and `world` is given) the window shows
    // the round's games, otherwise only the clock runs.
    TjourneyDlg(TMatchdayTicker& ticker, TWorld* world, QWidget* parent = nullptr);

    // Runs the matchday to its end (modal); returns when the window closed.
    void Run();

    bool CanClose() const { return canClose_; }
    const TMatchdayGeometry& Geometry() const { return view_.geometry; }
    // The centre of a club's name cell of the game at `gameIndex` of the round's games (side 0 home, 1
    // away), on the current page; (-1, -1) when the game is on another page.
    QPoint ClubNamePoint(int gameIndex, int side) const;
    QTimer* GameTimer() const { return gameTimer_; }
    // The match layer's runner behind the window, or nullptr when only a ticker is shown.
    const TMatchdayRunner* Runner() const { return runner_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void MinutePassed();
    void UpdatePagesButtons();
    void PaintClock(QPainter& painter);
    // Stops the timer around a dialog opened from the window, and starts it again afterwards.
    template <class F> void Paused(F&& dialog);

    TMatchdayTicker& ticker_;
    TMatchdayRunner* runner_;
    TWorld* world_;
    TJourneyView view_;
    bool canClose_ = false;
    QLabel* labelCaption_;
    QPushButton* nextGamePageBtn_;
    QPushButton* previousGamePageBtn_;
    QTimer* gameTimer_;
};
