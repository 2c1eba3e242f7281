// The loan dialog over a seeded career: it shows the limit and the interest as the club's numbers give
// them, each press borrows or repays one step through the club's loan operations, the buttons stop at the
// limits, and closing it without a press changes nothing.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "ui/game/money/loan_dlg.h"

#include <QLabel>
#include <QPushButton>

using uitest::Money;

class LoanDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TWorld> world_;
    TTeam* club_ = nullptr;

    void Run(TTeam& club, const std::function<void(TloanDlg&)>& act) {
        uitest::WithModal<TloanDlg>([&] { ShowLoanDialog(*world_, club, nullptr); }, act);
    }
    // Euros: steps of 500 000, multiplier 5; at prices of 2.0 and with a content board the limit is
    // level x 1.0 x 2.0 x 5 x 20 000 = level x 200 000, cut to whole steps.
    std::int32_t Limit() const { return club_->AverageLevel() * 200000 / 500000 * 500000; }

private slots:
    void init() {
        world_ = uitest::SeededCareer(5150, {"Ana"});
        club_ = &uitest::HumanClub(*world_);
        QCOMPARE(world_->MoneyStep(), 500000);
        QCOMPARE(world_->MoneyMultiplier(), 5);
        world_->PriceIndex = 2.0L;
        club_->SetSupportFactor(1.0L);
        club_->loan = 1000000;
        club_->SetBalance(3000000);
    }

    void showsTheLimitTheInterestAndTheCash() {
        QVERIFY(Limit() > 1000000);
        Run(*club_, [&](TloanDlg& dlg) {
            QCOMPARE(dlg.windowTitle(), ToQString(GetCaptionText(20)));
            QCOMPARE(dlg.TextLimit()->text(), Money(*world_, Limit()));
            QCOMPARE(dlg.TextLoan()->text(), Money(*world_, 1000000));
            QCOMPARE(dlg.TextInterest()->text(), Money(*world_, 30000)); // 3 % of the loan
            QCOMPARE(dlg.TextMoney()->text(), Money(*world_, 3000000));
            // The limit explains itself with the squad's level; the interest says what it is.
            QVERIFY(dlg.TextLimit()->toolTip().contains(QString::number(club_->AverageLevel())));
            QVERIFY(!dlg.TextInterest()->toolTip().isEmpty());
            uitest::Shot(&dlg, "TloanDlg");
        });
    }

    void twoStepsBorrowedAndOneRepaidReachTheClub() {
        const auto totals = club_->season.financeTotals;
        Run(*club_, [&](TloanDlg& dlg) {
            QTest::mouseClick(dlg.BorrowBtn(), Qt::LeftButton);
            QTest::mouseClick(dlg.BorrowBtn(), Qt::LeftButton);
            QTest::mouseClick(dlg.PayBtn(), Qt::LeftButton);
            QCOMPARE(dlg.TextLoan()->text(), Money(*world_, 1500000));
            QCOMPARE(dlg.TextInterest()->text(), Money(*world_, 45000));
        });
        QCOMPARE(club_->loan, 1500000);
        QCOMPARE(club_->balance(), 3500000);
        QVERIFY(club_->BalanceIntact());
        // A loan is no income or expense of the season.
        QVERIFY(club_->season.financeTotals == totals);
    }

    void theButtonsStopAtTheirLimits() {
        // One step below the limit, and cash for exactly one repayment more.
        club_->loan = Limit() - 500000;
        club_->SetBalance(500000);
        Run(*club_, [&](TloanDlg& dlg) {
            QVERIFY(dlg.BorrowBtn()->isEnabled());
            QVERIFY(!dlg.PayBtn()->isEnabled());
            QTest::mouseClick(dlg.BorrowBtn(), Qt::LeftButton);
            QVERIFY(!dlg.BorrowBtn()->isEnabled());
            QVERIFY(!dlg.BorrowBtn()->toolTip().isEmpty());
            QVERIFY(dlg.PayBtn()->isEnabled());
            QTest::mouseClick(dlg.PayBtn(), Qt::LeftButton);
            QTest::mouseClick(dlg.PayBtn(), Qt::LeftButton);
            QVERIFY(!dlg.PayBtn()->isEnabled());
            QVERIFY(!dlg.PayBtn()->toolTip().isEmpty());
        });
        QCOMPARE(club_->loan, Limit() - 500000);
        QCOMPARE(club_->balance(), 500000);
    }

    void closingWithoutAPressChangesNothing() {
        const std::vector<std::uint8_t> before = world_->SaveGameBytes();
        Run(*club_, [](TloanDlg&) {});
        QVERIFY(world_->SaveGameBytes() == before);
    }

    void anotherClubsLoanIsOnlyShown() {
        TTeam* other = nullptr;
        for (TTeam* club : world_->AllTeams)
            if (club != nullptr && !club->IsHumanRun()) other = club;
        QVERIFY(other != nullptr);
        const std::vector<std::uint8_t> before = world_->SaveGameBytes();
        Run(*other, [&](TloanDlg& dlg) {
            QVERIFY(!dlg.BorrowBtn()->isEnabled());
            QVERIFY(!dlg.PayBtn()->isEnabled());
            QTest::mouseClick(dlg.BorrowBtn(), Qt::LeftButton);
        });
        QVERIFY(world_->SaveGameBytes() == before);
    }
};

QTEST_MAIN(LoanDlgTest)
#include "loan_dlg_test.moc"
