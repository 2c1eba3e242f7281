#pragma once
// The substitution dialog of a game in play: the club's players on the field and on the bench, the
// opponent's players on the field, the referee, and the game's events so far. A person coaching the club
// picks one player in each of his two lists and presses "substituteBtn" as long as substitutions are left
// (the match layer's Substitute() changes the players); "backBtn" returns to the game.
//
// Driving it from a test: the dialog's objectName is "TsubstitutionDlg" (find it with
// QApplication::activeModalWidget()); select rows with SelectedPlayers()/SubstitutePlayers() (their
// `view`'s setCurrentIndex, or a click on a row), then click the button found by the objectName
// "substituteBtn"; close with "backBtn". The check boxes "checkViewRedCards" and "checkViewInjuries" (both
// on at first) keep or leave out those lines of the events list.
#include "ui/common/kol_form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class TGame;
class TObjectListView;
class TTeam;

class TsubstitutionDlg final : public TKolForm {
    Q_OBJECT
public:
    // `side` 0 the home club, 1 the away club of `game`.
    TsubstitutionDlg(TGame& game, int side, QWidget* parent = nullptr);

    TObjectListView* SelectedPlayers() const { return listBoxOfSelectedPlayers_; }
    TObjectListView* SubstitutePlayers() const { return listBoxOfSubstitutePlayers_; }
    TObjectListView* OpponentPlayers() const { return listBoxOpponentPlayers_; }
    QListWidget* Events() const { return listBoxOfEvents_; }
    QCheckBox* CheckViewRedCards() const { return checkViewRedCards_; }
    QCheckBox* CheckViewInjuries() const { return checkViewInjuries_; }
    QPushButton* SubstituteBtn() const { return substituteBtn_; }
    QPushButton* BackBtn() const { return backBtn_; }
    QLabel* LabelCaption() const { return labelCaption_; }
    TGame& Game() const { return game_; }
    TTeam& Club() const { return club_; }

private:
    void PrepareDialog();
    void Update();
    void FillEvents();
    void substituteBtnClick();

    TGame& game_;
    TTeam& club_;
    TTeam& opponent_;
    QLabel* labelCaption_;
    QGroupBox* groupBoxSubstitution_;
    QGroupBox* groupBox2_;
    QGroupBox* groupBox1_;
    QPushButton* textReferee_;
    TObjectListView* listBoxOfSelectedPlayers_;
    TObjectListView* listBoxOfSubstitutePlayers_;
    TObjectListView* listBoxOpponentPlayers_;
    QListWidget* listBoxOfEvents_;
    QCheckBox* checkViewRedCards_;
    QCheckBox* checkViewInjuries_;
    QPushButton* substituteBtn_;
    QPushButton* backBtn_;
};
