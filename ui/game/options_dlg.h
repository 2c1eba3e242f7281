#pragma once
// The options dialog: the career options on two pages. OK changes the program's settings in memory at once;
// ShowOptionsDialog also writes them to the settings store. Cancel changes nothing.
#include "foundation/settings.h"
#include "ui/common/kol_form.h"

class QComboBox;
class QPushButton;
class QTabWidget;

class TOptionsDlg final : public TKolForm {
    Q_OBJECT
public:
    explicit TOptionsDlg(TGameSettings& settings, QWidget* parent = nullptr);

    QTabWidget* TabbedNotebook() const { return notebook_; }
    QComboBox* ComboViewPsichologicalLashes() const { return comboViewPsichologicalLashes_; }
    QComboBox* ComboSaveGameWhen() const { return comboSaveGameWhen_; }
    QComboBox* ComboSound() const { return comboSound_; }
    QComboBox* ComboViewAuction() const { return comboViewAuction_; }
    QComboBox* ComboGameTimeProfile() const { return comboGameTimeProfile_; }
    QComboBox* ComboHalfTimeSubstitutions() const { return comboHalfTimeSubstitutions_; }
    QComboBox* ComboViewComputerPenalties() const { return comboViewComputerPenalties_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }

private:
    void ShowValues();
    void OKBtnClick();

    TGameSettings& settings_;
    QTabWidget* notebook_;
    QComboBox* comboViewPsichologicalLashes_;
    QComboBox* comboSaveGameWhen_;
    QComboBox* comboSound_;
    QComboBox* comboViewAuction_;
    QComboBox* comboGameTimeProfile_;
    QComboBox* comboHalfTimeSubstitutions_;
    QComboBox* comboViewComputerPenalties_;
    QPushButton* okBtn_;
    QPushButton* cancelBtn_;
};

// Shows the options dialog for the program's settings; true when the user pressed OK. What the user
// confirms is written to `store` at once, so that it is there at the next start however this run ends.
bool ShowOptionsDialog(TSettingsStore& store, QWidget* parent = nullptr);
