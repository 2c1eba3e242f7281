// The cup draw window paces the core's draw and shows it: the pairs it shows, one a tick, are the pairs
// the scripted draw of the same seed makes, and the world after it is the same.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "foundation/settings.h"
#include "season/cup_draw.h"
#include "ui/common/qt_text.h"
#include "ui/game/qt_user_port.h"
#include "ui/game/season/season_pace.h"
#include "ui/game/season/sorteio_dlg.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {
std::string Shown(const TTeam& club) {
    return club.ShortName() + (club.coach != nullptr && club.coach->isHuman ? "*" : "");
}

// The games of the drawn round as the draw lists them: the clubs by draw number in pairs, first drawn first.
std::vector<QString> DrawnLines(const TWorld& world) {
    std::vector<const TTeam*> drawn;
    for (const TTeam* club : world.CupTeams)
        if (club->cupSlot != TCupDraw::kUndrawn) drawn.push_back(club);
    std::sort(drawn.begin(), drawn.end(), [](auto* a, auto* b) { return a->cupSlot < b->cupSlot; });
    std::vector<QString> lines;
    for (std::size_t i = 0; i + 1 < drawn.size(); i += 2)
        lines.push_back(ToQString(Shown(*drawn[i]) + " - " + Shown(*drawn[i + 1])));
    return lines;
}

std::vector<QString> Lines(const QListWidget* list) {
    std::vector<QString> lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text());
    return lines;
}
} // namespace

class SorteioDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GameSettings().directory = uitest::kGameDir; }

    void theWindowedDrawShowsAndLeavesTheScriptedDraw() {
        const std::vector<std::string> humans{"Ana", "Bruno"};
        auto expected = uitest::SeededCareer(777, humans);
        const std::vector<QString> lines = DrawnLines(*expected);
        QVERIFY(lines.size() > 3);
        std::vector<QString> humanLines;
        for (const QString& line : lines)
            if (line.contains('*')) humanLines.push_back(line);

        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TsorteioDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->Timer()->stop(); // the test ticks it
            QCOMPARE(dialog->ListBoxTeams()->count(), expected->CupTeams.Count());
            QVERIFY(!dialog->CloseBtn()->isEnabled());
            for (int i = 0; i < 3; ++i) dialog->Tick();
            const std::vector<QString> firstThree(lines.begin(), lines.begin() + 3);
            QCOMPARE(Lines(dialog->ListBoxGames()), firstThree);
            uitest::Shot(dialog, "TsorteioDlg");
            QTest::keyClick(dialog, Qt::Key_Space); // the rest at once
            QCOMPARE(Lines(dialog->ListBoxGames()), lines);
            QCOMPARE(Lines(dialog->ListBoxHumanGames()), humanLines);
            QVERIFY(dialog->CloseBtn()->isEnabled());
            checked = true;
            QTest::mouseClick(dialog->CloseBtn(), Qt::LeftButton);
        });
        auto world = uitest::SeededCareer(777, humans, true, &port);
        QVERIFY(checked);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(world->SaveGameBytes() == expected->SaveGameBytes());
    }

    void theFinishedDrawClosesAtTheEleventhTickAndEscapeDrawsTheRest() {
        auto world = uitest::SeededCareer(778, {"Ana"});
        TCupDraw draw(*world, 0);
        QVERIFY(draw.Games() > 1);
        {
            TsorteioDlg dialog(draw);
            dialog.show();
            dialog.Timer()->stop();
            dialog.SkipToEnd();
            QVERIFY(draw.Finished());
            for (int i = 0; i < TsorteioDlg::kClosingTicks; ++i) dialog.Tick();
            QVERIFY(dialog.isVisible());
            dialog.Tick();
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        TCupDraw again(*world, 0);
        TsorteioDlg dialog(again);
        dialog.show();
        dialog.Timer()->stop();
        dialog.Tick();
        QCOMPARE(dialog.ListBoxGames()->count(), 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(again.Finished());
        QCOMPARE(dialog.ListBoxGames()->count(), again.Games());
        QVERIFY(!dialog.isVisible());
    }

    void atSeasonPaceZeroTheDrawRunsThroughAndClosesOnItsOwn() {
        auto world = uitest::SeededCareer(779, {"Ana"});
        TCupDraw draw(*world, 0);
        QCOMPARE(TsorteioDlg(draw).Timer()->interval(), draw.IntervalMs()); // the person's pace
        SetSeasonPace(0);
        TsorteioDlg dialog(draw);
        const int result = dialog.exec(); // nobody touches it
        SetSeasonPace(100);
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(draw.Finished());
        QCOMPARE(dialog.ListBoxGames()->count(), draw.Games());
        QCOMPARE(dialog.Timer()->interval(), 0); // the closing ticks too
    }
};

QTEST_MAIN(SorteioDlgTest)
#include "sorteio_dlg_test.moc"
