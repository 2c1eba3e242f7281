#pragma once
// The cup draw on the screen: the cup clubs in seeding order on the colours of their pots, and the pairs
// appearing one by one as the timer draws them (TCupDraw::DrawNextPair), the pairs of the persons' clubs
// once more in a list of their own. When every pair is drawn the timer runs on at 500 ms and the 11th tick
// closes the window. Space or Enter draws the rest at once; Escape draws the rest and closes; Close does
// too once the draw is finished. The draws come in the core's order whatever is pressed. Both intervals are
// scaled by the season pace (season_pace.h).
#include "ui/common/kol_form.h"

#include <exception>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class TCupDraw;

class TsorteioDlg final : public TKolForm {
    Q_OBJECT
public:
    static constexpr int kClosingTicks = 10;
    static constexpr int kClosingIntervalMs = 500;

    TsorteioDlg(TCupDraw& draw, QWidget* parent = nullptr);

    QLabel* LabelCaption() const { return labelCaption_; }
    QListWidget* ListBoxTeams() const { return listBoxTeams_; }
    QListWidget* ListBoxGames() const { return listBoxGames_; }
    QListWidget* ListBoxHumanGames() const { return listBoxHumanGames_; }
    QPushButton* CloseBtn() const { return closeBtn_; }
    QTimer* Timer() const { return timer_; }

    // One tick: the next pair, or one of the closing ticks once every pair is drawn.
    void Tick();
    // Draws every pair left at once.
    void SkipToEnd();
    // A rule that failed while the timer drew (raised again once the window has closed).
    std::exception_ptr Failure() const { return failure_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    bool DrawOne();
    void AddPair(int index);
    void Finished();

    TCupDraw& draw_;
    int closingTicks_ = 0;
    std::exception_ptr failure_;
    QLabel* labelCaption_;
    QListWidget* listBoxTeams_;
    QListWidget* listBoxGames_;
    QListWidget* listBoxHumanGames_;
    QPushButton* closeBtn_;
    QTimer* timer_;
};

// Shows the draw modally over `parent` until it has closed itself (every pair is drawn by then).
void RunCupDrawDialog(TCupDraw& draw, QWidget* parent);
