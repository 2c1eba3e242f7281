#include "ui/editor/set_country_dlg.h"

#include "datafiles/countries.h"
#include "ui/common/country_row_delegate.h"
#include "ui/common/qt_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 75;
constexpr int kLabelText = 78;
constexpr int kOKText = 71;
constexpr int kCancelText = 72;
} // namespace

TSetCountryDlg::TSetCountryDlg(const std::string& code, const std::string& gameDir, QWidget* parent)
    : TKolForm(kCaptionText, parent) {
    setObjectName("SetCountryDlg");
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setAutoFillBackground(true);

    label_ = new QLabel(this);
    label_->setObjectName("label");
    SetTextTag(label_, kLabelText);
    countryList_ = new QComboBox(this);
    countryList_->setObjectName("countryList");
    countryList_->setEditable(true);
    countryList_->setInsertPolicy(QComboBox::NoInsert);
    countryList_->setView(new QListView(countryList_));
    countryList_->setItemDelegate(new TCountryRowDelegate(gameDir, false, countryList_));
    countryList_->setMinimumWidth(300);
    countryList_->setMaxVisibleItems(12);
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kOKText);
    okBtn_->setDefault(true);
    cancelBtn_ = new QPushButton(this);
    cancelBtn_->setObjectName("CancelBtn");
    SetTextTag(cancelBtn_, kCancelText);

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(16, 16, 16, 16);
    frame->addWidget(label_);
    frame->addWidget(countryList_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    frame->addLayout(buttons);
    ApplyTexts();

    // The names are data, listed in the order of the global list after the texts are in place.
    int preselected = -1;
    AllCountries().Pack();
    for (const TCountry* c : AllCountries()) {
        countryList_->addItem(ToQString(c->Name()));
        if (c->Code() == code && preselected < 0) preselected = countryList_->count() - 1;
    }
    countryList_->setCurrentIndex(preselected);
    if (preselected < 0) countryList_->setEditText(QString());
    cancelBtn_->setVisible(!MustChooseCountry);

    connect(countryList_, &QComboBox::currentTextChanged, this, &TSetCountryDlg::UpdateOK);
    connect(countryList_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (okBtn_->isEnabled()) OKBtnClick();
    });
    connect(okBtn_, &QPushButton::clicked, this, &TSetCountryDlg::OKBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &TSetCountryDlg::reject);
    UpdateOK();
}

void TSetCountryDlg::UpdateOK() {
    okBtn_->setEnabled(FindCountry(kFindByName, FromQString(countryList_->currentText())) != nullptr);
}

void TSetCountryDlg::OKBtnClick() {
    const TCountry* c = FindCountry(kFindByName, FromQString(countryList_->currentText()));
    if (!c) return;
    chosen_ = c->Code();
    accept();
}

void TSetCountryDlg::reject() {
    // Escape counts as Cancel, which does not exist while a country must be chosen.
    if (MustChooseCountry) return;
    TKolForm::reject();
}

bool PickCountry(std::string& code, const std::string& gameDir, QWidget* parent) {
    TSetCountryDlg dlg(code, gameDir, parent);
    if (dlg.exec() != QDialog::Accepted) return false;
    code = dlg.ChosenCode();
    return true;
}
