#include "ui/game/club/amount_spin_box.h"

#include "foundation/numeric.h"

namespace {
// The digits of an entry without its blanks (ordinary or no-break).
QString Digits(const QString& text) {
    QString digits;
    for (QChar c : text)
        if (!c.isSpace() && c != QChar(0x00A0)) digits.append(c);
    return digits;
}
} // namespace

TAmountSpinBox::TAmountSpinBox(QWidget* parent) : QSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QString TAmountSpinBox::textFromValue(int value) const {
    return QString::fromStdString(FormatThousands(value, ' '));
}

int TAmountSpinBox::valueFromText(const QString& text) const {
    return Digits(text).toInt();
}

QValidator::State TAmountSpinBox::validate(QString& input, int& /*pos*/) const {
    const QString digits = Digits(input);
    if (digits.isEmpty()) return QValidator::Intermediate;
    for (QChar c : digits)
        if (!c.isDigit()) return QValidator::Invalid;
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok || value > maximum()) return QValidator::Invalid;
    return value < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}
