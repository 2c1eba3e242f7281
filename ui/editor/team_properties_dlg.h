#pragma once
// The properties of a team: full name, short name, coach, level, country, colours and file name (without
// its extension). The dialog edits a copy; the editor stores it on OK.
#include "editor/editor_model.h"
#include "ui/common/kol_form.h"

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class TteamPropertiesDlg final : public TKolForm {
    Q_OBJECT
public:
    // `gameDir` holds the "flags" folder.
    TteamPropertiesDlg(const TTeamProperties& props, const std::string& gameDir, QWidget* parent = nullptr);

    // The values as edited (valid after OK).
    const TTeamProperties& Properties() const { return props_; }

    QLineEdit* NameEdit() const { return nameEdit_; }
    QLineEdit* ShortNameEdit() const { return shortNameEdit_; }
    QLineEdit* CoachEdit() const { return coachEdit_; }
    QLineEdit* FileNameEdit() const { return fileNameEdit_; }
    QSlider* LevelBar() const { return levelBar_; }
    QPushButton* CountryBtn() const { return countryBtn_; }
    QPushButton* ColoursBtn() const { return coloursBtn_; }
    QPushButton* OKBtn() const { return okBtn_; }

    void accept() override;

private:
    void ShowCountry();
    void ShowColours();

    TTeamProperties props_;
    std::string gameDir_;
    QLineEdit* nameEdit_;
    QLineEdit* shortNameEdit_;
    QLineEdit* coachEdit_;
    QLineEdit* fileNameEdit_;
    QSlider* levelBar_;
    QLabel* levelValue_;
    QPushButton* countryBtn_;
    QPushButton* coloursBtn_;
    QLabel* colourSample_;
    QPushButton* okBtn_;
};
