#pragma once
// The finance table of a club: the money booked in each category over the current season and the two
// before it, incomes and expenses with their totals and the result, one column per season.
#include "club/finance.h"
#include "ui/common/kol_form.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class TTeam;
class TWorld;

class TbalanceDlg final : public TKolForm {
    Q_OBJECT
public:
    TbalanceDlg(TWorld& world, TTeam& club, QWidget* parent = nullptr);

    QListWidget* ListBoxBalance() const { return listBoxBalance_; }
    QPushButton* CloseBtn() const { return closeBtn_; }
    // The rows as they are painted (row markup).
    std::vector<std::string> RowTexts() const;

private:
    TThreeBalances balances_;
    QLabel* labelHeading_;
    QListWidget* listBoxBalance_;
    QPushButton* closeBtn_;
};

void ShowBalanceDialog(TWorld& world, TTeam& club, QWidget* parent);
