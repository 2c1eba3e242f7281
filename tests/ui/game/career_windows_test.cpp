// A career started and resumed through the windows, as a player does it: the game selection, the
// countries and the currency chosen by clicks, the two people playing typed in, the first round played
// from the club screens (automatic line-up, play), the game saved when a player stops in round 2; a second
// run loads that file (after a damaged file was refused with its reason) and holds the same world.
#include "seeded_career.h"

#include "foundation/settings.h"
#include "season/game_files.h"
#include "ui/common/qt_text.h"
#include "ui/common/trevan_button.h"
#include "ui/game/club/prepare_game_dlg.h"
#include "ui/game/match/match_pace.h"
#include "ui/game/start/get_teams_dlg.h"
#include "ui/game/start/select_countries_dlg.h"
#include "ui/game/start/select_game_dlg.h"
#include "ui/game/start/windowed_career.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// Answers the modal dialogs as they come, each by its name; a dialog without a handler gets its default
// choice, as a player pressing Enter.
class TDriver : public QObject {
public:
    std::map<QString, std::function<void(QWidget&)>> handlers;
    std::vector<QString> seen;

    TDriver() {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == last_) return;
        last_ = modal;
        const QString name = modal->objectName();
        seen.push_back(name);
        const auto it = handlers.find(name);
        if (it != handlers.end()) {
            // Answered once this poll has returned, so a dialog the answer opens is answered too.
            QTimer::singleShot(0, this, [handler = it->second, modal = QPointer<QWidget>(modal)] {
                if (modal) handler(*modal);
            });
        } else {
            // The default choice, posted like the handlers.
            QTimer::singleShot(0, this, [modal = QPointer<QWidget>(modal)] {
                if (!modal) return;
                for (QPushButton* b : modal->findChildren<QPushButton*>())
                    if (b->isDefault() && b->isEnabled()) {
                        b->click();
                        return;
                    }
                QTest::keyClick(modal, Qt::Key_Return);
            });
        }
        // A dialog still open after its answer (asked again) is answered again on a later poll.
        QTimer::singleShot(200, this, [this, modal = QPointer<QWidget>(modal)] {
            if (modal && last_ == modal) last_ = nullptr;
        });
    }

    QTimer timer_;
    QPointer<QWidget> last_;
};

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

class CareerWindowsTest : public QObject {
    Q_OBJECT

