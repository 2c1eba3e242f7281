// The settings file as a new process finds it: every value goes through a fresh QSettings object.
#include "ui/common/qsettings_store.h"

#include <QTemporaryDir>
#include <QtTest>

class QSettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void valuesComeBackFromTheFileWithTheirTypes() {
        QTemporaryDir dir;
        const QString path = dir.filePath("2002.conf");
        {
            TQSettingsStore store(path);
            WriteSetting(store, kSettingSound, false);
            WriteSetting(store, kSettingViewAuction, true);
            WriteSetting(store, kSettingGameTimeProfile, 4);
            WriteSetting(store, kSettingUser, std::string("Jo\xe3o"));
            WriteSetting(store, kSettingDisplayInitScreen, false);
            store.Sync();
        }
        TQSettingsStore store(path);
        QCOMPARE(ReadSetting(store, kSettingSound), false);
        QCOMPARE(ReadSetting(store, kSettingViewAuction), true);
        QCOMPARE(ReadSetting(store, kSettingGameTimeProfile), 4);
        QCOMPARE(ReadSetting(store, kSettingUser), std::string("Jo\xe3o"));
        QCOMPARE(ReadSetting(store, kSettingDisplayInitScreen), false);
        // Sections are apart: the editor's versions are not the game's.
        QCOMPARE(ReadSetting(store, kSettingEditorLoadVersion), 2002);
        // The text is kept as Unicode in the file.
        QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value("System/user").toString(), QString::fromUtf8("Jo\xc3\xa3o"));
    }

    void damagedValuesGiveTheirDefaults() {
        QTemporaryDir dir;
        const QString path = dir.filePath("2002.conf");
        {
            QSettings raw(path, QSettings::IniFormat);
            raw.setValue("Editor/Limit star players", "loud");
            raw.setValue("Options/gameTimeProfile", "fast");
            raw.setValue("Options/saveGameWhen", " 3 ");
            raw.setValue("Options/viewAuction", "0");
            raw.sync();
        }
        TQSettingsStore store(path);
        QCOMPARE(ReadSetting(store, kSettingEditorLimitStarPlayers), false);
        QCOMPARE(ReadSetting(store, kSettingGameTimeProfile), 2);
        QCOMPARE(ReadSetting(store, kSettingSaveGameWhen), 3);
        QCOMPARE(ReadSetting(store, kSettingViewAuction), false);
        TGameSettings s;
        LoadGameOptions(store, s);
        QCOMPARE(s.gameTimeProfile, 2);
    }
};

QTEST_GUILESS_MAIN(QSettingsStoreTest)
#include "qsettings_store_test.moc"
