// The club screen over a seeded career, opened where the career opens it (a human club's preparation):
// it shows the club's state, the clicks reach the players and the core's selection check, the play button
// follows that check, the save records the club for the resume, and every way out but playing ends the
// career.
#include "seeded_career.h"

#include "foundation/format_text.h"
#include "foundation/numeric.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/club/club_gauge.h"
#include "ui/game/club/prepare_game_dlg.h"
#include "ui/game/club/squad_list.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace {

// Plays round 1 of a seeded career with one human coach up to his club screen, runs `check` on the screen
// opened there, then leaves the career.
void AtTheClubScreen(std::uint32_t seed, const std::function<void(TWorld&, TprepareGameDlg&)>& check) {
    TScriptedUserPort port;
    auto world = uitest::SeededCareer(seed, {"Ana"}, true, &port);
    GameSettings().directory = uitest::kGameDir;
    bool opened = false;
    port.ClubScreenHook = [&](TTeam& club) {
        opened = true;
        TprepareGameDlg dlg(*world, club);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        check(*world, dlg);
        world->QuitRequested = true;
    };
    PlayLeagueRound(*world, DefaultSeasonSteps());
    QVERIFY(opened);
}

// A release of the mouse on a player's row, `x` pixels into the row.
void ClickRow(TprepareGameDlg& dlg, const TPlayer& player, int x) {
    TSquadList* list = dlg.ListBoxOfPlayers();
    const QRect rect = list->RowRect(list->RowOf(&player));
    QTest::mouseClick(list->View()->viewport(), Qt::LeftButton, {}, QPoint(x, rect.center().y()));
}

int Role(const TPlayer& player) {
    return player.matchState.lineupRole;
}

} // namespace

class PrepareGameDlgTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheClubsStateWithTheGaugesColours() {
        AtTheClubScreen(31, [](TWorld& world, TprepareGameDlg& dlg) {
            TTeam& club = dlg.Club();
            QVERIFY(dlg.Opponent() != nullptr);
            // Squad in its own order, the opponent in its colours, the club's league table.
            TSquadList* squad = dlg.ListBoxOfPlayers();
            QCOMPARE(squad->View()->model()->rowCount(), club.players.Count());
            QCOMPARE(squad->PlayerAt(0), club.players[0]);
            QCOMPARE(dlg.TextOpponent()->text(), ToQString(dlg.Opponent()->Name()));
            QCOMPARE(dlg.TextOpponent()->palette().color(QPalette::Window),
                     ToQColor(dlg.Opponent()->BackColor()));
            QCOMPARE(dlg.ListBoxClassification()->model->rowCount(), 10);
            QVERIFY(dlg.ListBoxClassification()->model->RowOf(&club) >= 0);

            // Forms: all 4 in a squad of n gives 4n / (n - 2) > 4: green; the gauge shows it times ten.
            const int n = club.players.Count();
            for (TPlayer* p : club.players) p->form = 4;
            // Performance 0.7 is red and 0.71 yellow; cash for exactly 3 matchdays of wages is yellow.
            club.SetSupportFactor(0.7L);
            club.SetBalance(club.WageBill() * 3);
            TprepareGameDlg red(world, club);
            QCOMPARE(red.GaugeMoral()->Progress(), static_cast<int>(nearest(4.0L * n / (n - 2) * 10)));
            QCOMPARE(red.GaugeMoral()->Colour(), QColor(0, 255, 0));
            QCOMPARE(red.GaugeCoachPerformance()->Progress(), 7);
            QCOMPARE(red.GaugeCoachPerformance()->Colour(), QColor(255, 0, 0));
            QCOMPARE(red.GaugeFinances()->Progress(), 3);
            QCOMPARE(red.GaugeFinances()->Colour(), QColor(255, 255, 0));
            // One player at 0 and the rest at 2: (2n - 2) / (n - 2) = 2 + 2 / (n - 2): yellow.
            for (TPlayer* p : club.players) p->form = 2;
            club.players[0]->form = 0;
            club.SetSupportFactor(0.71L);
            TprepareGameDlg yellow(world, club);
            QCOMPARE(yellow.GaugeMoral()->Colour(), QColor(255, 255, 0));
            QCOMPARE(yellow.GaugeCoachPerformance()->Colour(), QColor(255, 255, 0));
            QCOMPARE(yellow.GaugeOpponentMoral()->Progress(),
                     static_cast<int>(nearest(dlg.Opponent()->Morale() * 10)));
        });
    }

    void lineupClicksReachThePlayersAndThePlayButtonFollowsTheCheck() {
        AtTheClubScreen(32, [](TWorld&, TprepareGameDlg& dlg) {
            TTeam& club = dlg.Club();
            dlg.Melhores1Click();
            QVERIFY(dlg.PlayButton()->isEnabled());
            QCOMPARE(dlg.Page(), int(TprepareGameDlg::pgSelection));
            // A starting outfield player: to the bench leaves nine outfield starters.
            TPlayer* starter = nullptr;
            for (TPlayer* p : club.players)
                if (p->position() != 0 && Role(*p) == 1 && p->IsAvailable()) starter = p;
            QVERIFY(starter != nullptr);
            dlg.ShowPage(TprepareGameDlg::pgGame);
            ClickRow(dlg, *starter, 5);
            QCOMPARE(Role(*starter), 2);
            QCOMPARE(dlg.Page(), int(TprepareGameDlg::pgSelection));
            QVERIFY(!dlg.PlayButton()->isEnabled());
            QCOMPARE(dlg.SelectionMessage()->text(), ToQString(Format(GetText(627), {10, 9})));
            ClickRow(dlg, *starter, 5); // to the stands
            QCOMPARE(Role(*starter), 0);
            QVERIFY(!dlg.PlayButton()->isEnabled());
            ClickRow(dlg, *starter, 5); // back into the team
            QCOMPARE(Role(*starter), 1);
            QVERIFY(dlg.PlayButton()->isEnabled());
            QVERIFY(dlg.SelectionMessage()->text().isEmpty());

            // Further right the click only selects and shows him.
            ClickRow(dlg, *starter, 200);
            QCOMPARE(Role(*starter), 1);
            QCOMPARE(dlg.SelectedPlayer(), starter);
            QCOMPARE(dlg.Page(), int(TprepareGameDlg::pgPlayer));

            // An injured player is not moved by the edge click.
            TPlayer* stand = nullptr;
            for (TPlayer* p : club.players)
                if (Role(*p) == 0) stand = p;
            QVERIFY(stand != nullptr);
            stand->injuredGames = 2;
            ClickRow(dlg, *stand, 5);
            QCOMPARE(Role(*stand), 0);
            QCOMPARE(dlg.SelectedPlayer(), stand);
            stand->injuredGames = 0;

            // A formation by its label: the core's choice, checked.
            auto* label442 = dlg.findChild<QPushButton*>("label442");
            QVERIFY(label442 != nullptr);
            QTest::mouseClick(label442, Qt::LeftButton);
            int starters[4] = {0, 0, 0, 0};
            for (TPlayer* p : club.players)
                if (Role(*p) == 1) ++starters[p->position()];
            QCOMPARE(starters[0], 1);
            QCOMPARE(starters[1] + starters[2] + starters[3], 10);
            QVERIFY(dlg.PlayButton()->isEnabled());
        });
    }

    void aSaleOrderGoesThroughTheCoresSaleAndARefusalIsShown() {
        AtTheClubScreen(33, [](TWorld&, TprepareGameDlg& dlg) {
            TTeam& club = dlg.Club();
            TPlayer* outfield = nullptr;
            for (TPlayer* p : club.players)
                if (p->position() != 0 && club.CanSell(*p) == csMaySell) outfield = p;
            QVERIFY(outfield != nullptr);
            ClickRow(dlg, *outfield, 200);
            dlg.findChild<QAction*>("Vender2")->trigger();
            QCOMPARE(dlg.Page(), int(TprepareGameDlg::pgSell));
            dlg.PriceEditor()->setValue(1234);
            dlg.HowToSell(2)->setChecked(true);
            QTest::mouseClick(dlg.findChild<QPushButton*>("sellBtn"), Qt::LeftButton);
            QCOMPARE(outfield->askingPrice, 1234000);
            QCOMPARE(int(outfield->saleMode), 2);
            QCOMPARE(dlg.Page(), int(TprepareGameDlg::pgPlayer));

            // A player already sold cannot be put up again: the reason is shown on the message page.
            TPlayer* sold = nullptr;
            for (TPlayer* p : club.players)
                if (p != outfield && club.CanSell(*p) == csMaySell) sold = p;
            QVERIFY(sold != nullptr);
            sold->soldToTeamId = dlg.Opponent()->id;
            ClickRow(dlg, *sold, 200);
            dlg.findChild<QAction*>("Vender2")->trigger();
            QCOMPARE(dlg.Page(), int(TprepareGameDlg::pgMessage));
            QCOMPARE(dlg.TextMessage()->text(), ToQString(GetText(286)));
        });
    }

    void saveRecordsTheClubForTheResumeAndWritesTheFile() {
        const std::filesystem::path file =
            std::filesystem::temp_directory_path() / ("clubscreen_save_" + std::to_string(getpid()) + ".kbg");
        std::filesystem::remove(file);
        std::int16_t clubId = 0;
        AtTheClubScreen(34, [&](TWorld& world, TprepareGameDlg& dlg) {
            world.GameFilePath = file.string();
            clubId = dlg.Club().id;
            QTest::keyClick(&dlg, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(std::filesystem::is_regular_file(file));
            QCOMPARE(world.ResumeTeam, std::int16_t(0)); // the running round goes on unmarked
            QVERIFY(dlg.isVisible());
            QCOMPARE(dlg.TextMessage()->text(), ToQString(GetText(731)));
        });
        const std::unique_ptr<TWorld> loaded = TWorld::LoadGame(file.string());
        QCOMPARE(loaded->ResumeTeam, clubId);
        QCOMPARE(loaded->CurrentRound, std::int16_t(1));
        QVERIFY(!loaded->LeagueRoundDone);

        // Stop saves and leaves; a stop whose save fails (a file where the folder should be) stays.
        AtTheClubScreen(34, [&](TWorld& world, TprepareGameDlg& dlg) {
            world.GameFilePath = (file / "x.kbg").string();
            std::ofstream(file.string()) << "not a folder";
            world.QuitRequested = false;
            dlg.stopBtnClick();
            QVERIFY(dlg.isVisible());
            QVERIFY(!world.QuitRequested);
            std::filesystem::remove(file);
            world.GameFilePath = file.string();
            dlg.stopBtnClick();
            QVERIFY(!dlg.isVisible());
            QVERIFY(world.QuitRequested);
            QVERIFY(std::filesystem::is_regular_file(file));
        });
        std::filesystem::remove(file);
    }

    void onlyThePlayButtonLetsTheCareerGoOn() {
        AtTheClubScreen(35, [](TWorld& world, TprepareGameDlg& shown) {
            shown.hide();
            TTeam& club = shown.Club();
            struct Case {
                const char* what;
                std::function<void(TprepareGameDlg&)> act;
                bool quits;
            } cases[] = {
                {"play", [](TprepareGameDlg& d) { QTest::mouseClick(d.PlayButton(), Qt::LeftButton); },
                 false},
                {"enter on another page",
                 [](TprepareGameDlg& d) {
                     d.ShowPage(TprepareGameDlg::pgFinances);
                     QTest::keyClick(&d, Qt::Key_Return);
                 },
                 false},
                {"window close", [](TprepareGameDlg& d) { d.close(); }, true},
                {"quit without saving",
                 [](TprepareGameDlg& d) { d.findChild<QAction*>("Sairsemgravar1")->trigger(); }, true},
            };
            for (const Case& c : cases) {
                TprepareGameDlg dlg(world, club);
                dlg.Melhores1Click();
                QTimer::singleShot(0, &dlg, [&] {
                    // Escape does not close the screen.
                    QTest::keyClick(&dlg, Qt::Key_Escape);
                    QVERIFY2(dlg.isVisible(), c.what);
                    c.act(dlg);
                });
                world.QuitRequested = false;
                dlg.Execute();
                QVERIFY2(!dlg.isVisible(), c.what);
                QVERIFY2(world.QuitRequested == c.quits, c.what);
            }
            // With an invalid selection the play button does nothing.
            TprepareGameDlg dlg(world, club);
            for (TPlayer* p : club.players) p->matchState.lineupRole = 0;
            dlg.CheckSelection();
            QVERIFY(!dlg.PlayButton()->isEnabled());
            QTimer::singleShot(0, &dlg, [&] {
                dlg.OKBtnClick();
                QTest::keyClick(&dlg, Qt::Key_Return);
                QVERIFY(dlg.isVisible());
                dlg.close();
            });
            dlg.Execute();
            QVERIFY(world.QuitRequested);
        });
    }
};

QTEST_MAIN(PrepareGameDlgTest)
#include "prepare_game_dlg_test.moc"
