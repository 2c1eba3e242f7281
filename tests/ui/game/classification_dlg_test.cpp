// The classification dialog shows the four league tables as the rules left them, and closes by itself
// at its 10th tick only when asked to.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "foundation/settings.h"
#include "ui/common/row_delegate.h"
#include "ui/game/qt_user_port.h"
#include "ui/game/season/classification_dlg.h"
#include "ui/game/season/season_pace.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QTest>
#include <QTimer>

#include "ui/game/club/plantel_dlg.h"

namespace {
// What the row shows of a club: its record "won drawn lost for:against points".
std::string Record(const TTeam& club) {
    const TTeamSeasonBlock& s = club.season;
    return std::to_string(s.won) + " " + std::to_string(s.drawn) + " " + std::to_string(s.lost) + " " +
           std::to_string(s.goalsFor) + ":" + std::to_string(s.goalsAgainst) + " " + std::to_string(s.points);
}
} // namespace

class ClassificationDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GameSettings().directory = uitest::kGameDir; }

    void theTablesAreTheDivisionsInTableOrderWithTheirPoints() {
        auto world = uitest::SeededCareer(2024, {"Ana"});
        for (int r = 1; r <= 3; ++r) {
            world->CurrentRound = static_cast<std::int16_t>(r);
            PlayLeagueRound(*world, DefaultSeasonSteps());
        }
        TclassificationDlg dialog(*world, 3, false, nullptr);
        QCOMPARE(dialog.LabelCaption()->text(), QString("Standings after matchday 3"));
        int humanRows = 0;
        for (int d = 0; d < TclassificationDlg::kLeagues; ++d) {
            const TDivision& division = *world->Divisions[d];
            QAbstractItemModel* model = dialog.ListBoxDivision(d)->model();
            QCOMPARE(model->rowCount(), 10);
            for (int row = 0; row < 10; ++row) {
                TTeam* club = division.teams[row];
                QCOMPARE(dialog.ClubAt(d, row), club);
                const TTeamSeasonBlock& s = club->season;
                QCOMPARE(s.played, 3);
                QCOMPARE(s.points, 3 * s.won + s.drawn);
                if (row > 0) {
                    // Table order: points, then goal difference, then goals scored.
                    const TTeamSeasonBlock& above = division.teams[row - 1]->season;
                    const auto key = [](const TTeamSeasonBlock& b) {
                        return std::tuple(b.points, b.goalsFor - b.goalsAgainst, b.goalsFor);
                    };
                    QVERIFY(key(above) >= key(s));
                }
                auto* delegate = static_cast<TRowDelegate*>(dialog.ListBoxDivision(d)->itemDelegate());
                const std::string shown = delegate->RowText(model->index(row, 0));
                QVERIFY2(shown.find(club->ShortName()) != std::string::npos, shown.c_str());
                QVERIFY2(shown.ends_with(Record(*club)), shown.c_str());
                if (club->HasHumanCoach()) ++humanRows;
            }
        }
        QCOMPARE(humanRows, 1);
        uitest::Shot(&dialog, "TclassificationDlg");
    }

    void theSeasonPaceShortensTheSecondsNotTheTicks() {
        auto world = uitest::SeededCareer(2024, {"Ana"});
        {
            TclassificationDlg dialog(*world, 1, true, nullptr);
            QCOMPARE(dialog.Timer()->interval(), 1000); // a person gets his ten seconds
        }
        SetSeasonPace(0);
        TclassificationDlg dialog(*world, 1, true, nullptr);
        QCOMPARE(dialog.Timer()->interval(), 0);
        const int result = dialog.exec(); // nobody touches it
        SetSeasonPace(100);
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dialog.Ticks(), TclassificationDlg::kAutoCloseTicks);
    }

    void theRulesTableClosesItselfAtTheTenthTickAndOnlyWhenAsked() {
        auto world = uitest::SeededCareer(2024, {"Ana"});
        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        port.SetWorld(world.get());
        int ticksBeforeClose = -1;
        bool openAfterNine = false;
        bool closedAtTen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TclassificationDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QVERIFY(dialog->Timer()->isActive());
            dialog->Timer()->stop(); // the test ticks it
            for (int i = 0; i < 9; ++i) dialog->Tick();
            openAfterNine = dialog->isVisible();
            ticksBeforeClose = dialog->Ticks();
            dialog->Tick();
            closedAtTen = !dialog->isVisible();
            if (!closedAtTen) dialog->reject();
        });
        port.ShowClassification(1, true);
        QVERIFY(openAfterNine);
        QVERIFY(closedAtTen);
        QCOMPARE(ticksBeforeClose, 9);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        bool timerRan = true;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TclassificationDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            timerRan = dialog->Timer()->isActive();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        ShowClassificationDialog(*world, 0, false, &mainWindow);
        QVERIFY(!timerRan);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void aDoubleClickOnAClubOpensItsSquadWhileTheTimerWaits() {
        auto world = uitest::SeededCareer(2024, {"Ana"});
        QWidget mainWindow;
        TTeam* target = world->Divisions[1]->teams[4];
        TTeam* shown = nullptr;
        int opened = 0;
        bool timerWaited = false;
        bool timerAgain = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TclassificationDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QListView* list = dialog->ListBoxDivision(1);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QRect row = list->visualRect(list->model()->index(4, 0));
            // The squad view opens over the tables: look for it until it is up.
            auto* poll = new QTimer(dialog);
            QObject::connect(poll, &QTimer::timeout, [&, dialog] {
                // Found among the windows shown: its modality is its own business.
                TPlantelDlg* squad = nullptr;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* view = qobject_cast<TPlantelDlg*>(w); view != nullptr && view->isVisible())
                        squad = view;
                if (squad == nullptr) return;
                ++opened;
                shown = &squad->ShownClub();
                timerWaited = !dialog->Timer()->isActive();
                squad->reject();
            });
            poll->start(10);
            // A double-click as a mouse gives it: a press, then the second press.
            QTest::mousePress(list->viewport(), Qt::LeftButton, {}, row.center());
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, row.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
            timerAgain = dialog->Timer()->isActive();
            poll->stop();
            dialog->reject();
        });
        ShowClassificationDialog(*world, 1, true, &mainWindow);
        QCOMPARE(opened, 1);
        QCOMPARE(shown, target);
        QVERIFY(timerWaited);
        QVERIFY(timerAgain);
    }
};

QTEST_MAIN(ClassificationDlgTest)
#include "classification_dlg_test.moc"
