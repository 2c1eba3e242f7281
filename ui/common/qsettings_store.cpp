#include "ui/common/qsettings_store.h"

#include "ui/common/qt_text.h"

namespace {
QString Key(const std::string& section, const std::string& name) {
    return ToQString(section) + QLatin1Char('/') + ToQString(name);
}
} // namespace

TQSettingsStore::TQSettingsStore() : settings_(std::make_unique<QSettings>("Kolbrin", "2002")) {}

TQSettingsStore::TQSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::string TQSettingsStore::ReadString(const std::string& section, const std::string& name,
                                        const std::string& def) {
    const QVariant v = settings_->value(Key(section, name));
    if (!v.isValid()) return def;
    return FromQString(v.toString());
}

int TQSettingsStore::ReadInteger(const std::string& section, const std::string& name, int def) {
    const QVariant v = settings_->value(Key(section, name));
    if (!v.isValid()) return def;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : def;
}

bool TQSettingsStore::ReadBool(const std::string& section, const std::string& name, bool def) {
    const QVariant v = settings_->value(Key(section, name));
    if (!v.isValid()) return def;
    // An INI file gives the text back ("true"); the registry may hold a number. Anything else is damage.
    const QString text = v.toString().trimmed().toLower();
    if (text == QLatin1String("true")) return true;
    if (text == QLatin1String("false")) return false;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n != 0 : def;
}

void TQSettingsStore::WriteString(const std::string& section, const std::string& name,
                                  const std::string& value) {
    settings_->setValue(Key(section, name), ToQString(value));
}

void TQSettingsStore::WriteInteger(const std::string& section, const std::string& name, int value) {
    settings_->setValue(Key(section, name), value);
}

void TQSettingsStore::WriteBool(const std::string& section, const std::string& name, bool value) {
    settings_->setValue(Key(section, name), value);
}

void TQSettingsStore::Sync() {
    settings_->sync();
}
