#pragma once
// One referee: the name and the country.
#include "ui/common/kol_form.h"

#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

class TRefereeDlg final : public TKolForm {
    Q_OBJECT
public:
    // `gameDir` holds the "flags" folder.
    TRefereeDlg(const std::string& name, const std::string& country, const std::string& gameDir,
                QWidget* parent = nullptr);

    std::string Name() const;
    std::string Country() const;

    QLineEdit* NameEdit() const { return nameEdit_; }
    QComboBox* CountryCombo() const { return countryCombo_; }
    QPushButton* OKBtn() const { return okBtn_; }

    // Refuses a name the referee file cannot hold.
    void accept() override;

private:
    QLineEdit* nameEdit_;
    QComboBox* countryCombo_;
    QPushButton* okBtn_;
};
