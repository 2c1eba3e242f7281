#pragma once
// The shoot-out of a cup tie, kick by kick: "Timer1" calls the shoot-out's Kick() every KickIntervalMs()
// (scaled by the match pace) until it is finished; "Timer2" closes the dialog three seconds later. The
// list shows numbered lines, one per pair of kicks: five waiting lines from the start, filled kick by kick,
// and one more for each pair of sudden death. The clubs' names stand above its ends, the score below. It
// cannot be closed before its end.
//
// Driving it from a test: SetMatchPace(0); the dialog (objectName "TPenaltiesDlg") runs and closes by
// itself; nothing is clicked.
#include "match/cup_penalty.h"
#include "ui/common/kol_form.h"

#include <array>

class QLabel;
class QTimer;
class TObjectListView;
class TShootout;

class TPenaltiesDlg final : public TKolForm {
    Q_OBJECT
public:
    TPenaltiesDlg(TShootout& shootout, QWidget* parent = nullptr);

    // Shows the dialog until the shoot-out is over (modal).
    void Run();
    TObjectListView* Lines() const { return listBoxPenalties_; }
    QLabel* TextResult() const { return textResult_; }
    bool CanClose() const { return canClose_; }
    // One tick of "Timer1": the next kick, shown.
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ShowLines();

    TShootout& shootout_;
    static constexpr int kWaitingLines = 5;
    std::array<TCupPenalty, kWaitingLines> waitingLines_; // the pairs not kicked yet
    bool canClose_ = false;
    QLabel* label1_;
    QLabel* textHomeTeamName_;
    QLabel* textAwayTeamName_;
    QLabel* textResult_;
    TObjectListView* listBoxPenalties_;
    QTimer* timer1_;
    QTimer* timer2_;
};
