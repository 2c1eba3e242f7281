// The squad view over a seeded career: it shows the club as the world holds it, and its market doors act
// through the core (a purchase at the listed price, the observed list with its limit).
#include "modal_robot.h"
#include "seeded_career.h"
#include "window_shot.h"

#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/club/plantel_dlg.h"
#include "ui/game/market/observed_players_dlg.h"
#include "ui/game/qt_user_port.h"
#include "world/coach.h"
#include "world/team.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cmath>

namespace {

struct TScene {
    QWidget mainWindow;
    TQtUserPort port{&mainWindow};
    std::unique_ptr<TWorld> world;
    TTeam* human = nullptr;
    TTeam* other = nullptr; // a computer club

    TScene() {
        world = uitest::StartedCareerFor(port, 77, {"Ana"});
        port.SetWorld(world.get());
        for (TTeam* t : world->AllTeams) {
            if (t->IsHumanRun())
                human = t;
            else if (!other)
                other = t;
        }
    }
};

// A player the other club may sell.
TPlayer& SellablePlayer(TTeam& club) {
    for (TPlayer* p : club.players)
        if (p && club.CanSell(*p) == 0) return *p;
    throw std::logic_error("nobody to sell");
}

} // namespace

class PlantelDlgTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheClubWithItsGaugesAndTheSaleColumnForABuyer() {
        TScene s;
        TTeam& club = *s.other;
        int forms = 0, n = 0;
        for (TPlayer* p : club.players) {
            p->form = static_cast<std::int16_t>(n % 7);
            forms += n % 7;
            ++n;
        }
        club.SetSupportFactor(0.64L);
        TPlantelDlg dlg(*s.world, club, s.human, nullptr);
        // Mood: the forms over two less than the squad size, in tenths. Support 0.64: 6 tenths, red.
        QCOMPARE(dlg.GaugeMoral()->value(), static_cast<int>(std::nearbyint(forms * 10.0L / (n - 2))));
        QCOMPARE(dlg.GaugeCoachPerformance()->value(), 6);
        // The bars read as the club screen's: the value itself, "6", not "0.6".
        QCOMPARE(dlg.GaugeCoachPerformance()->text(), QString("6"));
        QCOMPARE(dlg.GaugeMoral()->text(), QString::number(dlg.GaugeMoral()->value()));
        QVERIFY(dlg.GaugeCoachPerformance()->styleSheet().contains("#ff0000"));
        QCOMPARE(dlg.Mask(), 0x204047);
        QCOMPARE(dlg.ListBoxOfPlayers()->model->rowCount(), n);
        QCOMPARE(dlg.ComboCurrentTeam()->currentIndex(), s.world->AllTeams.IndexOf(&club));
        QVERIFY(dlg.windowTitle().startsWith(ToQString(club.Name() + " (")));
        QVERIFY(dlg.BuyBtn()->isVisibleTo(&dlg));
        dlg.resize(1280, 800);
        uitest::Shot(&dlg, "TPlantelDlg");

