// The stadium dialog over a seeded career: it shows the capacity and the price of the next works, the
// button builds through the club's stadium operation and books the works as stadium spending at the price
// of the class reached, it stays disabled where the club cannot build, and its loan door lends through the
// loan dialog.
#include "seeded_career.h"
#include "window_shot.h"

#include "foundation/money_format.h"
#include "ui/common/qt_text.h"
#include "ui/game/money/loan_dlg.h"
#include "ui/game/money/stadium_dlg.h"
#include "world/team.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
constexpr std::size_t kStadiumSlot = 5; // category 23 in the season account

TTeam& HumanClub(TWorld& world) {
    for (TTeam* club : world.AllTeams)
        if (club != nullptr && club->IsHumanRun()) return *club;
    throw std::runtime_error("no human club");
}

QString Money(const TWorld& world, std::int64_t amount) {
    return ToQString(FormatMoney(amount, world.CurrencyRecord.suffix));
}

void RunStadiumDialog(TWorld& world, TTeam& club, const std::function<void(TstadiumDlg&)>& act) {
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<TstadiumDlg*>(QApplication::activeModalWidget());
        QVERIFY(dlg != nullptr);
        act(*dlg);
        if (dlg->isVisible()) QTest::keyClick(dlg, Qt::Key_Escape);
    });
    ShowStadiumDialog(world, club, nullptr);
}
} // namespace

class StadiumDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TWorld> world_;
    TTeam* club_ = nullptr;

private slots:
    void init() {
        world_ = uitest::SeededCareer(5150, {"Ana"});
        club_ = &HumanClub(*world_);
        // Euros (multiplier 5) at prices of 2.0: the works cost 350 000 below class 6, 500 000 from 6 to
        // 13 and 600 000 from 14 on.
        QCOMPARE(world_->MoneyMultiplier(), 5);
        world_->PriceIndex = 2.0L;
        club_->stadium.size = 5;
        club_->SetBalance(2000000);
    }

    void enlargingIntoTheDearerBandBooksItsPrice() {
        const std::int32_t stadiumBefore = club_->season.financeTotals[kStadiumSlot];
        RunStadiumDialog(*world_, *club_, [&](TstadiumDlg& dlg) {
            QCOMPARE(dlg.TextCapacity()->text(), QString("Capacity: 25000 seats"));
            QVERIFY(dlg.Label1()->text().endsWith(Money(*world_, 350000)));
            QVERIFY(!dlg.LabelWarning()->isVisible());
            QTest::mouseClick(dlg.ConstructBtn(), Qt::LeftButton);
            QVERIFY(dlg.LabelWarning()->isVisible());
            QCOMPARE(dlg.TextCapacity()->text(), QString("Capacity: 30000 seats"));
            QVERIFY(dlg.Label1()->text().endsWith(Money(*world_, 500000)));
            uitest::Shot(&dlg, "TstadiumDlg");
        });
        QCOMPARE(int(club_->stadium.size), 6);
        QCOMPARE(club_->balance(), 1500000);
        QCOMPARE(club_->season.financeTotals[kStadiumSlot], stadiumBefore - 500000);
        QVERIFY(club_->stadium.fillRatio() > 0.59L && club_->stadium.fillRatio() < 0.61L);
    }

    void theButtonNeedsTheMoneyAndRoomToGrow() {
        const struct {
            int size;
            std::int32_t balance;
            bool enabled;
        } cases[] = {{5, 349999, false}, {5, 350000, true}, {23, 600000, true}, {24, 99000000, false}};
        for (const auto& c : cases) {
            club_->stadium.size = static_cast<std::uint8_t>(c.size);
            club_->SetBalance(c.balance);
            RunStadiumDialog(*world_, *club_, [&](TstadiumDlg& dlg) {
                QCOMPARE(dlg.ConstructBtn()->isEnabled(), c.enabled);
                if (!c.enabled) QVERIFY(!dlg.ConstructBtn()->toolTip().isEmpty());
            });
        }
    }

    void aLoanTakenFromTheStadiumPaysForTheWorks() {
        club_->SetBalance(100000);
        club_->loan = 0;
        club_->SetSupportFactor(1.0L);
        RunStadiumDialog(*world_, *club_, [&](TstadiumDlg& dlg) {
            QVERIFY(!dlg.ConstructBtn()->isEnabled());
            QTimer::singleShot(0, [&] {
                auto* loan = qobject_cast<TloanDlg*>(QApplication::activeModalWidget());
                QVERIFY(loan != nullptr);
                QTest::mouseClick(loan->BorrowBtn(), Qt::LeftButton);
                QTest::mouseClick(loan->CloseBtn(), Qt::LeftButton);
            });
            QTest::mouseClick(dlg.LoanBtn(), Qt::LeftButton);
            QVERIFY(dlg.ConstructBtn()->isEnabled());
            QTest::mouseClick(dlg.ConstructBtn(), Qt::LeftButton);
        });
        QCOMPARE(club_->loan, 500000);
        QCOMPARE(int(club_->stadium.size), 6);
        QCOMPARE(club_->balance(), 100000);
    }

    void closingWithoutBuildingChangesNothing() {
        const std::vector<std::uint8_t> before = world_->SaveGameBytes();
        RunStadiumDialog(*world_, *club_, [](TstadiumDlg&) {});
        QVERIFY(world_->SaveGameBytes() == before);
    }

    void theRingsFillInnerFirst() {
        const struct {
            int size;
            std::array<int, 3> parts;
        } cases[] = {{1, {1, 0, 0}},  {6, {6, 0, 0}},  {7, {6, 1, 0}},
                     {14, {6, 8, 0}}, {15, {6, 8, 1}}, {24, {6, 8, 10}}};
        for (const auto& c : cases) QCOMPARE(StadiumRingParts(c.size), c.parts);
    }
};

QTEST_MAIN(StadiumDlgTest)
#include "stadium_dlg_test.moc"
