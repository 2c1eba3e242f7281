// The substitution dialogs over a game in play: they list the players as the line-ups hold them, and a
// click changes the players only through the match layer's operations.
#include "match_in_play.h"
#include "window_shot.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/match/forced_substitution_dlg.h"
#include "ui/game/match/substitution_dlg.h"

#include "foundation/texts.h"
#include "world/game_event.h"
#include "world/player.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <set>
#include <utility>

namespace {

std::set<TKolObject*> Rows(const TObjectListView& list) {
    return {list.model->Objects().begin(), list.model->Objects().end()};
}
QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    return lines;
}
std::set<TKolObject*> AsSet(const std::vector<TPlayer*>& players) {
    return {players.begin(), players.end()};
}
void SelectRow(TObjectListView& list, const TPlayer* player) {
    list.Select(player);
}
bool IsKeeper(const TPlayer* p) {
    return p->position() == 0;
}
TPlayer* First(const std::vector<TPlayer*>& players, bool keeper) {
    for (TPlayer* p : players)
        if (IsKeeper(p) == keeper) return p;
    return nullptr;
}

} // namespace

class SubstitutionDlgTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheGameAndSubstitutesByClicks() {
        bool checked = false;
        uitest::AtHalfTimeOfHumanGame(4711, [&](TGame& game, int side) {
            TTeam& club = side == 0 ? *game.homeTeam : *game.awayTeam;
            TTeam& opponent = side == 0 ? *game.awayTeam : *game.homeTeam;
            // Two substitutions left, so the button stays after the first and goes after the second.
            club.match.benchCount = 2;
            TsubstitutionDlg dlg(game, side);
            dlg.show();
            QCOMPARE(Rows(*dlg.SelectedPlayers()), AsSet(uitest::InRole(club, 1)));
            QCOMPARE(Rows(*dlg.SubstitutePlayers()), AsSet(uitest::InRole(club, 2)));
            QCOMPARE(Rows(*dlg.OpponentPlayers()), AsSet(uitest::InRole(opponent, 1)));
            QCOMPARE(dlg.Events()->count(), game.events.Count());
            QVERIFY(dlg.LabelCaption()->text().contains(QStringLiteral(" %1 - %2 ")
                                                            .arg(game.homeTeam->match.matchGoals)
                                                            .arg(game.awayTeam->match.matchGoals)));

            QPushButton* substitute = dlg.findChild<QPushButton*>("substituteBtn");
            QVERIFY(substitute->isVisible());
            QVERIFY(!substitute->isEnabled());
            TPlayer* keeperOn = First(uitest::InRole(club, 1), true);
            TPlayer* outfieldOn = First(uitest::InRole(club, 1), false);
            TPlayer* outfieldBench = First(uitest::InRole(club, 2), false);
            QVERIFY(keeperOn && outfieldOn && outfieldBench);
            // With a goalkeeper on the field, he cannot make room for an outfield player.
            SelectRow(*dlg.SelectedPlayers(), keeperOn);
            SelectRow(*dlg.SubstitutePlayers(), outfieldBench);
            QVERIFY(!substitute->isEnabled());
            SelectRow(*dlg.SelectedPlayers(), outfieldOn);
            QVERIFY(substitute->isEnabled());
            const int appearances = outfieldBench->career.appearances;
            QTest::mouseClick(substitute, Qt::LeftButton);
            QCOMPARE(outfieldOn->matchState.lineupRole, 0);
            QCOMPARE(outfieldBench->matchState.lineupRole, 1);
            QCOMPARE(outfieldBench->career.appearances, appearances + 1);
            QCOMPARE(club.match.benchCount, 1);
            QVERIFY(Rows(*dlg.SelectedPlayers()).count(outfieldBench) == 1);
            QVERIFY(Rows(*dlg.SelectedPlayers()).count(outfieldOn) == 0);
            QVERIFY(substitute->isVisible());

            TPlayer* next = First(uitest::InRole(club, 2), false);
            if (next == nullptr) next = First(uitest::InRole(club, 2), true);
            TPlayer* out = IsKeeper(next) ? keeperOn : First(uitest::InRole(club, 1), false);
            SelectRow(*dlg.SelectedPlayers(), out);
            SelectRow(*dlg.SubstitutePlayers(), next);
            QTest::mouseClick(substitute, Qt::LeftButton);
            QCOMPARE(club.match.benchCount, 0);
            QVERIFY(!substitute->isVisible());

            // The opponent's coach is no person: his dialog only shows.
            TsubstitutionDlg other(game, 1 - side);
            other.show();
            QVERIFY(!other.findChild<QPushButton*>("substituteBtn")->isVisible());
            QTest::mouseClick(other.findChild<QPushButton*>("backBtn"), Qt::LeftButton);
            QVERIFY(!other.isVisible());
            checked = true;
        });
        QVERIFY(checked);
    }

    void theEventsListKeepsOrLeavesOutRedCardsAndInjuries() {
        bool checked = false;
        uitest::AtHalfTimeOfHumanGame(4711, [&](TGame& game, int side) {
            TTeam& club = side == 0 ? *game.homeTeam : *game.awayTeam;
            const TPlayer& own = *uitest::InRole(club, 1).back();
            // The game's own events step aside for four the test knows, in this order.
            TKolList<TGameEvent> played = std::move(game.events);
            const auto add = [&](int minute, int kind) {
                game.events.Add(new TGameEvent(static_cast<std::int16_t>(side),
                                               static_cast<std::int16_t>(minute),
                                               static_cast<std::int16_t>(kind), own.id, 0));
            };
            add(10, gekGoal);
            add(20, gekBooking);
            add(30, gekSendingOff);
            add(40, gekInjury);
            {
                TsubstitutionDlg dlg(game, side);
                dlg.show();
                QCheckBox* redCards = dlg.CheckViewRedCards();
                QCheckBox* injuries = dlg.CheckViewInjuries();
                QCOMPARE(redCards->text(), ToQString(GetCaptionText(203)));
                QCOMPARE(injuries->text(), ToQString(GetCaptionText(204)));
                const QStringList all = Lines(*dlg.Events());
                QCOMPARE(all.size(), 4);
                QVERIFY(all[2].contains(ToQString(GetText(184))));
                QVERIFY(all[3].contains(ToQString(GetText(187))));
                QTest::mouseClick(redCards, Qt::LeftButton);
                QCOMPARE(Lines(*dlg.Events()), (QStringList{all[0], all[1], all[3]}));
                QTest::mouseClick(injuries, Qt::LeftButton);
                QCOMPARE(Lines(*dlg.Events()), (QStringList{all[0], all[1]}));
                QTest::mouseClick(redCards, Qt::LeftButton);
                QCOMPARE(Lines(*dlg.Events()), (QStringList{all[0], all[1], all[2]}));
                QTest::mouseClick(injuries, Qt::LeftButton);
                QCOMPARE(Lines(*dlg.Events()), all);
            }
            game.events = std::move(played);
            checked = true;
        });
        QVERIFY(checked);
    }

    void aBookedOpponentStandsOnLightYellow() {
        bool checked = false;
        uitest::AtHalfTimeOfHumanGame(4711, [&](TGame& game, int side) {
            TTeam& opponent = side == 0 ? *game.awayTeam : *game.homeTeam;
            std::vector<TPlayer*> onField = uitest::InRole(opponent, 1);
            std::vector<std::uint8_t> booked;
            for (TPlayer* p : onField) booked.push_back(std::exchange(p->matchState.bookedThisMatch, 0));
            TPlayer* cautioned = onField.front();
            cautioned->matchState.bookedThisMatch = 1;
            {
                TsubstitutionDlg dlg(game, side);
                dlg.show();
                const TObjectListView& list = *dlg.OpponentPlayers();
                const auto back = [&](const TPlayer* p) {
                    const QModelIndex index = list.model->index(list.model->RowOf(p));
                    list.view->scrollTo(index);
                    const QImage shot = list.view->viewport()->grab().toImage();
                    const QRect row = list.view->visualRect(index) & list.view->viewport()->rect();
                    return shot.pixelColor(QPoint(row.right() - 2, row.center().y()) *
                                           shot.devicePixelRatio());
                };
                QCOMPARE(back(cautioned), QColor(0xFF, 0xFF, 0x80));
                QCOMPARE(back(onField.back()), list.view->palette().color(QPalette::Base));
                uitest::Shot(&dlg, "TsubstitutionDlg");
            }
            for (std::size_t i = 0; i < onField.size(); ++i)
                onField[i]->matchState.bookedThisMatch = booked[i];
            checked = true;
        });
        QVERIFY(checked);
    }

    void theForcedSubstitutionTakesAPlayerOfTheInjuredOnesKind() {
        bool checked = false;
        uitest::AtHalfTimeOfHumanGame(4711, [&](TGame& game, int side) {
            TTeam& club = side == 0 ? *game.homeTeam : *game.awayTeam;
            TPlayer* injured = First(uitest::InRole(club, 1), false);
            TPlayer* keeperBench = First(uitest::InRole(club, 2), true);
            TPlayer* outfieldBench = First(uitest::InRole(club, 2), false);
            QVERIFY(injured && keeperBench && outfieldBench);
            injured->matchState.lineupRole = 0; // he has left the field
            const int bench = club.match.benchCount;
            QVERIFY(bench >= 1);
            {
                TforcedSubstitutionDlg dlg(club, *injured);
                dlg.show();
                QCOMPARE(Rows(*dlg.SubstitutePlayers()), AsSet(uitest::InRole(club, 2)));
                QVERIFY(dlg.Message()->text().contains(ToQString(injured->DisplayName())));
                // The first outfield player of the bench stands picked.
                QCOMPARE(dlg.SubstitutePlayers()->Current(), outfieldBench);
                QVERIFY(dlg.OKBtn()->isEnabled());
                SelectRow(*dlg.SubstitutePlayers(), keeperBench);
                QVERIFY(!dlg.OKBtn()->isEnabled());
                SelectRow(*dlg.SubstitutePlayers(), outfieldBench);
                QVERIFY(dlg.OKBtn()->isEnabled());
                // Closing leaves the club one short.
                QTest::mouseClick(dlg.BackBtn(), Qt::LeftButton);
                QCOMPARE(outfieldBench->matchState.lineupRole, 2);
                QCOMPARE(club.match.benchCount, bench);
            }
            TforcedSubstitutionDlg dlg(club, *injured);
            dlg.show();
            SelectRow(*dlg.SubstitutePlayers(), outfieldBench);
            const int appearances = outfieldBench->career.appearances;
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(outfieldBench->matchState.lineupRole, 1);
            QCOMPARE(injured->matchState.lineupRole, 0);
            QCOMPARE(club.match.benchCount, bench - 1);
            QCOMPARE(outfieldBench->career.appearances, appearances);
            checked = true;
        });
        QVERIFY(checked);
    }
};

QTEST_MAIN(SubstitutionDlgTest)
#include "substitution_dlg_test.moc"
