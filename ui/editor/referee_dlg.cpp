#include "ui/editor/referee_dlg.h"

#include "datafiles/countries.h"
#include "datafiles/referee_attr.h"
#include "editor/editor_texts.h"
#include "ui/common/country_row_delegate.h"
#include "ui/common/qt_text.h"
#include "ui/editor/length_hint.h"
#include "ui/editor/storable_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

TRefereeDlg::TRefereeDlg(const std::string& name, const std::string& country, const std::string& gameDir,
                         QWidget* parent)
    : TKolForm(kTxtEditReferee, parent) {
    setObjectName("RefereeDlg");
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName("nameEdit");
    nameEdit_->setMaxLength(TRefereeAttr::kNameWidth);
    nameEdit_->setMinimumWidth(300);
    ShowLengthHints({nameEdit_});
    countryCombo_ = new QComboBox(this);
    countryCombo_->setObjectName("countryCombo");
    countryCombo_->setView(new QListView(countryCombo_));
    countryCombo_->setItemDelegate(new TCountryRowDelegate(gameDir, false, countryCombo_));
    countryCombo_->setMaxVisibleItems(12);
    auto* nameLabel = new QLabel(this);
    SetTextTag(nameLabel, kTxtRefereeName);
    auto* countryLabel = new QLabel(this);
    SetTextTag(countryLabel, kTxtCountryLabel);
    auto* form = new QFormLayout;
    form->addRow(nameLabel, nameEdit_);
    form->addRow(countryLabel, countryCombo_);
    okBtn_ = LayOutWithOkCancel(form, kTxtOK, kTxtCancel);
    ApplyTexts();

    nameEdit_->setText(ToQString(name));
    AllCountries().Pack();
    int current = -1;
    for (const TCountry* c : AllCountries()) {
        countryCombo_->addItem(ToQString(c->Name()), ToQString(c->Code()));
        if (c->Code() == country) current = countryCombo_->count() - 1;
    }
    countryCombo_->setCurrentIndex(current < 0 ? 0 : current);
    const auto update = [this] { okBtn_->setEnabled(!nameEdit_->text().trimmed().isEmpty()); };
    connect(nameEdit_, &QLineEdit::textChanged, this, update);
    update();
}

std::string TRefereeDlg::Name() const {
    return FromQString(nameEdit_->text().trimmed());
}

std::string TRefereeDlg::Country() const {
    return FromQString(countryCombo_->currentData().toString());
}

void TRefereeDlg::accept() {
    if (!CheckStorableTexts(this, {nameEdit_})) return;
    TKolForm::accept();
}
