// The windowed port shows and asks; it never changes the rules or their draws: a round played through it
// leaves the same world as the scripted port's run of the same seed and the same choices.
#include "seeded_career.h"

#include "match/substitutions.h"
#include "ui/game/club/prepare_game_dlg.h"
#include "ui/game/qt_user_port.h"
#include "world/selection.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

// The opponent of the club's game of the round, and whether the club plays at home.
std::pair<TTeam*, bool> OpponentOf(const TWorld& world, const TTeam& club) {
    for (TGame* game : world.RoundGames)
        if (game != nullptr && game->HasTeams() && (game->homeTeam == &club || game->awayTeam == &club))
            return {game->homeTeam == &club ? game->awayTeam : game->homeTeam, game->homeTeam == &club};
    return {nullptr, false};
}

// Whenever the club screen is up: the automatic choice by its label, then play.
void PlayEachClubScreenAutomatically(QObject* context, int& screens) {
    QTimer* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [&screens] {
        auto* screen = qobject_cast<TprepareGameDlg*>(QApplication::activeModalWidget());
        if (screen == nullptr) return;
        ++screens;
        QTest::mouseClick(screen->findChild<QPushButton*>("labelAuto"), Qt::LeftButton);
        QTest::mouseClick(screen->PlayButton(), Qt::LeftButton);
    });
    timer->start(10);
}

} // namespace

class QtUserPortTest : public QObject {
    Q_OBJECT

private slots:
    void aRoundThroughTheWindowedPortLeavesTheScriptedPortsWorld() {
        const std::vector<std::string> humans{"Ana", "Bruno"};
        // The round-1 save is marked as done without writing a file, alike in both runs.
        TSeasonSteps steps = DefaultSeasonSteps();
        steps.saveGame = [](TWorld&) { return true; };
        // Both runs: the same seed, the human clubs' automatic choice (by the club screen's label in the
        // windows), the same autopilot choices elsewhere.
        TScriptedUserPort scripted;
        InstallSubstitutionAutopilot(scripted);
        auto expected = uitest::SeededCareer(4711, humans, true, &scripted);
        scripted.ClubScreenHook = [&expected](TTeam& club) {
            const auto [opponent, home] = OpponentOf(*expected, club);
            AutomaticSelection(club, *opponent, home);
        };
        PlayLeagueRound(*expected, steps);

        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        auto world = uitest::SeededCareer(4711, humans, true, &port);
        port.SetWorld(world.get());
        const std::vector<std::uint8_t> before = world->SaveGameBytes();
        int screens = 0;
        PlayEachClubScreenAutomatically(&mainWindow, screens);
        PlayLeagueRound(*world, steps);
        QCOMPARE(screens, 2); // one club screen for each human coach
        QVERIFY(world->SaveGameBytes() != before);

        QCOMPARE(world->CurrentRound, expected->CurrentRound);
        QVERIFY(world->SaveGameBytes() == expected->SaveGameBytes());
    }
};

QTEST_MAIN(QtUserPortTest)
#include "qt_user_port_test.moc"
