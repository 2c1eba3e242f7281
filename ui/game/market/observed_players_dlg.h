#pragma once
// A coach's observed players, by position and then name: a player can be removed (or the whole list
// cleared), and the club button answers the selected player so that the caller shows his club. The list
// may not be closed while it holds 16 players or more: the coach must remove some first.
#include "ui/common/kol_form.h"

#include <vector>

class QLabel;
class QMenu;
class QPushButton;
class TCoach;
class TObjectListView;
class TPlayer;
class TWorld;

class TObservedPlayersDlg final : public TKolForm {
    Q_OBJECT
public:
    explicit TObservedPlayersDlg(TCoach& coach, QWidget* parent = nullptr);

    TPlayer* Picked() const { return picked_; }
    TObjectListView* ListOfPlayers() const { return list_; }
    QPushButton* RemoveBtn() const { return removeBtn_; }
    QPushButton* TeamBtn() const { return teamBtn_; }
    QPushButton* CloseBtn() const { return closeBtn_; }
    QLabel* Memo() const { return memo_; }
    QMenu* PopupMenu() const { return popup_; }

    // Removes the selected player from the coach's list.
    void removeBtnClick();
    // Empties the coach's list.
    void ClearListClick();
    // Answers the selected player and closes (when the list may close).
    void teamBtnClick();

    // Closing is refused while the list is too long.
    void done(int result) override;

private:
    void Fill();

    TCoach& coach_;
    std::vector<TPlayer*> rows_;
    TPlayer* picked_ = nullptr;
    TObjectListView* list_;
    QLabel* memo_;
    QMenu* popup_;
    QPushButton* removeBtn_;
    QPushButton* teamBtn_;
    QPushButton* closeBtn_;
};

// Shows the coach's observed players; the player picked with the club button, or nullptr.
TPlayer* PickObservedPlayer(TCoach& coach, QWidget* parent);
// The same, then the squad view of the picked player's club with him selected.
void ShowObservedPlayers(TWorld& world, TCoach& coach, QWidget* parent);
