#pragma once
// The settings store of the programs: QSettings("Kolbrin", "2002"), which is the registry key
// HKEY_CURRENT_USER\Software\Kolbrin\2002 on Windows and an INI file in the user's configuration folder
// elsewhere. Sections are groups; texts are kept as Unicode and handed to the core in Windows-1252.
#include "foundation/settings.h"

#include <QSettings>
#include <memory>

class TQSettingsStore final : public TSettingsStore {
public:
    // The programs' own store.
    TQSettingsStore();
    // An INI file at `path` (tests, or a store beside the game folder).
    explicit TQSettingsStore(const QString& iniPath);

    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& def) override;
    int ReadInteger(const std::string& section, const std::string& name, int def) override;
    bool ReadBool(const std::string& section, const std::string& name, bool def) override;
    void WriteString(const std::string& section, const std::string& name, const std::string& value) override;
    void WriteInteger(const std::string& section, const std::string& name, int value) override;
    void WriteBool(const std::string& section, const std::string& name, bool value) override;

    // Writes pending changes out; a store that cannot be written is not reported (the values stay in
    // memory for the rest of the run).
    void Sync();
    void Flush() override { Sync(); }
    QSettings& Settings() { return *settings_; }

private:
    std::unique_ptr<QSettings> settings_;
};
