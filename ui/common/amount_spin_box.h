#pragma once
// A whole-number editor for amounts (a sale price in thousands, a salary) that groups the thousands with
// a blank, as the programs show every amount ("1 250 000"), whatever the desktop's own number format.
// Blanks may be typed or left out; a prefix or suffix (" 000 EUR" after a price in thousands) is kept.
#include <QSpinBox>

class TAmountSpinBox final : public QSpinBox {
    Q_OBJECT
public:
    explicit TAmountSpinBox(QWidget* parent = nullptr);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    // The typed text without prefix, suffix and blanks (ordinary or no-break).
    QString Digits(const QString& text) const;
};
