#pragma once
// The language selection at the first start: the usable languages sorted by name, each with the flag of its
// country. No labels file is open yet, so the dialog carries no text but the application title and the
// languages' own names; its buttons show pictures.
#include "foundation/languages.h"
#include "ui/common/kol_form.h"

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

class TSelectLangDlg final : public TKolForm {
    Q_OBJECT
public:
    // `gameDir` holds the "flags" folder.
    TSelectLangDlg(std::vector<TLangAvailable> languages, const std::string& gameDir,
                   QWidget* parent = nullptr);

    QComboBox* ComboLanguage() const { return comboLanguage_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    // The code chosen with OK; empty until then.
    const std::string& SelectedCode() const { return selected_; }

private:
    void OKBtnClick();

    std::vector<TLangAvailable> languages_;
    std::string selected_;
    QComboBox* comboLanguage_;
    QPushButton* okBtn_;
    QPushButton* cancelBtn_;
};

// Finds the languages of <gameDir>/Int and lets the user choose one; the code, or empty when the dialog was
// cancelled or no language exists.
std::string SelectLanguage(const std::string& gameDir, QWidget* parent = nullptr);
