// The editor's main window over a small data folder: loading, editing a player through its dialog (a bad
// name refused), moving a player by dropping it on a team, exit refused by an invalid team, exit saving.
#include "ui/editor/editor_main.h"

#include "datafiles/countries.h"
#include "datafiles/referee_file.h"
#include "datafiles/team_check.h"
#include "datafiles/team_file.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"
#include "ui/editor/analysis_dlg.h"
#include "ui/editor/cant_save_team_dlg.h"
#include "ui/editor/player_properties_dlg.h"
#include "ui/editor/team_color_dlg.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

TTeamFile MakeTeam(const std::string& shortName) {
    TTeamFile f;
    f.team.SetName(shortName + " Clube");
    f.team.SetShortName(shortName);
    f.team.SetCountry("POR");
    f.team.SetColor1(0xFFFFFF);
    f.team.SetColor2(0x800000);
    f.coach.SetName("Mister " + shortName);
    for (int i = 0; i < 14; ++i) {
        TPlayerAttr p;
        p.SetName(shortName + " " + std::to_string(10 + i));
        p.SetPosition(static_cast<std::uint8_t>(i == 0 ? 0 : 1 + i % 3));
        p.SetNationality("POR");
        p.SetAge(20 + i);
        f.players.push_back(p);
    }
    return f;
}

// Runs `step` on the modal dialog that opens next (polling, since it opens inside exec()).
void OnNextModal(std::function<void(QWidget*)> step, int triesLeft = 200) {
    QTimer::singleShot(10, [step, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget())
            step(modal);
        else if (triesLeft > 0)
            OnNextModal(step, triesLeft - 1);
    });
}

} // namespace

class EditorMainTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string data_;

    TEditorOptions Options() const {
        TEditorOptions o;
        o.dataDir = data_;
        o.webDirectory = data_ + "/web";
        return o;
    }
    std::string TeamPath(const char* name) const { return data_ + "/Teams/" + name; }

