#pragma once
// The forced substitution: a player of a club coached by a person is injured and has left the field. The
// coach picks a bench player of the injured player's kind (anyone when no goalkeeper sits on the bench;
// the first such player of the squad stands picked when it opens) and confirms with "OKBtn" (Enter; the
// match layer's ReplaceInjured()), or closes with "backBtn" (Escape) and plays one short.
//
// Driving it from a test: the dialog's objectName is "TforcedSubstitutionDlg"; select a row of
// SubstitutePlayers() (its `view`'s setCurrentIndex, or a click on the row), click "OKBtn".
#include "ui/common/kol_form.h"

class QLabel;
class QPushButton;
class TObjectListView;
class TPlayer;
class TTeam;

class TforcedSubstitutionDlg final : public TKolForm {
    Q_OBJECT
public:
    TforcedSubstitutionDlg(TTeam& club, TPlayer& injured, QWidget* parent = nullptr);

    TObjectListView* SubstitutePlayers() const { return listBoxOfSubstitutePlayers_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* BackBtn() const { return backBtn_; }
    QLabel* Message() const { return label1_; }

private:
    void Update();
    void OKBtnClick();

    TTeam& club_;
    TPlayer& injured_;
    QLabel* labelCaption_;
    QLabel* labelClub_;
    QLabel* labelCoachName_;
    QLabel* label1_;
    TObjectListView* listBoxOfSubstitutePlayers_;
    QPushButton* okBtn_;
    QPushButton* backBtn_;
};
