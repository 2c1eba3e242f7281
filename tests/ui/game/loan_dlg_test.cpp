// The loan dialog over a seeded career: it shows the limit and the interest as the club's numbers give
// them, each press borrows or repays one step through the club's loan operations, the buttons stop at the
// limits, and closing it without a press changes nothing.
#include "seeded_career.h"
#include "window_shot.h"

#include "foundation/money_format.h"
#include "ui/common/qt_text.h"
#include "ui/game/money/loan_dlg.h"
#include "world/team.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
TTeam& HumanClub(TWorld& world) {
    for (TTeam* club : world.AllTeams)
        if (club != nullptr && club->IsHumanRun()) return *club;
    throw std::runtime_error("no human club");
}

QString Money(const TWorld& world, std::int64_t amount) {
    return ToQString(FormatMoney(amount, world.CurrencyRecord.suffix));
}

// Runs the loan dialog of the club screen modally; `act` works on it once it is shown, then it is closed.
void RunLoanDialog(TWorld& world, TTeam& club, const std::function<void(TloanDlg&)>& act) {
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<TloanDlg*>(QApplication::activeModalWidget());
        QVERIFY(dlg != nullptr);
        act(*dlg);
        if (dlg->isVisible()) QTest::keyClick(dlg, Qt::Key_Escape);
    });
    ShowLoanDialog(world, club, nullptr);
}
} // namespace

class LoanDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TWorld> world_;
    TTeam* club_ = nullptr;

private slots:
    void init() {
        world_ = uitest::SeededCareer(5150, {"Ana"});
        club_ = &HumanClub(*world_);
        // Euros: steps of 500 000, multiplier 5; prices at 2.0 and a content board make the limit
        // level x 1.0 x 2.0 x 5 x 20 000 = level x 200 000, cut to whole steps.
        QCOMPARE(world_->MoneyStep(), 500000);
        QCOMPARE(world_->MoneyMultiplier(), 5);
        world_->PriceIndex = 2.0L;
        club_->SetSupportFactor(1.0L);
        club_->loan = 1000000;
        club_->SetBalance(3000000);
    }

    void showsTheLimitTheInterestAndTheCash() {
        const int level = club_->AverageLevel();
        const std::int64_t limit = level * 200000LL / 500000 * 500000;
        QVERIFY(limit > 1000000);
        RunLoanDialog(*world_, *club_, [&](TloanDlg& dlg) {
            QCOMPARE(dlg.windowTitle(), ToQString(GetCaptionText(20)));
            QCOMPARE(dlg.TextLimit()->text(), Money(*world_, limit));
            QCOMPARE(dlg.TextLoan()->text(), Money(*world_, 1000000));
            QCOMPARE(dlg.TextInterest()->text(), Money(*world_, 30000)); // 3 % of the loan
            QCOMPARE(dlg.TextMoney()->text(), Money(*world_, 3000000));
            // The limit explains itself with the squad's level.
            QVERIFY(dlg.TextLimit()->toolTip().contains(QString::number(level)));
            QVERIFY(!dlg.TextInterest()->toolTip().isEmpty());
            uitest::Shot(&dlg, "TloanDlg");
        });
    }

    void twoStepsBorrowedAndOneRepaidReachTheClub() {
        const auto totals = club_->season.financeTotals;
        RunLoanDialog(*world_, *club_, [&](TloanDlg& dlg) {
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

    void borrowingStopsAtTheLimit() {
        const std::int32_t limit = club_->AverageLevel() * 200000 / 500000 * 500000;
        club_->loan = limit - 500000;
        RunLoanDialog(*world_, *club_, [&](TloanDlg& dlg) {
            QVERIFY(dlg.BorrowBtn()->isEnabled());
            QTest::mouseClick(dlg.BorrowBtn(), Qt::LeftButton);
            QVERIFY(!dlg.BorrowBtn()->isEnabled());
            QVERIFY(!dlg.BorrowBtn()->toolTip().isEmpty());
        });
        QCOMPARE(club_->loan, limit);
    }

    void repayingNeedsMoreThanOneStepOfCash() {
        club_->SetBalance(1000000);
        RunLoanDialog(*world_, *club_, [&](TloanDlg& dlg) {
            QVERIFY(dlg.PayBtn()->isEnabled());
            QTest::mouseClick(dlg.PayBtn(), Qt::LeftButton);
            // Exactly one step of cash left: not enough to repay another.
            QVERIFY(!dlg.PayBtn()->isEnabled());
            QVERIFY(!dlg.PayBtn()->toolTip().isEmpty());
        });
        QCOMPARE(club_->loan, 500000);
        QCOMPARE(club_->balance(), 500000);
    }

    void closingWithoutAPressChangesNothing() {
        const std::vector<std::uint8_t> before = world_->SaveGameBytes();
        RunLoanDialog(*world_, *club_, [](TloanDlg&) {});
        QVERIFY(world_->SaveGameBytes() == before);
    }

    void anotherClubsLoanIsOnlyShown() {
        TTeam* other = nullptr;
        for (TTeam* club : world_->AllTeams)
            if (club != nullptr && !club->IsHumanRun()) other = club;
        QVERIFY(other != nullptr);
        const std::vector<std::uint8_t> before = world_->SaveGameBytes();
        RunLoanDialog(*world_, *other, [&](TloanDlg& dlg) {
            QVERIFY(!dlg.BorrowBtn()->isEnabled());
            QVERIFY(!dlg.PayBtn()->isEnabled());
            QTest::mouseClick(dlg.BorrowBtn(), Qt::LeftButton);
        });
        QVERIFY(world_->SaveGameBytes() == before);
    }
};

QTEST_MAIN(LoanDlgTest)
#include "loan_dlg_test.moc"
