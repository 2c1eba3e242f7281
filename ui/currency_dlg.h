#pragma once
// The currency dialog of a new career: the four built-in currencies, the one named by the setting
// "currency" preselected (else the first). When it closes, the chosen row becomes the current currency and
// its name is written back to the setting.
#include "ui/kol_form.h"

class QComboBox;
class QLabel;
class QPushButton;
class TSettingsStore;

class TcurrencyDlg final : public TKolForm {
    Q_OBJECT
public:
    explicit TcurrencyDlg(TSettingsStore& store, QWidget* parent = nullptr);

    QComboBox* ComboCurrency() const { return comboCurrency_; }
    QPushButton* OKBtn() const { return okBtn_; }

    // Makes the chosen row the current currency and stores its name; called however the dialog closes,
    // since a career cannot start without a currency.
    void done(int result) override;

private:
    TSettingsStore& store_;
    QLabel* labelCaption_;
    QLabel* labelQuestion_;
    QComboBox* comboCurrency_;
    QPushButton* okBtn_;
};

// Shows the dialog; afterwards CurrentCurrency() is the chosen one.
void ChooseCurrency(TSettingsStore& store, QWidget* parent = nullptr);
