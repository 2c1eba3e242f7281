#include "ui/editor/storable_text.h"

#include "editor/editor_texts.h"
#include "foundation/encoding.h"
#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpressionValidator>

QString UnstorableCharacterMessage(const QString& text) {
    const auto found = FirstNotInCp1252(text.toStdString());
    if (!found) return QString();
    const QString character = QString::fromStdString(found->character);
    const QString codePoint = QStringLiteral("U+%1").arg(found->codePoint, 4, 16, QLatin1Char('0')).toUpper();
    // The language text is Windows-1252 and so is everything Format puts in; the character itself goes in
    // afterwards, as the one thing the files cannot hold.
    return ToQString(Format(GetText(kTxtUnstorableCharacter), {"\x01"}))
        .replace(QChar(1), character + QStringLiteral(" (") + codePoint + ')');
}

bool CheckStorableTexts(QWidget* parent, std::initializer_list<QLineEdit*> fields) {
    for (QLineEdit* field : fields) {
        if (field == nullptr) continue;
        const QString message = UnstorableCharacterMessage(field->text());
        if (message.isEmpty()) continue;
        QMessageBox::warning(parent, parent ? parent->window()->windowTitle() : QString(), message);
        // The offset of the character in the field's own (UTF-16) text.
        const QString text = field->text();
        const auto found = FirstNotInCp1252(text.toStdString());
        const int at = QString::fromStdString(text.toStdString().substr(0, found->offset)).size();
        field->setFocus();
        field->setSelection(at, QString::fromStdString(found->character).size());
        return false;
    }
    return true;
}

void SetFileNameRules(QLineEdit* field) {
    static const QRegularExpression allowed(QStringLiteral("[A-Za-z0-9_-]*"));
    field->setValidator(new QRegularExpressionValidator(allowed, field));
    field->setToolTip(ToQString(GetText(kTxtFileNameCharacters)));
}
