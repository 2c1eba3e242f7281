#pragma once
// A penalty during play in a game of a club coached by a person. Two moments, one dialog each time:
// - Choose: the coach of the shooting club picks the taker among his players on the field
//   ("ListBoxOfPlayers"; the club's best taker stands picked when it opens) and presses "shootBtn"
//   (Enter); Taker() is the choice.
//   Escape leaves the choice to the rules (Taker() nullptr: the club's best taker shoots).
// - Kick: the kick the rules have drawn is shown: the taker's name, after two seconds the result (text 304
//   + the kick's code), and two seconds later the dialog closes by itself ("Timer1", 1000 ms a step,
//   scaled by the match pace). It cannot be closed before.
//
// Driving it from a test: find the modal dialog by objectName "TpenaltyDlg", select a row of Players()
// (its `view`'s setCurrentIndex, or a click on the row) and click "shootBtn"; the kick closes by itself
// (SetMatchPace(0) makes it immediate).
#include "ui/common/kol_form.h"

class QLabel;
class QPushButton;
class QTimer;
class TGame;
class TObjectListView;
class TPlayer;
class TTeam;

class TpenaltyDlg final : public TKolForm {
    Q_OBJECT
public:
    // The choice of the taker of `shooting`.
    TpenaltyDlg(TGame& game, TTeam& shooting, QWidget* parent = nullptr);
    // The kick of `taker` of `shooting`, whose code is `result`.
    TpenaltyDlg(TGame& game, TTeam& shooting, TPlayer& taker, int result, QWidget* parent = nullptr);

    TPlayer* Taker() const { return taker_; }
    TTeam& Shooting() const { return *shooting_; }
    TObjectListView* Players() const { return listBoxOfPlayers_; }
    QPushButton* ShootBtn() const { return shootBtn_; }
    QLabel* LabelChoose() const { return labelChoose_; }
    QLabel* LabelResult() const { return labelResult_; }
    bool CanClose() const { return canClose_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Build(TTeam& shooting);
    void shootBtnClick();
    void Timer1Timer();

    TTeam* shooting_ = nullptr;
    TPlayer* taker_ = nullptr;
    int result_ = 0;
    int ticks_ = 0;
    bool canClose_ = false;
    QLabel* lblShootingTeam_;
    QLabel* label1_;
    QLabel* labelChoose_;
    QLabel* labelResult_;
    TObjectListView* listBoxOfPlayers_ = nullptr;
    QPushButton* shootBtn_ = nullptr;
    QTimer* timer1_;
};
