// The windowed port shows and asks; it never changes the rules or their draws: a round played through it
// leaves the same world as the scripted port's run of the same seed and the same choices.
#include "seeded_career.h"

#include "match/substitutions.h"
#include "ui/game/qt_user_port.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

class QtUserPortTest : public QObject {
    Q_OBJECT

private slots:
    void aRoundThroughTheWindowedPortLeavesTheScriptedPortsWorld() {
        const std::vector<std::string> humans{"Ana", "Bruno"};
        // Both runs: the same seed, one human club prepared automatically, the same autopilot choices.
        TScriptedUserPort scripted;
        InstallSubstitutionAutopilot(scripted);
        auto expected = uitest::SeededCareer(4711, humans, true, &scripted);
        PlayLeagueRound(*expected, DefaultSeasonSteps());

        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        auto world = uitest::SeededCareer(4711, humans, true, &port);
        port.SetWorld(world.get());
        const std::vector<std::uint8_t> before = world->SaveGameBytes();
        PlayLeagueRound(*world, DefaultSeasonSteps());
        QVERIFY(world->SaveGameBytes() != before);

        QCOMPARE(world->CurrentRound, expected->CurrentRound);
        QVERIFY(world->SaveGameBytes() == expected->SaveGameBytes());
    }
};

QTEST_MAIN(QtUserPortTest)
#include "qt_user_port_test.moc"
