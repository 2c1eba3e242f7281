#pragma once
// The shoot-out of a cup tie, kick by kick: "Timer1" calls the shoot-out's Kick() every KickIntervalMs()
// (scaled by the match pace) until it is finished; "Timer2" closes the dialog three seconds later. The
// list shows one line per pair of kicks, the clubs' names stand above its ends, the score below. It cannot
// be closed before its end.
//
// Driving it from a test: SetMatchPace(0); the dialog (objectName "TPenaltiesDlg") runs and closes by
// itself; nothing is clicked.
#include "ui/common/kol_form.h"

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Timer1Timer();
    void ShowLines();

    TShootout& shootout_;
    bool canClose_ = false;
    QLabel* label1_;
    QLabel* textHomeTeamName_;
    QLabel* textAwayTeamName_;
    QLabel* textResult_;
    TObjectListView* listBoxPenalties_;
    QTimer* timer1_;
    QTimer* timer2_;
};
