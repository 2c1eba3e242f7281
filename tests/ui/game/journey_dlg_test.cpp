// The live matchday window paces and shows; it never changes the rules or their draws. A round played
// through it at the fastest pace, with a click on a human club's name, a half-time substitution and a
// penalty taker chosen by clicks in the dialogs, leaves the same world as the scripted port's run of the
// same seed with the same choices.
#include "seeded_career.h"

#include "ui/common/object_list_view.h"
#include "ui/game/club/prepare_game_dlg.h"
#include "ui/game/match/journey_dlg.h"
#include "ui/game/match/match_pace.h"
#include "ui/game/match/penalty_dlg.h"
#include "ui/game/match/substitution_dlg.h"
#include "ui/game/qt_user_port.h"
#include "ui/game/season/season_pace.h"

#include "match/matchday_runner.h"
#include "match/substitutions.h"
#include "world/game.h"
#include "world/player.h"
#include "world/selection.h"
#include "world/team.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <set>

namespace {

bool IsKeeper(const TPlayer* p) {
    return p->position() == 0;
}

// The choices both runs make. At the first break a human coach takes off his last outfield player on the
// field (squad order) for his first outfield player on the bench.
std::pair<TPlayer*, TPlayer*> PlannedSubstitution(const TTeam& club) {
    TPlayer *out = nullptr, *in = nullptr;
    for (TPlayer* p : club.players) {
        if (p == nullptr || IsKeeper(p)) continue;
        if (p->matchState.lineupRole == 1) out = p;
        if (p->matchState.lineupRole == 2 && in == nullptr) in = p;
    }
    return {out, in};
}
// A penalty is taken by the last player on the field in squad order.
TPlayer* PlannedTaker(const TTeam& club) {
    TPlayer* taker = nullptr;
    for (TPlayer* p : club.players)
        if (p != nullptr && p->matchState.lineupRole == 1) taker = p;
    return taker;
}

// Sees every window as it is shown.
class TOnShow : public QObject {
public:
    explicit TOnShow(std::function<void(QObject*)> seen) : seen_(std::move(seen)) {}
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show) seen_(object);
        return false;
    }

private:
    std::function<void(QObject*)> seen_;
};

constexpr std::uint32_t kSeed = 4711;
const std::vector<std::string> kHumans{"Ana", "Bruno"};

} // namespace

