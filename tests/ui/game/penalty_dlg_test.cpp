// The penalty and the shoot-out dialogs: the taker is picked among the players on the field and comes back
// as the choice; the kick shows the code the rules drew and closes by itself; the shoot-out kicks through
// the match layer at the window's pace until it is decided, and shows each kick as it is taken.
#include "match_in_play.h"
#include "window_shot.h"

#include "ui/common/object_list_view.h"
#include "ui/game/match/match_pace.h"
#include "ui/game/match/penalties_dlg.h"
#include "ui/game/match/penalty_dlg.h"

#include "foundation/row_markup.h"
#include "foundation/texts.h"
#include "match/shootout.h"
#include "ui/common/qt_text.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <set>

class PenaltyDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetMatchPace(0); }

    void theCoachPicksATakerOnTheField() {
        bool checked = false;
        uitest::AtHalfTimeOfHumanGame(4711, [&](TGame& game, int side) {
            TTeam& club = side == 0 ? *game.homeTeam : *game.awayTeam;
            const std::vector<TPlayer*> onField = uitest::InRole(club, 1);
            TpenaltyDlg dlg(game, club);
            const auto& rows = dlg.Players()->model->Objects();
            QCOMPARE(std::set<TKolObject*>(rows.begin(), rows.end()),
                     std::set<TKolObject*>(onField.begin(), onField.end()));
            QPushButton* shoot = dlg.findChild<QPushButton*>("shootBtn");
            // The best taker stands picked: on the field, and nobody on the field kicks better.
            auto* best = static_cast<TPlayer*>(dlg.Players()->Current());
            QVERIFY(best != nullptr && best->matchState.lineupRole == 1);
            for (const TPlayer* p : onField) QVERIFY(p->DuelStrength() <= best->DuelStrength());
            QVERIFY(shoot->isEnabled());
            TPlayer* chosen = onField.back() != best ? onField.back() : onField.front();
            QTimer::singleShot(0, &dlg, [&] {
                dlg.Players()->Select(chosen);
                QTest::mouseClick(shoot, Qt::LeftButton);
            });
            dlg.exec();
            QCOMPARE(dlg.Taker(), chosen);
            // Escape leaves the choice to the rules, even after a line was picked.
            TpenaltyDlg left(game, club);
            QTimer::singleShot(0, &left, [&] {
                left.Players()->Select(chosen);
                QTest::keyClick(&left, Qt::Key_Escape);
            });
            QCOMPARE(left.exec(), int(QDialog::Rejected));
            QCOMPARE(left.Taker(), nullptr);
            checked = true;
        });
        QVERIFY(checked);
    }

    void theKickShowsItsResultAndClosesByItself() {
        bool checked = false;
        uitest::AtHalfTimeOfHumanGame(4711, [&](TGame& game, int side) {
            TTeam& club = side == 0 ? *game.homeTeam : *game.awayTeam;
            TPlayer& taker = *uitest::InRole(club, 1).front();
            for (const int code : {1, 4}) {
                TpenaltyDlg dlg(game, club, taker, code);
                QVERIFY(dlg.LabelChoose()->text().contains(ToQString(taker.DisplayName())));
                QVERIFY(dlg.LabelResult()->text().isEmpty());
                QCOMPARE(dlg.exec(), int(QDialog::Accepted));
                QCOMPARE(dlg.LabelResult()->text(), ToQString(GetText(304 + code)));
            }
            checked = true;
        });
        QVERIFY(checked);
    }

    void theShootoutKicksUntilDecided() {
        bool checked = false;
        uitest::AtHalfTimeOfHumanGame(4711, [&](TGame& game, int) {
            // Home scores every kick, away misses every one: 3:0 after three pairs, decided.
            TShootout shootout(game);
            shootout.resolveKick = [&](const TPlayer& taker, const TPlayer&) {
                return game.homeTeam->players.Contains(&taker) ? 1 : 3;
            };
            TPenaltiesDlg dlg(shootout);
            dlg.Run();
            QVERIFY(shootout.Finished());
            QVERIFY(dlg.CanClose());
            QCOMPARE(dlg.TextResult()->text(), QStringLiteral("3:0"));
            // Three pairs kicked, the last one picked; the two pairs never needed keep waiting.
            QCOMPARE(static_cast<int>(dlg.Lines()->model->Objects().size()), 5);
            QCOMPARE(dlg.Lines()->Current(), shootout.lines[2]);
            checked = true;
        });
        QVERIFY(checked);
    }

    void theListWaitsWithFiveNumberedLinesAndFillsThemKickByKick() {
        bool checked = false;
        uitest::AtHalfTimeOfHumanGame(4711, [&](TGame& game, int) {
            // Home scores every kick, away its first five and then misses: 6:5 after a sixth pair.
            TShootout shootout(game);
            int awayKicks = 0;
            shootout.resolveKick = [&](const TPlayer& taker, const TPlayer&) {
                if (game.homeTeam->players.Contains(&taker)) return 1;
                return ++awayKicks <= 5 ? 1 : 3;
            };
            TPenaltiesDlg dlg(shootout);
            const TObjectListView& list = *dlg.Lines();
            const auto cells = [&](int row) {
                QStringList texts;
                for (const TRowCell& cell : ParseRowMarkup(list.delegate->RowText(list.model->index(row))))
                    texts << ToQString(cell.text);
                return texts;
            };
            const QString notYet = ToQString(GetText(304));
            const QStringList waiting{notYet, notYet, "-", notYet, notYet};
            QVERIFY(list.delegate->Numbered());
            QCOMPARE(list.model->rowCount(), 5);
            for (int row = 0; row < 5; ++row) QCOMPARE(cells(row), waiting);

            dlg.Timer1Timer();
            QCOMPARE(list.model->rowCount(), 5);
            const QString taker = ToQString(shootout.lines[0]->takers[0]->PlainName().substr(0, 12));
            QCOMPARE(cells(0), (QStringList{taker, ToQString(GetText(305)), "-", notYet, notYet}));
            for (int row = 1; row < 5; ++row) QCOMPARE(cells(row), waiting);
            dlg.show();
            uitest::Shot(&dlg, "TPenaltiesDlg_first_kick");

            while (!shootout.Finished()) dlg.Timer1Timer();
            QCOMPARE(dlg.TextResult()->text(), QStringLiteral("6:5"));
            QCOMPARE(list.model->rowCount(), 6);
            QCOMPARE(cells(5).at(4), ToQString(GetText(307)));
            QCOMPARE(list.Current(), shootout.lines[5]);
            dlg.show();
            uitest::Shot(&dlg, "TPenaltiesDlg");
            checked = true;
        });
        QVERIFY(checked);
    }
};

QTEST_MAIN(PenaltyDlgTest)
#include "penalty_dlg_test.moc"
