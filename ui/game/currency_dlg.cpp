#include "ui/game/currency_dlg.h"

#include "ui/common/qt_text.h"

#include "foundation/currency.h"
#include "foundation/settings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 519;
constexpr int kQuestionText = 520;
constexpr int kOkText = 71;

} // namespace

TcurrencyDlg::TcurrencyDlg(TSettingsStore& store, QWidget* parent)
    : TKolForm(kCaptionText, parent), store_(store) {
    setObjectName("currencyDlg");
    labelCaption_ = new QLabel(this);
    labelCaption_->setObjectName("labelCaption");
    SetTextTag(labelCaption_, kCaptionText);
    SetHeadingFont(labelCaption_);
    labelQuestion_ = new QLabel(this);
    labelQuestion_->setObjectName("labelQuestion");
    SetTextTag(labelQuestion_, kQuestionText);
    comboCurrency_ = new QComboBox(this);
    comboCurrency_->setObjectName("comboCurrency");
    comboCurrency_->setMinimumWidth(220);
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kOkText);
    okBtn_->setDefault(true);
    okBtn_->setMinimumWidth(90);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    setMinimumWidth(360);
    layout->addWidget(labelCaption_);
    layout->addWidget(labelQuestion_);
    layout->addWidget(comboCurrency_);
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    layout->addLayout(buttons);

    ApplyTexts();
    // The names are data, not text numbers: they are listed after the texts are applied.
    for (const CurrencyRecord& c : BuiltInCurrencies()) comboCurrency_->addItem(ToQString(c.name));
    const int row = FindBuiltInCurrency(ReadSetting(store_, kSettingCurrency));
    comboCurrency_->setCurrentIndex(row >= 0 ? row : 0);
}

void TcurrencyDlg::done(int result) {
    const int row = comboCurrency_->currentIndex();
    chosen_ = BuiltInCurrencies()[static_cast<std::size_t>(row >= 0 ? row : 0)];
    WriteSetting(store_, kSettingCurrency, chosen_.name);
    TKolForm::done(result);
}

CurrencyRecord ChooseCurrency(TSettingsStore& store, QWidget* parent) {
    TcurrencyDlg dlg(store, parent);
    dlg.exec();
    return dlg.Chosen();
}
