// The windowed port shows and asks; it never changes the rules or their draws: a round played through it
// leaves the same world as the scripted port's run of the same seed and the same choices.
#include "modal_robot.h"
#include "seeded_career.h"

#include "match/penalty_kick.h"
#include "match/substitutions.h"
#include "ui/common/object_list_view.h"
#include "ui/game/club/prepare_game_dlg.h"
#include "ui/game/market/ask_more_salary_dlg.h"
#include "ui/game/market/auction_dlg.h"
#include "ui/game/match/match_pace.h"
#include "ui/game/match/penalty_dlg.h"
#include "ui/game/qt_user_port.h"
#include "ui/game/season/season_pace.h"
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
        // windows); during play the person changes no player and lets his best taker shoot a penalty.
        TScriptedUserPort scripted;
        scripted.PenaltyTakerHook = [](TGame&, TTeam& team) { return PenaltyTaker(team); };
        auto expected = uitest::SeededCareer(4711, humans, true, &scripted);
        scripted.ClubScreenHook = [&expected](TTeam& club) {
            const auto [opponent, home] = OpponentOf(*expected, club);
            AutomaticSelection(club, *opponent, home);
        };
        PlayLeagueRound(*expected, steps);

        SetSeasonPace(0); // the cup draw of the season's start and the tables run through at once
        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        auto world = uitest::SeededCareer(4711, humans, true, &port);
        port.SetWorld(world.get());
        const std::vector<std::uint8_t> before = world->SaveGameBytes();
        int screens = 0;
        PlayEachClubScreenAutomatically(&mainWindow, screens);
        // The person answers as the autopilot: withdraws from every auction, accepts every salary demand.
        SetAuctionTickInterval(1);
        TModalRobot robot;
        std::function<bool()> answer = [&] {
            if (auto* auction = TModalRobot::Modal<TsellPlayerDlg>())
                if (auction->PanelHumanOffer()->isVisible()) TModalRobot::Click(auction->WithdrawBtn());
            if (auto* salary = TModalRobot::Modal<TaskMoreSalaryDlg>())
                TModalRobot::Click(salary->YesBtn()->isVisible() ? salary->YesBtn() : salary->OkBtn());
            robot.steps.push_back(answer);
            return true;
        };
        robot.steps.push_back(answer);
        SetMatchPace(0);
        QTimer person;
        QObject::connect(&person, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* penalty = qobject_cast<TpenaltyDlg*>(modal)) {
                if (penalty->Players() == nullptr || penalty->CanClose()) return;
                penalty->Players()->Select(PenaltyTaker(penalty->Shooting()));
                QTest::mouseClick(penalty->ShootBtn(), Qt::LeftButton);
            } else if (modal != nullptr && (modal->objectName() == "TsubstitutionDlg" ||
                                            modal->objectName() == "TforcedSubstitutionDlg")) {
                QTest::mouseClick(modal->findChild<QPushButton*>("backBtn"), Qt::LeftButton);
            }
        });
        person.start(1);
        PlayLeagueRound(*world, steps);
        person.stop();
        QCOMPARE(screens, 2); // one club screen for each human coach
        QVERIFY(world->SaveGameBytes() != before);

        QCOMPARE(world->CurrentRound, expected->CurrentRound);
        QVERIFY(world->SaveGameBytes() == expected->SaveGameBytes());
    }
};

QTEST_MAIN(QtUserPortTest)
#include "qt_user_port_test.moc"
