// The options dialog over the shipped English labels file of the build.
#include "ui/game/options_dlg.h"

#include "foundation/languages.h"
#include "foundation/texts.h"
#include "ui/common/qsettings_store.h"
#include "ui/common/qt_text.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
TGameSettings FromStore(TSettingsStore& store) {
    TGameSettings s;
    LoadSettings(store, s);
    LoadGameOptions(store, s);
    return s;
}

// Runs the dialog modally; `act` works on it once it is shown.
int RunModal(TOptionsDlg& dlg, const std::function<void(TOptionsDlg&)>& act) {
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<TOptionsDlg*>(QApplication::activeModalWidget());
        QVERIFY(shown == &dlg);
        act(*shown);
    });
    return dlg.exec();
}
} // namespace

class OptionsDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        OpenLabelsFile(LabelsFilePath(KOLBRIN_BINARY_DIR "/bin", "en"));
        FillGameTimeProfiles([](int n) { return GetText(n); });
    }

    void textsComeFromTheLabelsFile() {
        TGameSettings s;
        TOptionsDlg dlg(s);
        QCOMPARE(dlg.windowTitle(), ToQString(GetCaptionText(182)));
        QCOMPARE(dlg.TabbedNotebook()->count(), 2);
        QCOMPARE(dlg.TabbedNotebook()->tabText(0), ToQString(GetText(163)));
        QCOMPARE(dlg.TabbedNotebook()->tabText(1), ToQString(GetText(164)));
        QCOMPARE(dlg.OKBtn()->text(), ToQString(GetCaptionText(71)));
        QCOMPARE(dlg.CancelBtn()->text(), ToQString(GetCaptionText(72)));
        const std::vector<std::pair<QComboBox*, std::vector<int>>> combos = {
            {dlg.ComboViewPsichologicalLashes(), {169, 170, 171}},
            {dlg.ComboSaveGameWhen(), {172, 173, 174}},
            {dlg.ComboSound(), {176, 175}},
            {dlg.ComboViewAuction(), {317, 318}},
            {dlg.ComboGameTimeProfile(), {380, 381, 382, 383}},
            {dlg.ComboHalfTimeSubstitutions(), {176, 175}},
            {dlg.ComboViewComputerPenalties(), {176, 175}},
        };
        for (const auto& [combo, texts] : combos) {
            QCOMPARE(combo->count(), static_cast<int>(texts.size()));
            for (std::size_t i = 0; i < texts.size(); ++i) {
                QVERIFY(!GetText(texts[i]).empty());
                QCOMPARE(combo->itemText(static_cast<int>(i)), ToQString(GetText(texts[i])));
            }
        }
        if (qEnvironmentVariableIsSet("KOLBRIN_SHOT_DIR")) {
            dlg.grab().save(qEnvironmentVariable("KOLBRIN_SHOT_DIR") + "/options_dlg.png");
            dlg.TabbedNotebook()->setCurrentIndex(1);
            dlg.grab().save(qEnvironmentVariable("KOLBRIN_SHOT_DIR") + "/options_dlg_2.png");
        }
    }

    void nothingStoredShowsTheDefaults() {
        TMemorySettingsStore store;
        TGameSettings s = FromStore(store);
        TOptionsDlg dlg(s);
        QCOMPARE(dlg.ComboSound()->currentIndex(), 0);                 // sound on
        QCOMPARE(dlg.ComboHalfTimeSubstitutions()->currentIndex(), 1); // substitutions on
        QCOMPARE(dlg.ComboViewComputerPenalties()->currentIndex(), 1); // shoot-outs shown
        QCOMPARE(dlg.ComboViewAuction()->currentIndex(), 0);           // auctions shown
        QCOMPARE(dlg.ComboGameTimeProfile()->currentIndex(), 1);       // profile 2
        QCOMPARE(dlg.ComboSaveGameWhen()->currentIndex(), 1);          // saveGameWhen 2
        QCOMPARE(dlg.ComboViewPsichologicalLashes()->currentIndex(), 1);
    }

    void storedValuesAreShown() {
        TMemorySettingsStore store;
        WriteSetting(store, kSettingSound, false);
        WriteSetting(store, kSettingHalfTimeSubstitutions, false);
        WriteSetting(store, kSettingViewComputerPenalties, false);
        WriteSetting(store, kSettingViewAuction, false);
        WriteSetting(store, kSettingGameTimeProfile, 4);
        WriteSetting(store, kSettingSaveGameWhen, 3);
        WriteSetting(store, kSettingViewPsychologicalLashes, 0);
        TGameSettings s = FromStore(store);
        TOptionsDlg dlg(s);
        QCOMPARE(dlg.ComboSound()->currentIndex(), 1);
        QCOMPARE(dlg.ComboHalfTimeSubstitutions()->currentIndex(), 0);
        QCOMPARE(dlg.ComboViewComputerPenalties()->currentIndex(), 0);
        QCOMPARE(dlg.ComboViewAuction()->currentIndex(), 1);
        QCOMPARE(dlg.ComboGameTimeProfile()->currentIndex(), 3);
        QCOMPARE(dlg.ComboSaveGameWhen()->currentIndex(), 2);
        QCOMPARE(dlg.ComboViewPsichologicalLashes()->currentIndex(), 0);
    }

    void valuesOutsideTheChoices() {
        TGameSettings s;
        s.saveGameWhen = 7;
        s.viewPsychologicalLashes = 5;
        s.gameTimeProfile = 9; // as if set in memory without the start-up check
        TOptionsDlg dlg(s);
        QCOMPARE(dlg.ComboSaveGameWhen()->currentIndex(), -1);
        QCOMPARE(dlg.ComboViewPsichologicalLashes()->currentIndex(), -1);
        QCOMPARE(dlg.ComboGameTimeProfile()->currentIndex(), 0);
        // OK without touching them keeps what has no item and takes the shown profile.
        QCOMPARE(RunModal(dlg, [](TOptionsDlg& d) { d.OKBtn()->click(); }), int(QDialog::Accepted));
        QCOMPARE(s.saveGameWhen, 7);
        QCOMPARE(s.viewPsychologicalLashes, 5);
        QCOMPARE(s.gameTimeProfile, 1);
    }

    void okStoresEveryChoice() {
        TGameSettings s;
        TOptionsDlg dlg(s);
        const int result = RunModal(dlg, [](TOptionsDlg& d) {
            d.ComboSound()->setCurrentIndex(1);
            d.ComboHalfTimeSubstitutions()->setCurrentIndex(0);
            d.ComboViewComputerPenalties()->setCurrentIndex(0);
            d.ComboViewAuction()->setCurrentIndex(1);
            d.ComboGameTimeProfile()->setCurrentIndex(2);
            d.ComboSaveGameWhen()->setCurrentIndex(0);
            d.ComboViewPsichologicalLashes()->setCurrentIndex(2);
            QTest::mouseClick(d.OKBtn(), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(s.sound, false);
        QCOMPARE(s.halfTimeSubstitutions, false);
        QCOMPARE(s.viewComputerPenalties, false);
        QCOMPARE(s.viewAuction, false);
        QCOMPARE(s.gameTimeProfile, 3);
        QCOMPARE(s.saveGameWhen, 1);
        QCOMPARE(s.viewPsychologicalLashes, 2);

        // And back on again: the on/off combos do not share one order.
        TOptionsDlg again(s);
        RunModal(again, [](TOptionsDlg& d) {
            d.ComboSound()->setCurrentIndex(0);
            d.ComboHalfTimeSubstitutions()->setCurrentIndex(1);
            d.ComboViewComputerPenalties()->setCurrentIndex(1);
            d.ComboViewAuction()->setCurrentIndex(0);
            d.OKBtn()->click();
        });
        QVERIFY(s.sound && s.halfTimeSubstitutions && s.viewComputerPenalties && s.viewAuction);
    }

    // What the user confirms is in the settings file when the program starts again, whether or not the
    // run ends by leaving a career.
    void confirmedOptionsSurviveARestart() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("2002.ini");
        GameSettings() = TGameSettings{};
        {
            TQSettingsStore store(ini);
            QTimer::singleShot(0, [] {
                auto* d = qobject_cast<TOptionsDlg*>(QApplication::activeModalWidget());
                QVERIFY(d != nullptr);
                d->ComboViewPsichologicalLashes()->setCurrentIndex(2);
                d->ComboSaveGameWhen()->setCurrentIndex(2);
                d->ComboSound()->setCurrentIndex(1);
                d->ComboViewAuction()->setCurrentIndex(1);
                d->ComboGameTimeProfile()->setCurrentIndex(3);
                d->ComboHalfTimeSubstitutions()->setCurrentIndex(0);
                d->ComboViewComputerPenalties()->setCurrentIndex(0);
                d->OKBtn()->click();
            });
            QVERIFY(ShowOptionsDialog(store));
        }
        GameSettings() = TGameSettings{};
        TQSettingsStore fresh(ini);
        const TGameSettings s = FromStore(fresh);
        QCOMPARE(s.viewPsychologicalLashes, 2);
        QCOMPARE(s.saveGameWhen, 3);
        QCOMPARE(s.sound, false);
        QCOMPARE(s.viewAuction, false);
        QCOMPARE(s.gameTimeProfile, 4);
        QCOMPARE(s.halfTimeSubstitutions, false);
        QCOMPARE(s.viewComputerPenalties, false);

        // Cancel writes nothing.
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TOptionsDlg*>(QApplication::activeModalWidget());
            QVERIFY(d != nullptr);
            d->ComboSound()->setCurrentIndex(0);
            d->CancelBtn()->click();
        });
        TMemorySettingsStore untouched;
        QVERIFY(!ShowOptionsDialog(untouched));
        QCOMPARE(untouched.Count(), std::size_t{0});
    }

    void cancelChangesNothing() {
        TGameSettings s;
        TOptionsDlg dlg(s);
        const int result = RunModal(dlg, [](TOptionsDlg& d) {
            d.ComboSound()->setCurrentIndex(1);
            d.ComboSaveGameWhen()->setCurrentIndex(2);
            d.CancelBtn()->click();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(s.sound, true);
        QCOMPARE(s.saveGameWhen, 2);
    }
};

QTEST_MAIN(OptionsDlgTest)
#include "options_dlg_test.moc"
