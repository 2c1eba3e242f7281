// The invitation of a human coach: the coach and the club that asks are shown; only Yes or No answers it
// (Escape is No), and closing the window any other way is refused.
#include "seeded_career.h"

#include "season/coach_manager.h"
#include "ui/common/qt_text.h"
#include "ui/game/start/invite_coach_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class InviteCoachDlgTest : public QObject {
    Q_OBJECT
private slots:
    void onlyYesOrNoAnswersTheOffer() {
        auto world = uitest::SeededCareer(91, {"Ana"}, false);
        TCoach& ana = *world->CoachByName("Ana");
        TTeam& club = *world->AllTeams[0];
        QWidget main;

        bool answer = true;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<TinviteCoachDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg != nullptr);
            QCOMPARE(dlg->TextCoachName()->text(), QString("Ana"));
            QCOMPARE(dlg->TextTeamName()->text(), ToQString(InvitationClubText(club)));
            dlg->close(); // refused: the offer needs an answer
            QVERIFY(dlg->isVisible());
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
        answer = InviteCoach(*world, ana, club, &main);
        QVERIFY(!answer);

        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<TinviteCoachDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg != nullptr);
            // No is the default: a hasty Enter does not take a job.
            QVERIFY(dlg->CancelBtn()->isDefault());
            QTest::mouseClick(dlg->OkBtn(), Qt::LeftButton);
        });
        answer = InviteCoach(*world, ana, club, &main);
        QVERIFY(answer);
    }
};

QTEST_MAIN(InviteCoachDlgTest)
#include "invite_coach_dlg_test.moc"