private slots:
    void initTestCase() {
        OpenLabelsFile(KOLBRIN_BINARY_DIR "/bin/Int/en/KOLB2002_01_en.kbl");
        QVERIFY(LabelsFileIsOpen());
        // The window keeps its size in a file of the test's own, not in the user's settings.
        TeditorMain::SetGeometryStore(dir_.path() + "/geometry.ini");
    }

    void init() {
        ResetCountries();
        AllCountries().Add(std::make_unique<TCountry>("Portugal", "POR", "POR"));
        AllCountries().Add(std::make_unique<TCountry>("Spain", "ESP", "ESP"));
        data_ = dir_.path().toStdString() + "/" + QTest::currentTestFunction();
        fs::remove_all(data_);
        fs::create_directories(data_ + "/Teams");
        fs::create_directories(data_ + "/Provisory Teams");
        MakeTeam("Alfa").WriteFile(TeamPath("alfa.kbt"), 2002);
        MakeTeam("Beta").WriteFile(TeamPath("beta.kbt"), 2002);
        MakeTeam("Gama").WriteFile(data_ + "/Provisory Teams/gama.kbt", 2002);
        WriteRefereeFilePath(data_ + "/referee.txe", {TRefereeAttr("Um Arbitro", "POR")});
    }

    void loadsTeamsPlayersAndReferees() {
        TeditorMain w(Options());
        w.show();
        QCOMPARE(w.TeamsView()->model()->rowCount(), 3);
        QCOMPARE(w.AllPlayersView()->model()->rowCount(), 42);
        QCOMPARE(w.RefereesView()->model()->rowCount(), 1);
        QCOMPARE(w.StatusPanel(0)->text(), QStringLiteral("Teams: 3"));
        QCOMPARE(w.StatusPanel(1)->text(), QStringLiteral("Players: 42"));
        QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Referees: 1"));
        // Each panel is wide enough for its text (the language decides how wide that is).
        for (int i = 0; i < 3; ++i)
            QVERIFY(w.StatusPanel(i)->minimumWidth() >
                    w.StatusPanel(i)->fontMetrics().horizontalAdvance(w.StatusPanel(i)->text()));
        QVERIFY(w.SelectedTeam() == nullptr);

        // Selecting a team fills the team page and its squad; a player of the all-players list brings his
        // team along.
        w.TeamsView()->setCurrentIndex(w.TeamsView()->model()->index(1, 0));
        QVERIFY(w.SelectedTeam() != nullptr);
        QCOMPARE(w.SelectedTeam()->attr.ShortName(), std::string("Beta"));
        QCOMPARE(w.TeamPlayersView()->model()->rowCount(), 14);
        QCOMPARE(w.TeamPanel()->findChild<QLineEdit*>("shortNameEdit")->text(), QStringLiteral("Beta"));
        QVERIFY(w.StatusPanel(3)->text().startsWith(QStringLiteral("File date: ")));
        QVERIFY(!w.Action("menuTeamRemove")->isEnabled());
        w.AllPlayersView()->setCurrentIndex(w.AllPlayersView()->model()->index(0, 0));
        QCOMPARE(w.SelectedTeam()->attr.ShortName(), w.SelectedPlayer()->Team()->attr.ShortName());
        QCOMPARE(w.TeamPlayersView()->currentIndex().data().toString(),
                 QString::fromStdString(w.SelectedPlayer()->attr.Name()));

        // A click on the level column sorts the teams by level, strongest first.
        w.Model().SetLevel(*w.Model().Teams()[2], 20);
        w.hcAllTeamsSectionClick(3);
        QCOMPARE(w.Model().Teams()[0]->attr.Level(), 20);
    }

    void editsAPlayerAndRefusesAStarInTheName() {
        TeditorMain w(Options());
        w.show();
        w.SelectTeam(w.Model().Teams()[0]);
        TEditorPlayer* player = w.SelectedTeam()->players[3];
        w.SelectPlayer(player);
        bool refused = false;
        OnNextModal([&](QWidget* modal) {
            auto* dlg = qobject_cast<TPlayerPropertiesDlg*>(modal);
            QVERIFY(dlg);
            dlg->NameEdit()->setText("Bad*Name");
            // The refusal is a message box over the dialog; the dialog stays open for another try.
            OnNextModal([&, dlg](QWidget* box) {
                refused = qobject_cast<QMessageBox*>(box) != nullptr;
                box->close();
                QTimer::singleShot(10, [dlg] {
                    dlg->NameEdit()->setText("Novo Nome");
                    dlg->AgeBar()->setValue(30);
                    dlg->OKBtn()->click();
                });
            });
            dlg->OKBtn()->click();
        });
        w.menuPlayerEditClick();
        QVERIFY(refused);
        QCOMPARE(player->attr.Name(), std::string("Novo Nome"));
        QCOMPARE(player->attr.Age(), 30);
        // A veteran outside the usual age range keeps his age when his dialog is confirmed unchanged.
        TEditorPlayer* veteran = w.SelectedTeam()->players[5];
        TPlayerAttr old = veteran->attr;
        old.SetAge(37);
        w.Model().ApplyPlayer(*veteran, old);
        w.SelectPlayer(veteran);
        OnNextModal([](QWidget* modal) { qobject_cast<TPlayerPropertiesDlg*>(modal)->OKBtn()->click(); });
        w.menuPlayerEditClick();
        QCOMPARE(veteran->attr.Age(), 37);
        QVERIFY(w.SelectedTeam()->modified);
        QCOMPARE(w.TeamPlayersView()
                     ->model()
                     ->index(w.SelectedTeam()->players.IndexOf(player), 0)
                     .data()
                     .toString(),
                 QStringLiteral("Novo Nome"));
    }

    void dropsAPlayerOnATeam() {
        TeditorMain w(Options());
        w.show();
        TEditorTeam* from = w.Model().Teams()[0];
        TEditorTeam* to = w.Model().Teams()[1];
        w.SelectTeam(from);
        TEditorPlayer* keeper = from->players[0];
        QCOMPARE(int(keeper->attr.Position()), 0);
        // The same path as a drop with the mouse: the squad list's drag data, delivered to the team's row.
        QAbstractItemModel* squad = w.TeamPlayersView()->model();
        std::unique_ptr<QMimeData> data(squad->mimeData({squad->index(0, 0)}));
        QVERIFY(data);
        QAbstractItemModel* teams = w.TeamsView()->model();
        const QModelIndex target = teams->index(1, 0);
        QVERIFY(teams->canDropMimeData(data.get(), Qt::MoveAction, -1, -1, target));
        teams->dropMimeData(data.get(), Qt::MoveAction, -1, -1, target);
        QCOMPARE(keeper->Team(), to);
        QCOMPARE(from->players.Count(), 13);
        QCOMPARE(to->players.Count(), 15);
        QVERIFY(!from->valid);
        QVERIFY(from->modified && to->modified);
        QTRY_COMPARE(w.TeamPlayersView()->model()->rowCount(), 13);
        QCOMPARE(w.AllPlayersView()->model()->rowCount(), 42);
        // A drop on the team the player already belongs to changes nothing.
        QVERIFY(!w.ListBoxOfTeamsDragDrop(keeper, to));
    }

    void exitIsRefusedWhileATeamIsInvalid() {
        TeditorMain w(Options());
        w.show();
        TEditorTeam* beta = w.Model().Teams()[1];
        TTeamProperties p = w.Model().PropertiesOf(*beta);
        p.coachName.clear();
        w.Model().ApplyTeamProperties(*beta, p);
        QString caption;
        OnNextModal([&](QWidget* modal) {
            auto* dlg = qobject_cast<TCantSaveTeamDlg*>(modal);
            QVERIFY(dlg);
            caption = dlg->windowTitle();
            dlg->accept();
        });
        QVERIFY(!w.exitBtnMouseDown());
        QCOMPARE(caption.trimmed(), QStringLiteral("Beta"));
        QVERIFY(w.isVisible());
        QCOMPARE(w.SelectedTeam(), beta);
        // Nothing was written.
        QCOMPARE(TTeamFile::ReadFile(TeamPath("beta.kbt"), 2002).coach.Name(), std::string("Mister Beta"));
    }

    void exitSavesTheChangedTeamsAndCloses() {
        const auto betaBefore = fs::last_write_time(TeamPath("beta.kbt"));
        TeditorMain w(Options());
        w.show();
        TEditorTeam* alfa = w.Model().Teams()[0];
        w.SelectTeam(alfa);
        w.SelectPlayer(alfa->players[2]);
        w.menuPlayerStarClick();
        w.SelectTeam(w.Model().Teams()[2]);
        w.menuTeamEfectiveClick();
        QVERIFY(w.exitBtnMouseDown());
        QVERIFY(!w.isVisible());
        const TTeamFile saved = TTeamFile::ReadFile(TeamPath("alfa.kbt"), 2002);
        int stars = 0;
        for (const TPlayerAttr& pl : saved.players) stars += pl.IsStar();
        QCOMPARE(stars, 1);
        QCOMPARE(fs::last_write_time(TeamPath("beta.kbt")), betaBefore);
        QVERIFY(fs::exists(TeamPath("gama.kbt")));
        QVERIFY(!fs::exists(data_ + "/Provisory Teams/gama.kbt"));
    }

    void shortcutsReachTheOperations() {
        TeditorMain w(Options());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.SelectTeam(w.Model().Teams()[0]);
        QCOMPARE(w.Action("MenuPlayerNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(w.Action("menuTeamNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
        QCOMPARE(w.Action("exit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        // Ctrl+N opens the player dialog; cancelling it adds nobody.
        bool opened = false;
        OnNextModal([&](QWidget* modal) {
            opened = qobject_cast<TPlayerPropertiesDlg*>(modal) != nullptr;
            static_cast<QDialog*>(modal)->reject();
        });
        w.activateWindow();
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(opened);
        QCOMPARE(w.SelectedTeam()->players.Count(), 14);
        // Delete on the squad removes the selected player and selects the next one.
        w.SelectPlayer(w.SelectedTeam()->players[1]);
        TEditorPlayer* next = w.SelectedTeam()->players[2];
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.TeamPlayersView()->setFocus();
        // The removal asks first (see editor_removal_test); yes.
        OnNextModal([](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click(); });
        QTest::keyClick(w.TeamPlayersView(), Qt::Key_Delete);
        QCOMPARE(w.SelectedTeam()->players.Count(), 13);
        QCOMPARE(w.SelectedPlayer(), next);
        // The same key on the referee list deletes the referee, not a player.
        w.Pages()->setCurrentIndex(2);
        w.SelectReferee(w.Model().Referees()[0]);
        w.RefereesView()->setFocus();
        OnNextModal([](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click(); });
        QTest::keyClick(w.RefereesView(), Qt::Key_Delete);
        QCOMPARE(w.Model().Referees().Count(), 0);
        QCOMPARE(w.SelectedTeam()->players.Count(), 13);
    }

    // Pictures for a person to look at (tests/screenshots/editor_screenshots.sh); skipped in a test run.
    void screenshots() {
        const QByteArray shots = qgetenv("KOLBRIN_SCREENSHOT_DIR");
        if (shots.isEmpty()) QSKIP("KOLBRIN_SCREENSHOT_DIR is not set");
        {
            // The shipped data folder, for a look at the window as a user sees it.
            const std::string shipped = KOLBRIN_BINARY_DIR "/bin";
            LoadCountriesOfLanguage(shipped, "en", [](const std::string&, const std::string&) {});
            TEditorOptions o;
            o.dataDir = shipped;
            TeditorMain real(o);
            real.show();
            QVERIFY(QTest::qWaitForWindowExposed(&real));
            // What the screen shows (the dialogs over the window too) when there is a real display, else
            // the window's own picture.
            const QString folder = QString::fromLocal8Bit(shots);
            const auto shoot = [&](QWidget* window, const QString& name) {
                QCoreApplication::processEvents();
                QTest::qWait(150);
                const bool display = QGuiApplication::platformName() == QLatin1String("xcb");
                const QPixmap picture = display ? window->screen()->grabWindow(0) : window->grab();
                QVERIFY(picture.save(folder + '/' + name));
            };
            // A club dark enough that its light text is what stands out: its selected row must still show.
            TEditorTeam* dark = nullptr;
            for (TEditorTeam* t : real.Model().Teams()) {
                const QColor back = ToQColor(t->attr.Color2());
                if (!dark && back.lightnessF() < 0.3 && real.Model().Teams().IndexOf(t) > 3) dark = t;
            }
            QVERIFY(dark);
            real.SelectTeam(dark);
            real.SelectPlayer(real.SelectedTeam()->players[2]);
            real.TeamsView()->setFocus();
            shoot(&real, "editor_team.png");
            real.Pages()->setCurrentIndex(1);
            shoot(&real, "editor_players.png");
            real.Pages()->setCurrentIndex(2);
            real.SelectReferee(real.Model().Referees()[3]);
            shoot(&real, "editor_referees.png");
            real.Pages()->setCurrentIndex(0);
            TAnalysisDlg analysis(real.Model());
            analysis.Run();
            analysis.grab().save(folder + "/analysis_dlg.png");
            for (int which = 0; which < 2; ++which) {
                OnNextModal([&, which](QWidget* modal) {
                    shoot(modal, which ? "player_dlg_over_window.png" : "team_dlg_over_window.png");
                    static_cast<QDialog*>(modal)->reject();
                });
                which ? real.menuPlayerEditClick() : real.menuTeamPropertiesClick();
            }
            // The validity mark's explanation, as hovering over an invalid team shows it.
            for (TEditorTeam* t : real.Model().Teams())
                if (!t->valid) {
                    real.SelectTeam(t);
                    const QRect row = real.TeamsView()->visualRect(real.TeamsView()->currentIndex());
                    QToolTip::showText(real.TeamsView()->viewport()->mapToGlobal(row.center()),
                                       real.TeamsView()->currentIndex().data(Qt::ToolTipRole).toString(),
                                       real.TeamsView());
                    shoot(&real, "editor_invalid_tooltip.png");
                    QToolTip::hideText();
                    break;
                }
        }
    }

    void cleanupTestCase() { ResetCountries(); }
};

QTEST_MAIN(EditorMainTest)
#include "editor_main_test.moc"
