#include "ui/common/thousands_spin_box.h"

#include "foundation/numeric.h"

TThousandsSpinBox::TThousandsSpinBox(QWidget* parent) : QSpinBox(parent) {}

QString TThousandsSpinBox::textFromValue(int value) const {
    return QString::fromStdString(FormatThousands(value, ' '));
}

QString TThousandsSpinBox::Digits(const QString& text) const {
    QString core = text;
    if (!prefix().isEmpty() && core.startsWith(prefix())) core.remove(0, prefix().size());
    if (!suffix().isEmpty() && core.endsWith(suffix())) core.chop(suffix().size());
    core.remove(' ');
    return core;
}

int TThousandsSpinBox::valueFromText(const QString& text) const {
    return Digits(text).toInt();
}

QValidator::State TThousandsSpinBox::validate(QString& text, int& /*pos*/) const {
    const QString digits = Digits(text);
    if (digits.isEmpty()) return QValidator::Intermediate;
    for (qsizetype i = 0; i < digits.size(); ++i)
        if (!digits[i].isDigit() && !(i == 0 && digits[i] == '-' && minimum() < 0))
            return QValidator::Invalid;
    if (digits == "-") return QValidator::Intermediate;
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (!ok || value > maximum()) return QValidator::Invalid;
    return value < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}
