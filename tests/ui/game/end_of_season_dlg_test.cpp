// The end-of-season window shows what the rules decided and paid: the champion and the cup winner with
// their titles and coaches, the five prizes, and every best scorer.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "foundation/money_format.h"
#include "foundation/settings.h"
#include "season/season_honours.h"
#include "ui/common/qt_text.h"
#include "ui/game/qt_user_port.h"
#include "ui/game/season/club_label.h"
#include "ui/game/season/end_of_season_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

class EndOfSeasonDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GameSettings().directory = uitest::kGameDir; }

    void theWindowShowsTheChampionsThePrizesAndEveryBestScorer() {
        auto world = uitest::SeededCareer(99, {"Ana"});
        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        port.SetWorld(world.get());
        world->SetPort(port);
        TTeam* champion = world->Divisions[0]->teams[0];
        TTeam* cupWinner = world->Divisions[1]->teams[3];
        champion->leagueTitles = 1;
        cupWinner->cupTitles = 4;
        champion->coach->leagueTitles = 2;
        cupWinner->coach->cupTitles = 1;
        // Three players share the most goals; a fourth has fewer.
        TPlayer* a = champion->PlayerAt(0);
        TPlayer* b = cupWinner->PlayerAt(1);
        TPlayer* c = world->Divisions[3]->teams[5]->PlayerAt(2);
        a->season.runningGoals = b->season.runningGoals = c->season.runningGoals = 7;
        champion->PlayerAt(1)->season.runningGoals = 6;
        std::vector<QString> scorers;
        for (const TPlayer* p : world->AllPlayers)
            if (p == a || p == b || p == c)
                scorers.push_back(ToQString(p->PlainName() + "  (" + p->Club()->ShortName() + ")"));
        const CurrencyRecord& money = world->CurrencyRecord;
        const auto amount = [&](std::int32_t v) { return ToQString(FormatMoney(v, money.suffix)); };

        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TEndOfSeasonDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->TextLeagueWinnerName()->text(), ToQString(champion->Name()));
            QCOMPARE(dialog->TextLeagueWinnerName()->Club(), champion);
            QCOMPARE(dialog->TextLeagueWinnerTimes()->text(), QString("1 league title"));
            QCOMPARE(dialog->TextLeagueWinnerCoach()->text(),
                     ToQString(champion->coach->Name()) + " (2 league titles)");
            QCOMPARE(dialog->TextCupWinnerName()->text(), ToQString(cupWinner->Name()));
            QCOMPARE(dialog->TextCupWinnerTimes()->text(), QString("4 cups"));
            QCOMPARE(dialog->TextCupWinnerCoach()->text(), ToQString(cupWinner->coach->Name()) + " (1 cup)");
            QCOMPARE(dialog->TextPrizeLeagueWinner()->text(), amount(money.prizeChampion));
            QCOMPARE(dialog->TextPrizeLeagueSecond()->text(), amount(money.prizeSecond));
            QCOMPARE(dialog->TextPrizeLeagueThird()->text(), amount(money.prizeThird));
            QCOMPARE(dialog->TextPrizeCupWinner()->text(), amount(money.prizeCup));
            QCOMPARE(dialog->TextPrizeBestScorer()->text(), amount(money.prizeBestScorer));
            QCOMPARE(dialog->LabelBestScorer()->text(), QString("Top scorers - goals: 7"));
            std::vector<QString> rows;
            for (int i = 0; i < dialog->ListBoxBestScorers()->count(); ++i)
                rows.push_back(dialog->ListBoxBestScorers()->item(i)->text());
            QCOMPARE(rows, scorers);
            uitest::Shot(dialog, "TEndOfSeasonDlg");
            // It closes by itself at the 11th tick.
            dialog->Timer()->stop();
            for (int i = 1; i < TEndOfSeasonDlg::kClosingTick; ++i) dialog->Tick();
            QVERIFY(dialog->isVisible());
            dialog->Tick();
            shown = !dialog->isVisible();
            if (!shown) dialog->reject();
        });
        ShowEndOfSeason(*world, champion, cupWinner);
        QVERIFY(shown);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        // Continue (Enter) closes it at once.
        TSeasonHonours none;
        TEndOfSeasonDlg dialog(none);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(EndOfSeasonDlgTest)
#include "end_of_season_dlg_test.moc"
