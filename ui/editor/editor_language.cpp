#include "ui/editor/editor_language.h"

#include "foundation/languages.h"

#include <QLocale>
#include <QString>

void StartEditorLanguage(const std::string& dataDir, const std::string& code) {
    StartLanguage(dataDir, code);
    QLocale::setDefault(QLocale(QString::fromStdString(code)));
}
