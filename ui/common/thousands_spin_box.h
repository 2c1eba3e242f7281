#pragma once
// A spin box for whole amounts that groups the digits with blanks ("1 234"), as every amount of money is
// written in the programs, whatever the system's number format. Typing accepts the digits with or without
// the blanks.
#include <QSpinBox>

class TThousandsSpinBox final : public QSpinBox {
public:
    explicit TThousandsSpinBox(QWidget* parent = nullptr);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;

private:
    // The typed text without prefix, suffix and blanks.
    QString Digits(const QString& text) const;
};