    fs::path dir_;

private slots:
    void initTestCase() {
        uitest::OpenEnglish();
        GameSettings().language = "en";
        SetMatchPace(0); // the live matchday at once
        // A game folder of its own: the shipped data, and a folder "GAMES" this test fills.
        dir_ = fs::temp_directory_path() / "kolbrin_career_windows_test";
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "GAMES");
        for (const char* item : {"CTRGROUP", "Icons", "Int", "Teams", "flags", "referee.txe"})
            fs::create_symlink(fs::path(uitest::kGameDir) / item, dir_ / item);
    }
    void cleanupTestCase() { fs::remove_all(dir_); }

    void aCareerStartedSavedAndLoadedThroughTheWindows() {
        const std::string gamePath = (dir_ / "GAMES" / "career.kbg").string();
        TMemorySettingsStore store;
        WriteSetting(store, kSettingCurrency, std::string("UK Pounds"));
        QWidget mainWindow;
        mainWindow.resize(1280, 800);

        // ---- Run 1: a new career. ----
        auto driver = std::make_unique<TDriver>();
        std::set<std::string> chosenCountries;
        std::vector<QString> enrolledClubs;
        driver->handlers["TselectGameDlg"] = [&](QWidget& w) {
            auto& dlg = static_cast<TselectGameDlg&>(w);
            QVERIFY(dlg.RadioNewGame()->isChecked()); // no last game yet
            dlg.EditFileName()->clear();
            QTest::keyClicks(dlg.EditFileName(), "career"); // into the folder GAMES, as a game file
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
        };
        driver->handlers["TselectCountriesDlg"] = [&](QWidget& w) {
            auto& dlg = static_cast<TselectCountriesDlg&>(w);
            QListWidget* list = dlg.ListOfCountries();
            // Countries are clicked one by one until the clubs are enough for a career.
            for (int row = 0; row < list->count() && !dlg.OKBtn()->isEnabled(); ++row) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(row)).center());
                chosenCountries.insert(FromQString(list->item(row)->text()));
            }
            QVERIFY(dlg.OKBtn()->isEnabled());
            QVERIFY(chosenCountries.size() >= 2);
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
        };
        driver->handlers["currencyDlg"] = [&](QWidget& w) {
            auto* combo = w.findChild<QComboBox*>("comboCurrency");
            QCOMPARE(combo->currentText(), QString("UK Pounds")); // the stored choice comes first
            combo->setCurrentIndex(2);
            QTest::keyClick(&w, Qt::Key_Return);
        };
        driver->handlers["TgetTeamsDlg"] = [&](QWidget& w) {
            auto& dlg = static_cast<TgetTeamsDlg&>(w);
            QApplication::setActiveWindow(&dlg);
            dlg.PlayerName(0)->setFocus();
            QTest::keyClicks(dlg.PlayerName(0), "Ana");
            QTest::keyClick(dlg.PlayerName(0), Qt::Key_Return); // Enter moves on to the next name
            QVERIFY(dlg.PlayerName(1)->hasFocus());
            QTest::keyClicks(dlg.PlayerName(1), "Bruno");
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
            QVERIFY(dlg.PlayerName(0)->isReadOnly());
            for (int i = 0; i < 2; ++i) enrolledClubs.push_back(dlg.TeamName(i)->text());
            QVERIFY(dlg.TeamName(2)->text().isEmpty());
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
        };

        TWindowedCareer first(store, dir_.string(), &mainWindow);
        first.SetSeed(20021);
        int roundOneScreens = 0;
        std::int16_t leftAt = 0;
        // Round 1: each person takes the automatic line-up and plays. Round 2: the first person to prepare
        // stops the career, which saves it.
        driver->handlers["TprepareGameDlg"] = [&](QWidget& w) {
            auto& screen = static_cast<TprepareGameDlg&>(w);
            if (first.World()->CurrentRound == 1) {
                ++roundOneScreens;
                QTest::mouseClick(screen.findChild<QPushButton*>("labelAuto"), Qt::LeftButton);
                QVERIFY(screen.PlayButton()->isEnabled());
                QTest::mouseClick(screen.PlayButton(), Qt::LeftButton);
                return;
            }
            leftAt = screen.Club().id;
            QTest::mouseClick(screen.findChild<TTrevanButton*>("stopBtn"), Qt::LeftButton);
        };
        first.Run();

        // The tables after the first round, in which the people played.
        QCOMPARE(std::count(driver->seen.begin(), driver->seen.end(), QString("TclassificationDlg")), 1);
        driver.reset();
        TWorld& w1 = *first.World();
        QCOMPARE(w1.StopRequested, false);
        QVERIFY(w1.QuitRequested); // the rounds after the one left are skipped
        QCOMPARE(roundOneScreens, 2);
        QCOMPARE(ToQString(w1.CurrencyRecord.name), QString("Reais (Brasil)"));
        QCOMPARE(ReadSetting(store, kSettingCurrency), std::string("Reais (Brasil)"));
        QCOMPARE(ReadSetting(store, kSettingLastGame), gamePath);
        // Only clubs of the chosen countries, and the two people at clubs of the fourth league.
        for (const TTeam* club : w1.AllTeams) {
            const TCountry* country = FindCountry(kFindByCode, club->Country());
            QVERIFY(country != nullptr);
            QVERIFY2(chosenCountries.count(country->Name()) == 1, club->Country().c_str());
        }
        std::vector<QString> humanClubs;
        for (const char* name : {"Ana", "Bruno"}) {
            const TCoach* coach = w1.CoachByName(name);
            QVERIFY(coach && coach->isHuman && coach->CurrentClub());
            QVERIFY(w1.Divisions[3]->teams.IndexOf(coach->CurrentClub()) >= 4);
            humanClubs.push_back(ToQString(coach->CurrentClub()->ShortName()));
        }
        QCOMPARE(enrolledClubs, humanClubs);
        // The first round was played: every league club has one game in its table.
        for (const TTeam* club : w1.Divisions[0]->teams) QCOMPARE(club->season.played, 1);
        const std::vector<std::uint8_t> saved = FileBytes(gamePath);
        QVERIFY(saved.size() > 1000);

        // ---- Run 2: the saved game, after a damaged file is refused. ----
        const std::string damaged = (dir_ / "GAMES" / "damaged.kbg").string();
        {
            std::ofstream out(damaged, std::ios::binary);
            out.write(reinterpret_cast<const char*>(saved.data()), 600);
        }
        TDriver again;
        int selections = 0;
        QString refusal;
        again.handlers["TselectGameDlg"] = [&](QWidget& w) {
            auto& dlg = static_cast<TselectGameDlg&>(w);
            ++selections;
            // The last game is offered, its description naming the two people.
            QVERIFY(dlg.RadioContinueGame()->isChecked());
            QCOMPARE(dlg.EditFileName()->text(), ToQString(gamePath));
            QVERIFY(dlg.TextDescription()->text().startsWith("Ana and Bruno"));
            const QString wanted = ToQString(selections == 1 ? damaged : gamePath);
            QListWidget* list = dlg.ListOfGames();
            bool found = false;
            for (int row = 0; row < list->count(); ++row)
                if (list->item(row)->text().startsWith(
                        ToQString(fs::path(FromQString(wanted)).filename().string()))) {
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualItemRect(list->item(row)).center());
                    found = true;
                }
            QVERIFY(found);
            QCOMPARE(dlg.EditFileName()->text(), wanted);
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
        };
        again.handlers["MessageBox"] = [&](QWidget& w) {
            auto& box = static_cast<QMessageBox&>(w);
            refusal = box.text();
            box.defaultButton()->click();
        };
        TWindowedCareer second(store, dir_.string(), &mainWindow);
        std::vector<std::uint8_t> loaded;
        std::int16_t loadedRound = 0;
        second.SetWorldReady([&](TWorld& w) {
            loaded = w.SaveGameBytes();
            loadedRound = w.CurrentRound;
        });
        int resumedScreens = 0;
        std::int16_t resumedAt = 0;
        // The round goes on at the club whose screen was open at the save; its person leaves without saving.
        again.handlers["TprepareGameDlg"] = [&](QWidget& w) {
            auto& screen = static_cast<TprepareGameDlg&>(w);
            if (resumedScreens++ == 0) resumedAt = screen.Club().id;
            screen.findChild<QAction*>("Sairsemgravar1")->trigger();
        };
        second.Run();

        QCOMPARE(selections, 2);
        QVERIFY2(refusal.contains("damaged.kbg"), qPrintable(refusal));
        QCOMPARE(resumedScreens, 1);
        QCOMPARE(resumedAt, leftAt);
        QVERIFY(loaded == saved);
        QCOMPARE(loadedRound, std::int16_t(2));
        // Leaving the loaded career keeps its file as the last game.
        QCOMPARE(ReadSetting(store, kSettingLastGame), gamePath);
    }
};

QTEST_MAIN(CareerWindowsTest)
#include "career_windows_test.moc"
