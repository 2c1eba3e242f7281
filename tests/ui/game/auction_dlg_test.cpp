// The auction window paces the core's auction and hands the typed offers to it; it never changes the rules:
// the same offers give the same world as the scripted stepping.
#include "modal_robot.h"
#include "seeded_career.h"

#include "club/auction.h"
#include "club/market.h"
#include "foundation/money_format.h"
#include "ui/common/qt_text.h"
#include "ui/game/market/auction_dlg.h"
#include "ui/game/qt_user_port.h"
#include "world/coach.h"
#include "world/team.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

struct TScene {
    std::unique_ptr<TWorld> world;
    TTeam* human = nullptr;
    TTeam* seller = nullptr;
    TPlayer* player = nullptr;
};

// One human coach with plenty of money, and the first player of a computer club he may buy.
TScene MakeScene(TUserPort& port) {
    TScene s;
    s.world = uitest::StartedCareerFor(port, 2024, {"Ana"});
    for (TTeam* t : s.world->AllTeams)
        if (t->IsHumanRun()) s.human = t;
    s.human->SetBalance(90000000);
    for (TTeam* t : s.world->AllTeams) {
        if (t->HasHumanCoach()) continue;
        for (TPlayer* p : t->players)
            if (p && t->CanSell(*p) == 0 && CanBuy(*s.human, *p, *t)) {
                s.seller = t;
                s.player = p;
                return s;
            }
    }
    throw std::logic_error("no player to auction");
}

QString ToQStringMoney(const TWorld& world, std::int32_t amount) {
    return ToQString(FormatMoney(amount, world.CurrencyRecord.suffix));
}

} // namespace

class AuctionDlgTest : public QObject {
    Q_OBJECT

    // Auctions the scene's player through the window, the human typing `typed`; also through the scripted
    // stepping with `scripted` as the human's offer; both worlds must end the same.
    void Compare(const QString& typed, std::int32_t scripted, bool masked, TScene& shown) {
        TScriptedUserPort port;
        TScene expected = MakeScene(port);
        expected.human->coach->encryptOffers = masked;
        port.AuctionOffers = {scripted};
        Auction(*expected.seller, *expected.player, 1234567);
        QVERIFY(port.Calls.end() !=
                std::find(port.Calls.begin(), port.Calls.end(),
                          "AuctionOffer " + std::to_string(expected.human->id) + " " +
                              std::to_string(expected.player->id) + " 1234000" + (masked ? " masked" : "")));

        QWidget mainWindow;
        TQtUserPort qtPort(&mainWindow);
        shown = MakeScene(qtPort);
        qtPort.SetWorld(shown.world.get());
        shown.human->coach->encryptOffers = masked;
        SetAuctionTickInterval(1);
        TModalRobot robot;
        bool sawMask = false;
        QString cash;
        robot.steps.push_back([&] {
            auto* dlg = TModalRobot::Modal<TsellPlayerDlg>();
            if (!dlg || !dlg->PanelHumanOffer()->isVisible()) return false;
            sawMask = dlg->TextHumanOffer()->echoMode() == QLineEdit::Password;
            cash = dlg->TextCash()->text();
            QTest::keyClicks(dlg->TextHumanOffer(), typed);
            SaveShot(dlg, masked ? "TsellPlayerDlg_masked" : "TsellPlayerDlg");
            TModalRobot::Click(dlg->OfferBtn());
            return true;
        });
        robot.steps.push_back([&] {
            // The result line, pictured while the window still shows it (it closes itself soon after).
            auto* dlg = TModalRobot::Modal<TsellPlayerDlg>();
            if (dlg && dlg->TextTransferred()->text().isEmpty()) return false;
            if (dlg) SaveShot(dlg, masked ? "TsellPlayerDlg_masked_result" : "TsellPlayerDlg_result");
            return true;
        });
        Auction(*shown.seller, *shown.player, 1234567);
        QVERIFY(robot.steps.empty());
        QCOMPARE(sawMask, masked);
        QVERIFY(cash.endsWith(ToQStringMoney(*shown.world, 90000000)));
        QVERIFY(shown.world->SaveGameBytes() == expected.world->SaveGameBytes());
    }

private slots:
    void aTypedOfferWinsAsInTheScriptedStepping() {
        TScene shown;
        Compare("80000", 80000, false, shown);
        // 80 000 thousands beat every computer club: the player moved at once and the money with him.
        QCOMPARE(shown.player->Club(), shown.human);
        QCOMPARE(shown.human->balance(), 10000000);
    }

    void aHiddenOfferThatIsNoNumberWithdrawsAsInTheScriptedStepping() {
        TScene shown;
        Compare("12x", -1, true, shown);
        QVERIFY(shown.player->Club() != shown.human);
        QCOMPARE(shown.human->balance(), 90000000);
    }
};

QTEST_MAIN(AuctionDlgTest)
#include "auction_dlg_test.moc"