        // A human club's squad: no sale column and no buy button, even to its own coach.
        dlg.ShowClub(*s.human);
        QCOMPARE(dlg.Mask(), 0x200047);
        QVERIFY(!dlg.BuyBtn()->isVisibleTo(&dlg));
        // The combo switches to the club of its entry.
        dlg.ComboCurrentTeam()->setCurrentIndex(s.world->AllTeams.IndexOf(s.other));
        QCOMPARE(&dlg.ShownClub(), s.other);
    }

    void buysAListedPlayerOnlyBelowTheBalanceAndSaysWhy() {
        TScene s;
        TPlayer& p = SellablePlayer(*s.other);
        p.askingPrice = 1500000;
        p.saleMode = 2;
        s.human->SetBalance(1500000);
        const std::int32_t sellerBefore = s.other->balance();
        TPlantelDlg dlg(*s.world, *s.other, s.human, &p);
        QCOMPARE(dlg.SelectedPlayer(), &p);
        QCOMPARE(dlg.SelectedPrice(), 1500000);
        // The price equals the whole balance: refused, and the view says why.
        QVERIFY(!dlg.BuyBtn()->isEnabled());
        QCOMPARE(dlg.TextBuyStatus()->text(), ToQString(GetText(705)));
        s.human->SetBalance(1500001);
        dlg.SelectPlayer(&p);
        QVERIFY(dlg.BuyBtn()->isEnabled());
        QVERIFY(dlg.TextDesiredSalary()->text().startsWith(ToQString(GetText(199))));
        SaveShot(&dlg, "TPlantelDlg");
        QTest::mouseClick(dlg.BuyBtn(), Qt::LeftButton);
        QCOMPARE(p.soldToTeamId, s.human->id);
        QCOMPARE(s.human->balance(), 1);
        QCOMPARE(s.other->balance(), sellerBefore + 1500000);
        QCOMPARE(s.human->purchasesThisSeason, std::int16_t(1));
        // Sold: no longer listed, so not buyable again.
        QVERIFY(!dlg.BuyBtn()->isEnabled());
        QCOMPARE(dlg.TextBuyStatus()->text(), ToQString(GetText(701)));
    }

    void theSixteenthObservedPlayerOpensTheListThatClosesOnlyAtFifteen() {
        TScene s;
        TCoach& coach = *s.human->coach;
        TPlantelDlg dlg(*s.world, *s.other, s.human, nullptr);
        std::vector<TPlayer*> players(s.other->players.begin(), s.other->players.end());
        for (TTeam* t : s.world->AllTeams)
            if (t != s.other && t != s.human)
                for (TPlayer* p : t->players)
                    if (p) players.push_back(p);
        for (int i = 0; i < 14; ++i) coach.AddObserved(*players[static_cast<std::size_t>(i) + 1]);
        // The 15th through the button: observed, no list opens.
        dlg.SelectPlayer(players[0]);
        QVERIFY(dlg.SpeedButtonObserved()->isEnabled());
        QTest::mouseClick(dlg.SpeedButtonObserved(), Qt::LeftButton);
        QVERIFY(coach.IsObserved(*players[0]));
        QVERIFY(dlg.SpeedButtonObserved()->isChecked());
        // A second click takes him off again, a third puts him back.
        QTest::mouseClick(dlg.SpeedButtonObserved(), Qt::LeftButton);
        QVERIFY(!coach.IsObserved(*players[0]));
        QTest::mouseClick(dlg.SpeedButtonObserved(), Qt::LeftButton);
        QCOMPARE(coach.observedPlayers.size(), std::size_t(15));

        // The 16th: the list opens, refuses to close, and closes once one player is removed.
        TModalRobot robot;
        bool refused = false;
        robot.steps.push_back([&] {
            auto* list = TModalRobot::Modal<TObservedPlayersDlg>();
            if (!list) return false;
            list->CloseBtn()->click();
            SaveShot(list, "TObservedPlayersDlg");
            refused = list->isVisible() && list->Memo()->isVisible();
            list->ListOfPlayers()->Select(players[3]);
            list->removeBtnClick();
            TModalRobot::Click(list->CloseBtn());
            return true;
        });
        dlg.ShowClub(*players[20]->Club(), players[20]);
        QVERIFY(!dlg.SpeedButtonObserved()->isChecked());
        QTest::mouseClick(dlg.SpeedButtonObserved(), Qt::LeftButton);
        QVERIFY(robot.steps.empty());
        QVERIFY(refused);
        QCOMPARE(coach.observedPlayers.size(), std::size_t(15));
        QVERIFY(!coach.IsObserved(*players[3]));
        QVERIFY(coach.IsObserved(*players[20]));
    }
};

QTEST_MAIN(PlantelDlgTest)
#include "plantel_dlg_test.moc"
