#pragma once
// The coach manager: the people playing the career (its human coaches) by name, with their clubs. New
// coach asks for a name; Remove asks first (No is the default). At least one coach always stays: Remove
// needs two, and Close (or Escape) needs one.
#include "ui/common/kol_form.h"

#include <memory>

class QPushButton;
class TCoach;
class TCoachManager;
class TObjectListView;

class TcoachManagerDlg final : public TKolForm {
    Q_OBJECT
public:
    TcoachManagerDlg(TCoachManager& manager, QWidget* parent = nullptr);
    ~TcoachManagerDlg() override;

    TObjectListView* ListBoxOfCoaches() const { return list_; }
    QPushButton* AddBtn() const { return addBtn_; }
    QPushButton* RemoveBtn() const { return removeBtn_; }
    QPushButton* CloseBtn() const { return closeBtn_; }

    void reject() override;

private:
    void Refresh(const TCoach* select);
    void UpdateButtons();
    void AddBtnClick();
    void RemoveBtnClick();
    TCoach* Selected() const;

    TCoachManager& manager_;
    std::unique_ptr<TCoach> prototype_;
    TObjectListView* list_;
    QPushButton* addBtn_;
    QPushButton* removeBtn_;
    QPushButton* closeBtn_;
};

// Opens the coach manager over `parent` until it is closed with at least one human coach.
void ShowCoachManagerDialog(TCoachManager& manager, QWidget* parent);
