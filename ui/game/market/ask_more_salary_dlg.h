#pragma once
// A player's salary demand put to his club's coach: the question for the mode (0 and 1 the wage review,
// 2 and 3 a renewal), with Yes and No when the club may refuse (modes 0 and 2) and only OK when it cannot
// (1 and 3). The answer goes back to the rules, which set the salary.
#include "ui/common/kol_form.h"

#include <cstdint>

class QLabel;
class QPushButton;
class TPlayer;
class TTeam;

class TaskMoreSalaryDlg final : public TKolForm {
    Q_OBJECT
public:
    TaskMoreSalaryDlg(TTeam& club, TPlayer& player, std::int32_t amount, int mode, QWidget* parent = nullptr);

    QLabel* TextCoachName() const { return textCoachName_; }
    QLabel* TextMessage() const { return textMessage_; }
    QPushButton* YesBtn() const { return yesBtn_; }
    QPushButton* NoBtn() const { return noBtn_; }
    QPushButton* OkBtn() const { return okBtn_; }

private:
    QLabel* textCoachName_;
    QLabel* textMessage_;
    QPushButton* yesBtn_;
    QPushButton* noBtn_;
    QPushButton* okBtn_;
};

// True when the coach accepted (Yes or OK); No or closing the window answers false.
bool AskMoreSalary(TTeam& club, TPlayer& player, std::int32_t amount, int mode, QWidget* parent);
