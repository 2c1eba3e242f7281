// The coach's profile through the windowed port: it opens on the coach's profile, OK (or Enter) stores what
// was clicked and answers true, Cancel (or Escape) leaves the profile as it was and answers false.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "ui/game/club/coach_options_dlg.h"
#include "ui/game/qt_user_port.h"
#include "world/coach.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {
using TProfile = std::array<int, 5>;

TProfile ProfileOf(const TCoach& c) {
    return {c.autoSalaryNational, c.autoSalaryBosman, c.autoSalaryForeign, c.buyInAuction, c.encryptOffers};
}

// The profile the dialog shows, read from its boxes.
TProfile Shown(const TcoachOptionsDlg& dlg) {
    int auction = -1;
    for (int i = 0; i < 3; ++i)
        if (dlg.BuyInAuctionItem(i)->isChecked()) auction = i;
    return {dlg.CheckBoxNationalPlayersSalary()->isChecked(), dlg.CheckBoxBosmanPlayersSalary()->isChecked(),
            dlg.CheckBoxForeignerPlayersSalary()->isChecked(), auction,
            dlg.CheckBoxEncryptOffers()->isChecked()};
}

// Every box turned the other way, and the auction choice moved to `auction`.
void ClickEverything(TcoachOptionsDlg& dlg, int auction) {
    for (QCheckBox* box : {dlg.CheckBoxNationalPlayersSalary(), dlg.CheckBoxBosmanPlayersSalary(),
                           dlg.CheckBoxForeignerPlayersSalary()})
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    dlg.Notebook()->setCurrentIndex(1);
    QTest::mouseClick(dlg.BuyInAuctionItem(auction), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(dlg.CheckBoxEncryptOffers(), Qt::LeftButton, {}, QPoint(5, 5));
}
} // namespace

class CoachOptionsDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TWorld> world_;
    TCoach* coach_ = nullptr;
    TProfile shown_{};
    QString caption_;

    // Edits the profile as the rules ask for it, through the windowed port; `act` clicks and closes.
    bool Edit(const std::function<void(TcoachOptionsDlg&)>& act) {
        QWidget main;
        TQtUserPort port(&main);
        port.SetWorld(world_.get());
        world_->SetPort(port);
        bool confirmed = false;
        uitest::WithModal<TcoachOptionsDlg>([&] { confirmed = coach_->EditProfile(); },
                                            [&](TcoachOptionsDlg& dlg) {
                                                shown_ = Shown(dlg);
                                                caption_ = dlg.windowTitle();
                                                act(dlg);
                                            });
        world_->SetPort(world_->DefaultPort());
        return confirmed;
    }

private slots:
    void init() {
        world_ = uitest::SeededCareer(5150, {"Ana"});
        for (TCoach* coach : world_->AllCoaches)
            if (coach != nullptr && coach->IsHumanActive()) coach_ = coach;
        QVERIFY(coach_ != nullptr);
        coach_->autoSalaryNational = 1;
        coach_->autoSalaryBosman = 0;
        coach_->autoSalaryForeign = 1;
        coach_->buyInAuction = 2;
        coach_->encryptOffers = 0;
    }

    void okStoresTheClickedProfile() {
        const bool confirmed = Edit([](TcoachOptionsDlg& dlg) {
            uitest::Shot(&dlg, "TcoachOptionsDlg");
            ClickEverything(dlg, 1);
            uitest::Shot(&dlg, "TcoachOptionsDlg_2");
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
        });
        QCOMPARE(shown_, (TProfile{1, 0, 1, 2, 0}));
        QCOMPARE(caption_, QString("Profile of Ana"));
        QVERIFY(confirmed);
        QCOMPARE(ProfileOf(*coach_), (TProfile{0, 1, 0, 1, 1}));
    }

    void enterConfirmsToo() {
        const bool confirmed = Edit([](TcoachOptionsDlg& dlg) {
            ClickEverything(dlg, 0);
            QTest::keyClick(&dlg, Qt::Key_Return);
        });
        QVERIFY(confirmed);
        QCOMPARE(ProfileOf(*coach_), (TProfile{0, 1, 0, 0, 1}));
    }

    void cancelAndEscapeChangeNothing() {
        for (const bool escape : {false, true}) {
            const bool confirmed = Edit([escape](TcoachOptionsDlg& dlg) {
                ClickEverything(dlg, 0);
                if (escape)
                    QTest::keyClick(&dlg, Qt::Key_Escape);
                else
                    QTest::mouseClick(dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                                      Qt::LeftButton);
            });
            QVERIFY(!confirmed);
            QCOMPARE(ProfileOf(*coach_), (TProfile{1, 0, 1, 2, 0}));
        }
    }
};

QTEST_MAIN(CoachOptionsDlgTest)
#include "coach_options_dlg_test.moc"
