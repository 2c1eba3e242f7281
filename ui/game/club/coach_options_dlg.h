#pragma once
// The coach's profile: which wages the computer reviews for him (home, assimilated and foreign players),
// how his club takes part in auctions, and whether his typed offers are hidden from the other coaches.
// The profile changes only when the dialog is closed with OK.
#include "ui/common/kol_form.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TCoach;
class TWorld;

class TcoachOptionsDlg final : public TKolForm {
    Q_OBJECT
public:
    explicit TcoachOptionsDlg(TCoach& coach, QWidget* parent = nullptr);

    QTabWidget* Notebook() const { return notebook_; }
    QCheckBox* CheckBoxNationalPlayersSalary() const { return checkNational_; }
    QCheckBox* CheckBoxBosmanPlayersSalary() const { return checkBosman_; }
    QCheckBox* CheckBoxForeignerPlayersSalary() const { return checkForeign_; }
    QGroupBox* RadioGroupBuyInAuction() const { return radioGroupBuyInAuction_; }
    QRadioButton* BuyInAuctionItem(int index) const { return buyInAuction_[index]; }
    QCheckBox* CheckBoxEncryptOffers() const { return checkEncryptOffers_; }
    QPushButton* OKBtn() const { return okBtn_; }

    void accept() override;

private:
    TCoach& coach_;
    QTabWidget* notebook_;
    QCheckBox* checkNational_;
    QCheckBox* checkBosman_;
    QCheckBox* checkForeign_;
    QGroupBox* radioGroupBuyInAuction_;
    QRadioButton* buyInAuction_[3];
    QCheckBox* checkEncryptOffers_;
    QPushButton* okBtn_;
};

// Shows the profile of `coach`; true when the person confirmed it with OK (the profile then holds the
// choices), false when cancelled (nothing changed).
bool ShowCoachOptionsDialog(TWorld& world, TCoach& coach, QWidget* parent);
