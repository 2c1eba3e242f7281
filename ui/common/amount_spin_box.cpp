#include "ui/common/amount_spin_box.h"

#include "foundation/numeric.h"

TAmountSpinBox::TAmountSpinBox(QWidget* parent) : QSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QString TAmountSpinBox::textFromValue(int value) const {
    return QString::fromStdString(FormatThousands(value, ' '));
}

QString TAmountSpinBox::Digits(const QString& text) const {
    QString core = text;
    if (!prefix().isEmpty() && core.startsWith(prefix())) core.remove(0, prefix().size());
    if (!suffix().isEmpty() && core.endsWith(suffix())) core.chop(suffix().size());
    QString digits;
    for (QChar c : core)
        if (!c.isSpace() && c != QChar(0x00A0)) digits.append(c);
    return digits;
}

int TAmountSpinBox::valueFromText(const QString& text) const {
    return Digits(text).toInt();
}

QValidator::State TAmountSpinBox::validate(QString& input, int& /*pos*/) const {
    const QString digits = Digits(input);
    if (digits.isEmpty()) return QValidator::Intermediate;
    for (qsizetype i = 0; i < digits.size(); ++i)
        if (!digits[i].isDigit() && !(i == 0 && digits[i] == '-' && minimum() < 0))
            return QValidator::Invalid;
    if (digits == "-") return QValidator::Intermediate;
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok || value > maximum()) return QValidator::Invalid;
    return value < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}
