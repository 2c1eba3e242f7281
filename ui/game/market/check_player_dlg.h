#pragma once
// The player search over every player of the career: position, nationality, a part of the name, level
// band, age band, listed-price band and "leave out my club"; at most 50 players are listed, scanned from
// the end of the players list (club/market_views). A picked player (double-click, Enter or the club
// button) is the dialog's answer, so that the caller shows his club.
#include "ui/common/kol_form.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TObjectListView;
class TPlayer;
class TTeam;
class TWorld;
struct TPlayerSearchFilter;

class TcheckPlayerDlg final : public TKolForm {
    Q_OBJECT
public:
    TcheckPlayerDlg(TWorld& world, TTeam& viewerClub, QWidget* parent = nullptr);

    // The filter as the controls set it.
    TPlayerSearchFilter Filter() const;
    const std::vector<TPlayer*>& Results() const { return results_; }
    TPlayer* Picked() const { return picked_; }

    QComboBox* ComboPosition() const { return comboPosition_; }
    QComboBox* ComboCountry() const { return comboCountry_; }
    QLineEdit* TextName() const { return textName_; }
    QComboBox* ComboSkill() const { return comboSkill_; }
    QComboBox* ComboAge() const { return comboAge_; }
    QComboBox* ComboPrice() const { return comboPrice_; }
    QCheckBox* CheckBoxNotMyTeam() const { return checkBoxNotMyTeam_; }
    QLabel* LabelListedOnlyFirst() const { return labelListedOnlyFirst_; }
    TObjectListView* ListOfPlayers() const { return list_; }
    QPushButton* TeamBtn() const { return teamBtn_; }

    // Runs the search with the filters as set (each change of a filter does).
    void Search();
    // Takes the selected player as the answer and closes.
    void teamBtnClick();

private:
    // The club button acts on the selected player: off while none is selected.
    void UpdateTeamBtn();

    TWorld& world_;
    TTeam& viewer_;
    std::vector<TPlayer*> results_;
    TPlayer* picked_ = nullptr;
    QComboBox* comboPosition_;
    QComboBox* comboCountry_;
    QLineEdit* textName_;
    QComboBox* comboSkill_;
    QComboBox* comboAge_;
    QComboBox* comboPrice_;
    QCheckBox* checkBoxNotMyTeam_;
    QLabel* labelListedOnlyFirst_;
    TObjectListView* list_;
    QPushButton* teamBtn_;
    QPushButton* closeBtn_;
};

// Opens the search for the coach of `viewerClub`; the picked player, or nullptr.
TPlayer* PickPlayerBySearch(TWorld& world, TTeam& viewerClub, QWidget* parent);
// Opens the search and, when a player is picked, the squad view of his club with him selected.
void ShowPlayerSearch(TWorld& world, TTeam& viewerClub, QWidget* parent);
