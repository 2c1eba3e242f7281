#pragma once
// The stadium works: the stadium's capacity drawn as three rings of stands around the pitch, the price of
// the next 5000 seats, and the button that builds them through the club's stadium operation (enabled while
// the club can pay and the stadium can grow). The loan door is there too, since works are often paid with
// a loan. Opened for another club than the coach's own, it only shows.
#include "ui/common/kol_form.h"

#include <array>

class QLabel;
class QPushButton;
class TTeam;
class TWorld;

// The parts of the inner, middle and outer ring of stands (6, 8 and 10 parts) that a stadium of class
// `stadiumClass` (1..24) has built: the inner ring fills first, then the middle, then the outer.
std::array<int, 3> StadiumRingParts(int stadiumClass);

// The picture of the stadium.
class TStadiumPicture final : public QWidget {
public:
    explicit TStadiumPicture(QWidget* parent = nullptr);
    void SetStadiumClass(int stadiumClass);
    QSize sizeHint() const override { return QSize(320, 220); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int stadiumClass_ = 1;
};

class TstadiumDlg final : public TKolForm {
    Q_OBJECT
public:
    // `mayAct`: opened for the coach's own club, so the works and the loan door are offered.
    TstadiumDlg(TWorld& world, TTeam& club, bool mayAct, QWidget* parent = nullptr);

    QLabel* TextCapacity() const { return textCapacity_; }
    QLabel* Label1() const { return label1_; }
    QLabel* LabelWarning() const { return labelWarning_; }
    QPushButton* ConstructBtn() const { return constructBtn_; }
    QPushButton* LoanBtn() const { return loanBtn_; }
    QPushButton* CloseBtn() const { return closeBtn_; }

private:
    void Refresh();
    void ConstructBtnClick();
    void LoanBtnClick();

    TWorld& world_;
    TTeam& club_;
    bool mayAct_;
    QLabel* labelClub_;
    TStadiumPicture* paintBoxStadium_;
    QLabel* textCapacity_;
    QLabel* label1_;
    QLabel* labelWarning_;
    QPushButton* constructBtn_;
    QPushButton* loanBtn_;
    QPushButton* closeBtn_;
};

// The stadium dialog of the coach's own club (the club screen's door): it acts when the club is run by a
// person at the screen.
void ShowStadiumDialog(TWorld& world, TTeam& club, QWidget* parent);
// The same for any club: `mayAct` false only shows.
void ShowStadiumDialog(TWorld& world, TTeam& club, QWidget* parent, bool mayAct);
