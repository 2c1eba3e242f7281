#pragma once
// The country picker of the team and referee editing screens: a border-less dialog with the countries of
// the global list, each drawn with its flag. OK is possible only while the combo text names a country.
#include "ui/common/kol_form.h"

#include <string>

class QComboBox;
class QLabel;
class QPushButton;

// Set by the screen that opens the picker when a country must be chosen: Cancel (and Escape) then do not
// exist.
inline bool MustChooseCountry = false;

class TSetCountryDlg final : public TKolForm {
    Q_OBJECT
public:
    // `code` is preselected when a country has it; `gameDir` holds the "flags" folder.
    TSetCountryDlg(const std::string& code, const std::string& gameDir, QWidget* parent = nullptr);

    QComboBox* CountryList() const { return countryList_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    // The code of the country chosen with OK; empty until then.
    const std::string& ChosenCode() const { return chosen_; }

    void reject() override;

private:
    void UpdateOK();
    void OKBtnClick();

    std::string chosen_;
    QLabel* label_;
    QComboBox* countryList_;
    QPushButton* okBtn_;
    QPushButton* cancelBtn_;
};

// Opens the picker on `code`; true and the chosen code in `code` when the user confirms.
bool PickCountry(std::string& code, const std::string& gameDir, QWidget* parent = nullptr);
