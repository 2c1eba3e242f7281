// The game selection: the last game offered with its description, the saved games listed, a game file
// that holds nothing cannot be continued, a new game's file reserved (or the warning when it cannot be).
#include "foundation/binary_file.h"
#include "foundation/languages.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"
#include "ui/game/start/select_game_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

class SelectGameDlgTest : public QObject {
    Q_OBJECT

    fs::path games_;

    void Put(const std::string& name, const std::string& description) {
        TBinaryWriter out;
        if (!description.empty()) {
            out.CodedString(description, 2);
            out.I16(3);
        }
        std::ofstream(games_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(out.Data().data()),
                   static_cast<std::streamsize>(out.Size()));
    }
    // Runs the dialog; `act` answers it once it is shown.
    static bool Run(TselectGameDlg& dlg, const std::function<void()>& act) {
        QTimer::singleShot(0, act);
        return dlg.Execute();
    }

private slots:
    void initTestCase() {
        OpenLabelsFile(LabelsFilePath(KOLBRIN_BINARY_DIR "/bin", "en"));
        games_ = fs::temp_directory_path() / "kolbrin_select_game_test" / "GAMES";
        fs::remove_all(games_.parent_path());
        fs::create_directories(games_);
        Put("spring.kbg", "Ana and Bruno\r07-12-2026 16:30");
        Put("unsaved.kbg", "");
    }
    void cleanupTestCase() { fs::remove_all(games_.parent_path()); }

    void theLastGameIsOfferedAndAnEmptyFileCannotBeContinued() {
        TMemorySettingsStore store;
        WriteSetting(store, kSettingLastGame, (games_ / "spring.kbg").string());
        TselectGameDlg dlg(store, games_.string());
        QCOMPARE(dlg.RadioContinueGame()->text(), ToQString(GetCaptionText(152)));
        QVERIFY(dlg.RadioContinueGame()->isChecked());
        QCOMPARE(dlg.ListOfGames()->count(), 2);
        QVERIFY(dlg.ListOfGames()->item(0)->text().startsWith("spring.kbg"));
        QCOMPARE(dlg.TextDescription()->text(), QString::fromUtf8("Ana and Bruno \u2014 07-12-2026 16:30"));
        QVERIFY(dlg.OKBtn()->isEnabled());

        // The reserved file of a game never saved holds nothing to continue.
        QListWidget* list = dlg.ListOfGames();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(dlg.EditFileName()->text(), ToQString((games_ / "unsaved.kbg").string()));
        QVERIFY(!dlg.OKBtn()->isEnabled());

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        const bool continuing = Run(dlg, [&] { QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton); });
        QVERIFY(continuing);
        QVERIFY(!dlg.Cancelled());
        QCOMPARE(dlg.GameFilePath(), (games_ / "spring.kbg").string());
    }

    void aNewGameReservesItsFileOrWarnsAndStays() {
        TMemorySettingsStore store;
        WriteSetting(store, kSettingLastGame, (games_ / "gone.kbg").string());
        TselectGameDlg dlg(store, games_.string());
        // A last game whose file is gone is not offered: a new game with a free name is.
        QVERIFY(dlg.RadioNewGame()->isChecked());
        QCOMPARE(dlg.EditFileName()->text(), ToQString((games_ / "game1.kbg").string()));
        fs::create_directory(games_ / "taken.kbg");

        const bool continuing = Run(dlg, [&] {
            dlg.EditFileName()->clear();
            QTest::keyClicks(dlg.EditFileName(), "taken");
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
            // A folder stands where the file would go: the warning shows, with the file and why, and the
            // dialog stays.
            QVERIFY(dlg.isVisible());
            QVERIFY(dlg.LabelWarning()->isVisible());
            QCOMPARE(dlg.LabelWarning()->text(), ToQString(GetCaptionText(154) + "\n" +
                                                           (games_ / "taken.kbg").string() + ": not a file"));
            dlg.EditFileName()->clear();
            QTest::keyClicks(dlg.EditFileName(), "autumn");
            QTest::keyClick(dlg.EditFileName(), Qt::Key_Return);
        });
        QVERIFY(!continuing);
        QVERIFY(!dlg.Cancelled());
        QCOMPARE(dlg.GameFilePath(), (games_ / "autumn.kbg").string());
        QVERIFY(fs::is_regular_file(games_ / "autumn.kbg"));
        fs::remove(games_ / "autumn.kbg");
        fs::remove(games_ / "taken.kbg");
    }

    void escapeCancelsAndOnlyCancelCloses() {
        TMemorySettingsStore store;
        TselectGameDlg dlg(store, games_.string());
        const bool continuing = Run(dlg, [&] {
            dlg.close(); // refused
            QVERIFY(dlg.isVisible());
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
        QVERIFY(!continuing);
        QVERIFY(dlg.Cancelled());
        QVERIFY(dlg.GameFilePath().empty());
    }
};

QTEST_MAIN(SelectGameDlgTest)
#include "select_game_dlg_test.moc"
