#pragma once
// The currency dialog of a new career: the four built-in currencies, the one named by the setting
// "currency" preselected (else the first). When it closes, the chosen row is the dialog's answer and its
// name is written back to the setting; the new career copies it into its world (CopyCareerSettings).
#include "foundation/currency.h"
#include "ui/common/kol_form.h"

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

    // Takes the chosen row as the answer and stores its name; called however the dialog closes, since a
    // career cannot start without a currency.
    void done(int result) override;
    // The answer: the chosen currency once the dialog has closed, the first built-in one before.
    const CurrencyRecord& Chosen() const { return chosen_; }

private:
    TSettingsStore& store_;
    QLabel* labelCaption_;
    QLabel* labelQuestion_;
    QComboBox* comboCurrency_;
    QPushButton* okBtn_;
    CurrencyRecord chosen_ = BuiltInCurrencies()[0];
};

// Shows the dialog and returns the chosen currency.
CurrencyRecord ChooseCurrency(TSettingsStore& store, QWidget* parent = nullptr);
