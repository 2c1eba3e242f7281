#pragma once
// Another club wants a human coach who has a club: Yes takes the job, No turns it down; the squad of the
// club that asks can be looked at first. Only these answers close the dialog (Escape answers No).
#include "ui/common/kol_form.h"

class QLabel;
class QPushButton;
class TCoach;
class TTeam;
class TWorld;

class TinviteCoachDlg final : public TKolForm {
    Q_OBJECT
public:
    TinviteCoachDlg(TWorld& world, TCoach& coach, TTeam& club, QWidget* parent = nullptr);

    QLabel* TextCoachName() const { return textCoachName_; }
    QLabel* TextTeamName() const { return textTeamName_; }
    QPushButton* OkBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    QPushButton* PlantelBtn() const { return plantelBtn_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TWorld& world_;
    TCoach& coach_;
    TTeam& club_;
    QLabel* textCoachName_;
    QLabel* textTeamName_;
    QPushButton* okBtn_;
    QPushButton* cancelBtn_;
    QPushButton* plantelBtn_;
    bool answered_ = false;
};

// True when the coach takes the job.
bool InviteCoach(TWorld& world, TCoach& coach, TTeam& club, QWidget* parent);
