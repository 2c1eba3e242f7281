#pragma once
// The squad view: one club of the career with its players, the squad's mood and the board's view of the
// coach as two gauges, the selected player's details, and the doors to the market for the viewer's own
// club (buying a listed player, observing, the player search, the acquisitions, the observed players),
// the club's calendar, loans and accounts. A combo switches to any club without leaving the view.
// Every change goes through the core (a purchase, the observed list); the view only shows and asks.
#include "ui/common/kol_form.h"

#include <cstdint>

class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class TObjectListView;
class TPlayer;
class TTeam;
class TWorld;

class TPlantelDlg final : public TKolForm {
    Q_OBJECT
public:
    // `viewerClub` is the club of the coach looking (nullptr: nobody buys or observes from here).
    TPlantelDlg(TWorld& world, TTeam& club, TTeam* viewerClub, TPlayer* preselect, QWidget* parent = nullptr);

    TTeam& ShownClub() const { return *club_; }
    TPlayer* SelectedPlayer() const { return selected_; }
    // The price at which the selected player could be bought now (0: he cannot).
    std::int32_t SelectedPrice() const { return price_; }
    // The column mask of the player list.
    int Mask() const { return mask_; }

    // Shows another club (as the combo does), with `player` selected when given.
    void ShowClub(TTeam& club, TPlayer* player = nullptr);
    // Selects a player of the shown club (as a click on his row).
    void SelectPlayer(TPlayer* player);

    QComboBox* ComboCurrentTeam() const { return comboCurrentTeam_; }
    TObjectListView* ListBoxOfPlayers() const { return listBoxOfPlayers_; }
    QProgressBar* GaugeMoral() const { return gaugeMoral_; }
    QProgressBar* GaugeCoachPerformance() const { return gaugeCoachPerformance_; }
    QPushButton* BuyBtn() const { return buyBtn_; }
    QLabel* TextDesiredSalary() const { return textDesiredSalary_; }
    QLabel* TextBuyStatus() const { return textBuyStatus_; }
    QToolButton* SpeedButtonObserved() const { return speedButtonObserved_; }
    QPushButton* SpyBtn() const { return spyBtn_; }
    QMenu* SpyMenu() const { return spyMenu_; }
    QPushButton* CalendarBtn() const { return calendarBtn_; }
    QPushButton* LoanBtn() const { return loanBtn_; }
    QPushButton* BalanceBtn() const { return balanceBtn_; }
    QLabel* Details() const { return details_; }

    void buyBtnClick();
    void SpeedButtonObservedClick();
    void Procurarjogador1Click();
    void Aquisies1Click();
    void Observados1Click();
    void calendarBtnClick();
    void loanBtnClick();
    void balanceBtnClick();

protected:
    void done(int result) override;

private:
    void Refresh();
    void RebuildList();
    void ComboCurrentTeamChange(int index);
    void ListBoxOfPlayersClick();
    void UpdateBuyButton();
    void UpdateDetails();
    // Switches to the picked player's club with him selected (after the search or the observed list).
    void GoToPlayer(TPlayer* player);

    TWorld& world_;
    TTeam* club_;
    TTeam* viewer_;
    TPlayer* selected_ = nullptr;
    std::int32_t price_ = 0;
    int mask_ = 0;
    std::vector<TPlayer*> rows_;

    QComboBox* comboCurrentTeam_;
    QVBoxLayout* listHolder_;
    TObjectListView* listBoxOfPlayers_ = nullptr;
    QProgressBar* gaugeMoral_;
    QProgressBar* gaugeCoachPerformance_;
    QLabel* details_;
    QToolButton* speedButtonObserved_;
    QPushButton* buyBtn_;
    QLabel* textDesiredSalary_;
    QLabel* textBuyStatus_;
    QPushButton* spyBtn_;
    QMenu* spyMenu_;
    QAction* procurarjogador1_;
    QAction* aquisies1_;
    QAction* observados1_;
    QPushButton* calendarBtn_;
    QPushButton* loanBtn_;
    QPushButton* balanceBtn_;
    QPushButton* okBtn_;
};

// Shows the squad of `club` modally; `viewerClub` is the club of the coach looking (nullptr: none),
// `preselect` the player to select. When it closes, the shown club's averageLevel is refreshed.
void ShowSquadView(TWorld& world, TTeam& club, TTeam* viewerClub, TPlayer* preselect, QWidget* parent);
