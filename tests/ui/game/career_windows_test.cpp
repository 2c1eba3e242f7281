// A career started and resumed through the windows, as a player does it: the game selection, the
// countries and the currency chosen by clicks, the two people playing typed in, a third added in the coach
// manager opened from the club screen, the first round played from the club screens (automatic line-up,
// play) with a half-time substitution and a penalty taker picked by clicks in the live matchday, the game
// saved when a player stops in round 2; a second run loads that file (after a damaged file was refused
// with its reason) and holds the same world.
#include "seeded_career.h"

#include "foundation/settings.h"
#include "match/penalty_kick.h"
#include "match/substitutions.h"
#include "season/game_files.h"
#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/common/trevan_button.h"
#include "ui/game/club/prepare_game_dlg.h"
#include "ui/game/match/match_pace.h"
#include "ui/game/match/penalty_dlg.h"
#include "ui/game/match/substitution_dlg.h"
#include "ui/game/start/coach_manager_dlg.h"
#include "ui/game/start/get_teams_dlg.h"
#include "ui/game/start/select_countries_dlg.h"
#include "ui/game/start/select_game_dlg.h"
#include "ui/game/start/windowed_career.h"
#include "world/coach.h"
#include "world/game.h"
#include "world/player.h"
#include "world/team.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
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
// choice, as a player pressing Enter. A dialog that stays open through 50 answers (10 seconds) is noted as
// stuck and gets Escape, so a window that no longer takes its answer fails the test instead of hanging it.
class TDriver : public QObject {
public:
    std::map<QString, std::function<void(QWidget&)>> handlers;
    std::vector<QString> seen;
    std::vector<QString> stuck;

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
        repeats_ = modal == answered_ ? repeats_ + 1 : 0;
        answered_ = modal;
        const auto it = handlers.find(name);
        if (repeats_ == kPatience) {
            stuck.push_back(name);
            QTimer::singleShot(0, this, [modal = QPointer<QWidget>(modal)] {
                if (modal) QTest::keyClick(modal, Qt::Key_Escape);
            });
        } else if (it != handlers.end()) {
            // Answered once this poll has returned, so a dialog the answer opens is answered too.
            QTimer::singleShot(0, this, [handler = it->second, modal = QPointer<QWidget>(modal)] {
                if (modal) handler(*modal);
            });
        } else {
            // The default choice, posted like the handlers. Only the dialog's own buttons: a dialog opened
            // over it in the meantime (the live matchday's half-time offer) is its child too.
            QTimer::singleShot(0, this, [modal = QPointer<QWidget>(modal)] {
                if (!modal) return;
                for (QPushButton* b : modal->findChildren<QPushButton*>())
                    if (b->window() == modal && b->isDefault() && b->isEnabled()) {
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

    static constexpr int kPatience = 50;
    QTimer timer_;
    QPointer<QWidget> last_;
    QPointer<QWidget> answered_;
    int repeats_ = 0;
};

// A click on `object`'s row of a list, as a player picks a row.
void ClickRow(TObjectListView& list, const TKolObject* object) {
    const QModelIndex index = list.model->index(list.model->RowOf(object));
    QVERIFY(index.isValid());
    list.view->scrollTo(index);
    QTest::mouseClick(list.view->viewport(), Qt::LeftButton, {}, list.view->visualRect(index).center());
}

// A click posted to the event loop: the modal dialog it opens runs its own loop, in which the driver's
// timer goes on answering.
void PostClick(QAbstractButton* button) {
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

// The windowed port, telling why a substitution is offered, and with a look at the round's games as the
// live matchday closes (the games are gone once the results are filed).
class TWatchedPort : public TQtUserPort {
public:
    using TQtUserPort::TQtUserPort;
    int substitutionReason = 0;
    std::function<void(TWorld&)> matchdayOver;
    void RequestSubstitution(TGame& game, int side, int reason, TPlayer* player) override {
        substitutionReason = reason;
        TQtUserPort::RequestSubstitution(game, side, reason, player);
    }
    void ShowMatchday(TMatchdayTicker& matchday) override {
        TQtUserPort::ShowMatchday(matchday);
        if (matchdayOver) matchdayOver(*World());
    }
};

std::vector<std::string> HumanCoachNames(const TWorld& world) {
    std::vector<std::string> names;
    for (const TCoach* coach : world.AllCoaches)
        if (coach != nullptr && coach->isHuman) names.push_back(coach->Name());
    return names;
}

// The career's seed: in round 1 a human club is given a penalty, and the taker the test picks scores it.
constexpr std::uint32_t kSeed = 72;

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
        // A game folder of its own (named after the process: the same test may run in another build at the
        // same time): the shipped data, and a folder "GAMES" this test fills.
        dir_ = fs::temp_directory_path() /
               ("kolbrin_career_windows_test_" + std::to_string(QCoreApplication::applicationPid()));
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

        auto watchedPort = std::make_unique<TWatchedPort>(&mainWindow);
        TWatchedPort& port = *watchedPort;
        TWindowedCareer first(store, dir_.string(), &mainWindow, std::move(watchedPort));
        first.SetSeed(kSeed);
        int roundOneScreens = 0;
        std::int16_t leftAt = 0;
        // At the first club screen the person opens the coach manager and adds Carla, who has no club yet.
        bool managerOpened = false;
        int managerShown = 0;
        // The handlers answer every dialog they are given, and keep what they saw for the checks after the
        // run: a dialog left open would be answered again and again.
        std::vector<std::string> managerRowsBefore, managerRows;
        const TKolObject* managerPicked = nullptr;
        const auto rowsOf = [](const TcoachManagerDlg& dlg) {
            std::vector<std::string> names;
            for (const TKolObject* row : dlg.ListBoxOfCoaches()->model->Objects())
                names.push_back(static_cast<const TCoach*>(row)->Name());
            return names;
        };
        driver->handlers["TcoachManagerDlg"] = [&](QWidget& w) {
            auto& dlg = static_cast<TcoachManagerDlg&>(w);
            if (managerShown++ == 0) {
                managerRowsBefore = rowsOf(dlg);
                PostClick(dlg.AddBtn());
                return;
            }
            // Back from the name.
            managerRows = rowsOf(dlg);
            managerPicked = dlg.ListBoxOfCoaches()->Current();
            QTest::mouseClick(dlg.CloseBtn(), Qt::LeftButton);
        };
        driver->handlers["InputText"] = [&](QWidget& w) {
            auto* edit = w.findChild<QLineEdit*>();
            QTest::keyClicks(edit, "Carla");
            QTest::keyClick(edit, Qt::Key_Return);
        };
        // Round 1: each person takes the automatic line-up and plays. Round 2: the first person to prepare
        // stops the career, which saves it.
        driver->handlers["TprepareGameDlg"] = [&](QWidget& w) {
            auto& screen = static_cast<TprepareGameDlg&>(w);
            if (first.World()->CurrentRound == 1) {
                if (!managerOpened) {
                    managerOpened = true;
                    PostClick(screen.findChild<TTrevanButton*>("coachManagementBtn"));
                    return; // the screen is answered again once the coach manager is closed
                }
                ++roundOneScreens;
                QTest::mouseClick(screen.findChild<QPushButton*>("labelAuto"), Qt::LeftButton);
                QVERIFY(screen.PlayButton()->isEnabled());
                QTest::mouseClick(screen.PlayButton(), Qt::LeftButton);
                return;
            }
            leftAt = screen.Club().id;
            QTest::mouseClick(screen.findChild<TTrevanButton*>("stopBtn"), Qt::LeftButton);
        };

        // In round 1's live matchday: at half time the first person offered a substitution takes off his
        // last outfield player on the field (squad order) for his first outfield player on the bench; the
        // person whose club is given a penalty picks the last player on the field who is not the best
        // taker the dialog offers.
        const TTeam* substitutingClub = nullptr;
        TPlayer *goingOff = nullptr, *comingOn = nullptr;
        int halfTimeOffers = 0;
        bool substitutionShown = false; // the dialog shows the change at once
        driver->handlers["TsubstitutionDlg"] = [&](QWidget& w) {
            auto& dlg = static_cast<TsubstitutionDlg&>(w);
            if (port.substitutionReason == srBreak) ++halfTimeOffers;
            if (substitutingClub == nullptr && halfTimeOffers > 0 && first.World()->CurrentRound == 1) {
                TTeam& club = dlg.Club();
                for (TPlayer* p : club.players) {
                    if (p == nullptr || p->position() == 0) continue;
                    if (p->matchState.lineupRole == 1) goingOff = p;
                    if (p->matchState.lineupRole == 2 && comingOn == nullptr) comingOn = p;
                }
                substitutingClub = &club;
                if (goingOff != nullptr && comingOn != nullptr) {
                    ClickRow(*dlg.SelectedPlayers(), goingOff);
                    ClickRow(*dlg.SubstitutePlayers(), comingOn);
                    QTest::mouseClick(dlg.SubstituteBtn(), Qt::LeftButton);
                    substitutionShown = dlg.SelectedPlayers()->model->RowOf(comingOn) >= 0 &&
                                        dlg.SelectedPlayers()->model->RowOf(goingOff) < 0 &&
                                        dlg.SubstitutePlayers()->model->RowOf(comingOn) < 0;
                }
            }
            QTest::mouseClick(dlg.BackBtn(), Qt::LeftButton);
        };
        const TTeam* penaltyClub = nullptr;
        const TPlayer *bestTaker = nullptr, *offeredTaker = nullptr, *pickedTaker = nullptr;
        int takerChoices = 0;
        driver->handlers["TpenaltyDlg"] = [&](QWidget& w) {
            auto& dlg = static_cast<TpenaltyDlg&>(w);
            if (dlg.Players() == nullptr || dlg.CanClose()) return; // a kick shown: it closes by itself
            ++takerChoices;
            penaltyClub = &dlg.Shooting();
            bestTaker = PenaltyTaker(dlg.Shooting());
            offeredTaker = static_cast<const TPlayer*>(dlg.Players()->Current());
            for (const TPlayer* p : dlg.Shooting().players)
                if (p != nullptr && p->matchState.lineupRole == 1 && p != bestTaker) pickedTaker = p;
            if (pickedTaker != nullptr) ClickRow(*dlg.Players(), pickedTaker);
            QTest::mouseClick(dlg.ShootBtn(), Qt::LeftButton);
        };
        // The live matchday runs by itself; the dialogs opened over it are answered on their own.
        driver->handlers["TjourneyDlg"] = [](QWidget&) {};
        // What the round's games hold as round 1's live matchday closes.
        std::vector<std::int16_t> penaltyScorers; // the ids of the penalty scorers of the club given one
        int goingOffRole = -1, comingOnRole = -1;
        port.matchdayOver = [&](TWorld& world) {
            if (world.CurrentRound != 1) return;
            if (goingOff != nullptr) goingOffRole = goingOff->matchState.lineupRole;
            if (comingOn != nullptr) comingOnRole = comingOn->matchState.lineupRole;
            for (const TGame* game : world.RoundGames)
                for (int side = 0; side < 2 && game->HasTeams(); ++side)
                    if ((side == 0 ? game->homeTeam : game->awayTeam) == penaltyClub)
                        for (const TGameEvent* e : game->events)
                            if (e->side == side && e->eventKind == gekPenaltyGoal)
                                penaltyScorers.push_back(e->playerId);
        };
        first.Run();

        // The tables after the first round, in which the people played.
        QCOMPARE(driver->stuck, std::vector<QString>{});
        QCOMPARE(std::count(driver->seen.begin(), driver->seen.end(), QString("TclassificationDlg")), 1);
        driver.reset();
        TWorld& w1 = *first.World();
        QCOMPARE(w1.StopRequested, false);
        QVERIFY(w1.QuitRequested); // the rounds after the one left are skipped
        QCOMPARE(roundOneScreens, 2);
        // The people playing: the two named at the start, and Carla, added in the coach manager, without a
        // club.
        QCOMPARE(managerShown, 2);
        QCOMPARE(managerRowsBefore, (std::vector<std::string>{"Ana", "Bruno"}));
        QCOMPARE(managerRows, (std::vector<std::string>{"Ana", "Bruno", "Carla"}));
        QCOMPARE(managerPicked, static_cast<const TKolObject*>(w1.CoachByName("Carla")));
        QCOMPARE(HumanCoachNames(w1), (std::vector<std::string>{"Ana", "Bruno", "Carla"}));
        QVERIFY(w1.CoachByName("Carla")->CurrentClub() == nullptr);
        // The half-time substitution picked by clicks is the one made: the player taken off is off the
        // field when the matchday ends, the one brought on is on it.
        QCOMPARE(halfTimeOffers, 2); // one for each human club
        QVERIFY(substitutingClub != nullptr && substitutingClub->HasHumanCoach());
        QVERIFY(goingOff != nullptr && comingOn != nullptr);
        QVERIFY(substitutionShown);
        QCOMPARE(goingOffRole, 0);
        QCOMPARE(comingOnRole, 1);
        // The seed gives one penalty to a human club in round 1; the taker picked by a click scored it.
        QCOMPARE(takerChoices, 1);
        QCOMPARE(offeredTaker, bestTaker); // the dialog opens with the best taker picked
        QVERIFY(pickedTaker != nullptr && pickedTaker != bestTaker);
        QCOMPARE(penaltyScorers, std::vector<std::int16_t>{pickedTaker->id});
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
            // In the fourth league (its order is now the table's, after a round, not the file's).
            QVERIFY(w1.Divisions[3]->teams.IndexOf(coach->CurrentClub()) >= 0);
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
            // The last game is offered, its description naming the three people.
            QVERIFY(dlg.RadioContinueGame()->isChecked());
            QCOMPARE(dlg.EditFileName()->text(), ToQString(gamePath));
            QVERIFY(dlg.TextDescription()->text().startsWith("Ana, Bruno and Carla"));
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
        std::vector<std::string> loadedPeople;
        bool carlaWithoutClub = false;
        second.SetWorldReady([&](TWorld& w) {
            loaded = w.SaveGameBytes();
            loadedRound = w.CurrentRound;
            loadedPeople = HumanCoachNames(w);
            const TCoach* carla = w.CoachByName("Carla");
            carlaWithoutClub = carla != nullptr && carla->CurrentClub() == nullptr;
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

        QCOMPARE(again.stuck, std::vector<QString>{});
        QCOMPARE(selections, 2);
        QVERIFY2(refusal.contains("damaged.kbg"), qPrintable(refusal));
        QCOMPARE(resumedScreens, 1);
        QCOMPARE(resumedAt, leftAt);
        QVERIFY(loaded == saved);
        QCOMPARE(loadedRound, std::int16_t(2));
        QCOMPARE(loadedPeople, (std::vector<std::string>{"Ana", "Bruno", "Carla"}));
        QVERIFY(carlaWithoutClub);
        // Leaving the loaded career keeps its file as the last game.
        QCOMPARE(ReadSetting(store, kSettingLastGame), gamePath);
    }
};

QTEST_MAIN(CareerWindowsTest)
#include "career_windows_test.moc"