class JourneyDlgTest : public QObject {
    Q_OBJECT

private slots:
    void aRoundInTheLiveWindowLeavesTheScriptedPortsWorld() {
        // The round-1 save is marked as done without writing a file, alike in both runs.
        TSeasonSteps steps = DefaultSeasonSteps();
        steps.saveGame = [](TWorld&) { return true; };
        TScriptedUserPort scripted;
        std::set<const TTeam*> substituted;
        scripted.SubstitutionHook = [&](TGame& game, int side, int reason, TPlayer*) {
            TTeam& club = side == 0 ? *game.homeTeam : *game.awayTeam;
            if (reason != srBreak || !club.HasHumanCoach() || !substituted.insert(&club).second) return;
            auto [out, in] = PlannedSubstitution(club);
            if (out != nullptr && in != nullptr) Substitute(club, *out, *in);
        };
        scripted.PenaltyTakerHook = [](TGame&, TTeam& team) { return PlannedTaker(team); };
        auto expected = uitest::SeededCareer(kSeed, kHumans, true, &scripted);
        // The human clubs are prepared by the automatic choice (the club screen's label in the windows).
        scripted.ClubScreenHook = [&expected](TTeam& club) {
            for (TGame* game : expected->RoundGames)
                if (game->HasTeams() && (game->homeTeam == &club || game->awayTeam == &club))
                    AutomaticSelection(club, game->homeTeam == &club ? *game->awayTeam : *game->homeTeam,
                                       game->homeTeam == &club);
        };
        PlayLeagueRound(*expected, steps);

        SetMatchPace(0);
        SetSeasonPace(0); // the cup draw of the season's start and the tables run through at once
        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        auto world = uitest::SeededCareer(kSeed, kHumans, true, &port);
        port.SetWorld(world.get());

        // The person at the screen: answers whatever dialog is open.
        int substitutionDialogs = 0, substitutions = 0, takersChosen = 0;
        bool nameClicked = false;
        const TPlayer *chosenTaker = nullptr, *kickTaker = nullptr;
        const TTeam* clickedClub = nullptr;
        const TTeam* dialogClubAfterClick = nullptr;
        QTimer person;
        QObject::connect(&person, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            const TjourneyDlg* journey = mainWindow.findChild<TjourneyDlg*>();
            const int minute = journey != nullptr ? journey->Runner()->MinuteCounter() : -99;
            if (modal == journey) {
                if (nameClicked || minute < 1 || minute >= 90) return;
                for (int i = 0; i < world->RoundGames.Count(); ++i) {
                    const TGame* game = world->RoundGames[i];
                    for (int side = 0; side < 2 && game->HasTeams(); ++side) {
                        const TTeam* club = side == 0 ? game->homeTeam : game->awayTeam;
                        if (!club->HasHumanCoach()) continue;
                        nameClicked = true;
                        clickedClub = club;
                        // The click opens a dialog: it runs after this answer, so the person answers it too.
                        const QPoint at = journey->ClubNamePoint(i, side);
                        QTimer::singleShot(0, modal,
                                           [modal, at] { QTest::mouseClick(modal, Qt::LeftButton, {}, at); });
                        return;
                    }
                }
            } else if (auto* dlg = qobject_cast<TsubstitutionDlg*>(modal)) {
                ++substitutionDialogs;
                TTeam& club = dlg->Club();
                if (nameClicked && dialogClubAfterClick == nullptr) dialogClubAfterClick = &club;
                if (minute == 45 && club.HasHumanCoach()) {
                    auto [out, in] = PlannedSubstitution(club);
                    QVERIFY(out != nullptr && in != nullptr);
                    dlg->SelectedPlayers()->Select(out);
                    dlg->SubstitutePlayers()->Select(in);
                    QTest::mouseClick(dlg->SubstituteBtn(), Qt::LeftButton);
                    ++substitutions;
                }
                QTest::mouseClick(dlg->BackBtn(), Qt::LeftButton);
            } else if (auto* screen = qobject_cast<TprepareGameDlg*>(modal)) {
                QTest::mouseClick(screen->findChild<QPushButton*>("labelAuto"), Qt::LeftButton);
                QTest::mouseClick(screen->PlayButton(), Qt::LeftButton);
            } else if (auto* penalty = qobject_cast<TpenaltyDlg*>(modal)) {
                if (penalty->Players() == nullptr || penalty->CanClose()) return; // the kick closes itself
                chosenTaker = PlannedTaker(penalty->Shooting());
                penalty->Players()->Select(chosenTaker);
                QTest::mouseClick(penalty->ShootBtn(), Qt::LeftButton);
                ++takersChosen;
            } else if (QPushButton* back = modal->findChild<QPushButton*>("backBtn")) {
                QTest::mouseClick(back, Qt::LeftButton);
            }
        });
        // The kick right after the choice is seen as it shows (it closes by itself at once); a kick
        // against a human club is shown too, with the rules' taker.
        TOnShow kickShown([&](QObject* shown) {
            auto* penalty = qobject_cast<TpenaltyDlg*>(shown);
            if (penalty != nullptr && penalty->Players() == nullptr && chosenTaker != nullptr &&
                kickTaker == nullptr)
                kickTaker = penalty->Taker();
        });
        qApp->installEventFilter(&kickShown);
        person.start(1);
        PlayLeagueRound(*world, steps);
        qApp->removeEventFilter(&kickShown);
        person.stop();

        QVERIFY(nameClicked);
        QCOMPARE(dialogClubAfterClick, clickedClub); // the click opened that club's dialog
        QCOMPARE(substitutions, 2);                  // one for each human club at half time
        QVERIFY(substitutionDialogs >= 3);
        QCOMPARE(world->CurrentRound, expected->CurrentRound);
        QVERIFY(world->SaveGameBytes() == expected->SaveGameBytes());
        // The seed gives one penalty to a human club: its taker was picked by a click.
        QCOMPARE(takersChosen, 1);
        QVERIFY(chosenTaker != nullptr);
        QCOMPARE(kickTaker, chosenTaker);
        QCOMPARE(std::count_if(scripted.Calls.begin(), scripted.Calls.end(),
                               [](const std::string& c) { return c.rfind("ChoosePenaltyTaker", 0) == 0; }),
                 std::ptrdiff_t{1});
    }
};

QTEST_MAIN(JourneyDlgTest)
#include "journey_dlg_test.moc"
