#pragma once
// The loan dialog: the club's loan, the interest it costs after every game, its cash and the most it may
// borrow, with one button that borrows a money step and one that repays a step. Each press acts at once
// through the club's loan operations and the figures follow; the buttons are enabled exactly when those
// operations allow the step. Opened for another club than the coach's own, it only shows.
#include "ui/common/kol_form.h"

class QLabel;
class QPushButton;
class TTeam;
class TWorld;

class TloanDlg final : public TKolForm {
    Q_OBJECT
public:
    // `mayAct`: the dialog was opened for the coach's own club, so the buttons may act.
    TloanDlg(TWorld& world, TTeam& club, bool mayAct, QWidget* parent = nullptr);

    QLabel* TextLimit() const { return valueLimit_; }
    QLabel* TextLoan() const { return valueLoan_; }
    QLabel* TextInterest() const { return valueInterest_; }
    QLabel* TextMoney() const { return valueMoney_; }
    QPushButton* BorrowBtn() const { return borrowBtn_; }
    QPushButton* PayBtn() const { return payBtn_; }
    QPushButton* CloseBtn() const { return closeBtn_; }

private:
    void Refresh();
    void BorrowBtnClick();
    void PayBtnClick();

    TWorld& world_;
    TTeam& club_;
    bool mayAct_;
    QLabel* labelClub_;
    QLabel* valueLimit_;
    QLabel* valueLoan_;
    QLabel* valueInterest_;
    QLabel* valueMoney_;
    QPushButton* borrowBtn_;
    QPushButton* payBtn_;
    QPushButton* closeBtn_;
};

// The loan dialog of the coach's own club (the club screen's door): the buttons act when the club is run
// by a person at the screen.
void ShowLoanDialog(TWorld& world, TTeam& club, QWidget* parent);
// The same for any club: `mayAct` false only shows (the squad view of another club).
void ShowLoanDialog(TWorld& world, TTeam& club, QWidget* parent, bool mayAct);
