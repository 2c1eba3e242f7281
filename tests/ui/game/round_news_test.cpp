// The round's news is shown once, in the list dialog under the round's news title, row by row as the
// news items write themselves; the rules empty the list afterwards.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "season/league_tables.h"
#include "ui/common/print_list_dlg.h"
#include "ui/common/qt_text.h"
#include "ui/game/qt_user_port.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

class RoundNewsTest : public QObject {
    Q_OBJECT

private slots:
    void theNewsOfTheRoundIsShownUnderItsTitle() {
        auto world = uitest::SeededCareer(31, {"Ana"});
        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        port.SetWorld(world.get());
        world->SetPort(port);
        TTeam* club = world->Divisions[2]->teams[4];
        TCoach* coach = world->Divisions[0]->teams[1]->coach;
        world->RoundMessages.Add(new TLash(*world, coach->id, club->id, true));
        world->RoundMessages.Add(new TLash(*world, 0, 0, false));

        QString title;
        std::vector<std::string> rows;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TPrintListDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->objectName(), QString("TRoundNewsDlg"));
            title = dialog->windowTitle();
            rows = dialog->RowTexts();
            uitest::Shot(dialog, "TRoundNewsDlg");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        ShowRoundMessages(*world);
        QCOMPARE(title, QString("News of the matchday"));
        QCOMPARE(rows.size(), std::size_t(2));
        QVERIFY2(rows[0].find(coach->Name()) != std::string::npos, rows[0].c_str());
        QVERIFY2(rows[0].find(club->Name()) != std::string::npos ||
                     rows[0].find(club->ShortName()) != std::string::npos,
                 rows[0].c_str());
        QVERIFY(world->RoundMessages.Empty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(RoundNewsTest)
#include "round_news_test.moc"
