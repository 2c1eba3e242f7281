#pragma once
// The countries of a new career, full screen: every country that has team files, with its flag and its
// number of clubs; a click (or Space) chooses or drops it, "All" chooses every one. OK goes on only with
// at least 42 clubs; more than 256 are trimmed at random when OK is pressed. Cancel (Escape) stops the
// program.
#include "ui/common/kol_form.h"

#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class TCountrySelection;

class TselectCountriesDlg final : public TKolForm {
    Q_OBJECT
public:
    // `gameDir` holds the flags.
    TselectCountriesDlg(TCountrySelection& selection, const std::string& gameDir, QWidget* parent = nullptr);

    QListWidget* ListOfCountries() const { return listOfCountries_; }
    QPushButton* SelectAllBtn() const { return selectAllBtn_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QLabel* TextSelected() const { return textSelected_; }
    QLabel* LabelWarning() const { return labelWarning_; }

    // Trims the choice to 256 clubs when it is larger and closes; refused below 42.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CountryClick(int row);
    void SelectAllBtnClick();
    void Update();

    TCountrySelection& selection_;
    std::string teamsFolder_; // as the warning names it
    QLabel* labelSelect_;
    QLabel* textAvailableTeams_;
    QLabel* textAvailableCountries_;
    QLabel* textSelected_;
    QLabel* labelWarning_;
    QListWidget* listOfCountries_;
    QPushButton* selectAllBtn_;
    QPushButton* okBtn_;
};

// Shows the dialog; true when the choice was confirmed (the quotas are in the countries' wantedTeams).
bool SelectCountries(TCountrySelection& selection, const std::string& gameDir, QWidget* parent);
