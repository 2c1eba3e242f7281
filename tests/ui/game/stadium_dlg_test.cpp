// The stadium dialog over a seeded career: it shows the capacity and the price the next works are booked
// at (that of the class they reach), the button builds through the club's stadium operation, it stays
// disabled where the club cannot pay that price or the stadium cannot grow, and its loan door lends through
// the loan dialog.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "ui/game/money/loan_dlg.h"
#include "ui/game/money/stadium_dlg.h"

#include <QLabel>
#include <QPushButton>

using uitest::Money;

class StadiumDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TWorld> world_;
    TTeam* club_ = nullptr;

    void Run(const std::function<void(TstadiumDlg&)>& act) {
        uitest::WithModal<TstadiumDlg>([&] { ShowStadiumDialog(*world_, *club_, nullptr); }, act);
    }

private slots:
    void init() {
        world_ = uitest::SeededCareer(5150, {"Ana"});
        club_ = &uitest::HumanClub(*world_);
        // Euros (multiplier 5) at prices of 2.0: the works cost 350 000 into classes 2 to 5, 500 000 into
        // 6 to 13 and 600 000 into 14 to 24.
        QCOMPARE(world_->MoneyMultiplier(), 5);
        world_->PriceIndex = 2.0L;
        club_->stadium.size = 5;
        club_->SetBalance(2000000);
    }

    void enlargingIntoTheDearerBandBooksItsPrice() {
        constexpr std::size_t kStadiumSlot = 5; // category 23 in the season account
        const std::int32_t stadiumBefore = club_->season.financeTotals[kStadiumSlot];
        Run([&](TstadiumDlg& dlg) {
            QCOMPARE(dlg.TextCapacity()->text(), QString("Capacity: 25000 seats"));
            QVERIFY(dlg.Label1()->text().endsWith(Money(*world_, 500000)));
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
    }

    // The price shown is the one the button asks for and the works are booked at.
    void theButtonNeedsThePriceShownAndRoomToGrow() {
        const struct {
            int size;
            std::int32_t balance;
            std::int32_t price;
            bool enabled;
        } cases[] = {{5, 499999, 500000, false},
                     {5, 500000, 500000, true},
                     {13, 599999, 600000, false},
                     {13, 600000, 600000, true},
                     {24, 99000000, 600000, false}};
        for (const auto& c : cases) {
            club_->stadium.size = static_cast<std::uint8_t>(c.size);
            club_->SetBalance(c.balance);
            Run([&](TstadiumDlg& dlg) {
                QVERIFY(dlg.Label1()->text().endsWith(Money(*world_, c.price)));
                QCOMPARE(dlg.ConstructBtn()->isEnabled(), c.enabled);
                if (!c.enabled) QVERIFY(!dlg.ConstructBtn()->toolTip().isEmpty());
                if (c.enabled) QTest::mouseClick(dlg.ConstructBtn(), Qt::LeftButton);
            });
            QCOMPARE(int(club_->stadium.size), c.enabled ? c.size + 1 : c.size);
            QCOMPARE(club_->balance(), c.enabled ? 0 : c.balance);
        }
    }

    void aLoanTakenFromTheStadiumPaysForTheWorks() {
        club_->SetBalance(100000);
        club_->loan = 0;
        Run([&](TstadiumDlg& dlg) {
            QVERIFY(!dlg.ConstructBtn()->isEnabled());
            uitest::WithModal<TloanDlg>(
                [&] { QTest::mouseClick(dlg.LoanBtn(), Qt::LeftButton); },
                [](TloanDlg& loan) { QTest::mouseClick(loan.BorrowBtn(), Qt::LeftButton); });
            QVERIFY(dlg.ConstructBtn()->isEnabled());
            QTest::mouseClick(dlg.ConstructBtn(), Qt::LeftButton);
        });
        QCOMPARE(club_->loan, 500000);
        QCOMPARE(int(club_->stadium.size), 6);
        QCOMPARE(club_->balance(), 100000);
    }

    void closingWithoutBuildingChangesNothing() {
        const std::vector<std::uint8_t> before = world_->SaveGameBytes();
        Run([](TstadiumDlg&) {});
        QVERIFY(world_->SaveGameBytes() == before);
    }

    void theRingsFillInnerFirst() {
        const std::pair<int, std::array<int, 3>> cases[] = {{1, {1, 0, 0}},  {6, {6, 0, 0}},
                                                            {7, {6, 1, 0}},  {14, {6, 8, 0}},
                                                            {15, {6, 8, 1}}, {24, {6, 8, 10}}};
        for (const auto& [size, parts] : cases) QCOMPARE(StadiumRingParts(size), parts);
    }
};

QTEST_MAIN(StadiumDlgTest)
#include "stadium_dlg_test.moc"
