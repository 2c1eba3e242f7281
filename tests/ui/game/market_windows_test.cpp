// The market's windows over a seeded career: the sale order, the salary question, the player search and
// the last transfers show the world's state, and what is clicked reaches the world through the core.
#include "modal_robot.h"
#include "seeded_career.h"

#include "club/market.h"
#include "foundation/numeric.h"
#include "ui/common/checked_picture.h"
#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/market/ask_more_salary_dlg.h"
#include "ui/game/market/auction_dlg.h"
#include "ui/game/market/check_player_dlg.h"
#include "ui/game/market/game_folder.h"
#include "ui/game/market/last_transfers_dlg.h"
#include "ui/game/market/player_heading.h"
#include "ui/game/market/sell_player_dlg.h"
#include "ui/game/qt_user_port.h"
#include "world/coach.h"
#include "world/records.h"
#include "world/team.h"
#include "world/world_texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

struct TScene {
    QWidget mainWindow;
    TQtUserPort port{&mainWindow};
    std::unique_ptr<TWorld> world;
    TTeam* human = nullptr;

    TScene() {
        world = uitest::StartedCareerFor(port, 99, {"Ana"});
        port.SetWorld(world.get());
        for (TTeam* t : world->AllTeams)
            if (t->IsHumanRun()) human = t;
        SetAuctionTickInterval(1);
    }
    TPlayer& Sellable() const {
        for (TPlayer* p : human->players)
            if (p && human->CanSell(*p) == 0 && p->position() == 3) return *p;
        throw std::logic_error("nobody to sell");
    }
};

} // namespace

class MarketWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void aSaleOrderListsRefusesWithItsReasonAndAuctions() {
        TScene s;
        TPlayer& p = s.Sellable();
        TModalRobot robot;
        QString shownPrice;
        robot.steps.push_back([&] {
            auto* dlg = TModalRobot::Modal<TsaleOrderDlg>();
            if (!dlg) return false;
            // The price typed in thousands, shown grouped with blanks as every amount is.
            QSpinBox* price = dlg->SpinSellPrice();
            QTest::keyClick(price, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(price, "1234");
            QTest::keyClick(price, Qt::Key_Up); // a step up and back down shows it as the box writes it
            QTest::keyClick(price, Qt::Key_Down);
            shownPrice = price->text();
            dlg->RadioHowToSell()->button(2)->click();
            SaveShot(dlg, "TsaleOrderDlg");
            TModalRobot::Click(dlg->OKBtn());
            return true;
        });
        QCOMPARE(ShowSellPlayer(*s.world, *s.human, p, &s.mainWindow), 0);
        QCOMPARE(shownPrice, ToQString("1 234 000" + s.world->CurrencyRecord.suffix));
        QCOMPARE(p.askingPrice, 1234000);
        QCOMPARE(ListedPrice(p), 1234000);

        // Offered this matchday already: refused with reason 4's text; the window stays until cancelled.
        p.matchState.offeredThisMatchday = 1;
        QString message;
        robot.steps.push_back([&] {
            auto* dlg = TModalRobot::Modal<TsaleOrderDlg>();
            if (!dlg) return false;
            dlg->RadioHowToSell()->button(1)->click();
            dlg->OKBtn()->click();
            message = dlg->TextMessage()->text();
            if (dlg->isVisible()) dlg->reject();
            return true;
        });
        QCOMPARE(ShowSellPlayer(*s.world, *s.human, p, &s.mainWindow), 4);
        QCOMPARE(message, ToQString(GetText(288)));
        QCOMPARE(p.matchState.offeredThisMatchday, std::uint8_t(1));

        // Auction now at base 0: the auction window opens (a human seller) and closes by itself.
        p.matchState.offeredThisMatchday = 0;
        const std::int32_t balance = s.human->balance();
        const int transfers = s.world->LastTransfersList.Count();
        bool sawAuction = false;
        robot.steps.push_back([&] {
            auto* dlg = TModalRobot::Modal<TsaleOrderDlg>();
            if (!dlg) return false;
            dlg->SpinSellPrice()->setValue(0);
            dlg->RadioHowToSell()->button(1)->click();
            TModalRobot::Click(dlg->OKBtn());
            return true;
        });
        robot.steps.push_back([&] { return sawAuction = TModalRobot::Modal<TsellPlayerDlg>() != nullptr; });
        QCOMPARE(ShowSellPlayer(*s.world, *s.human, p, &s.mainWindow), 0);
        QVERIFY(sawAuction);
        QCOMPARE(p.matchState.offeredThisMatchday, std::uint8_t(1));
        QCOMPARE(p.saleMode, std::uint16_t(0));
        if (p.Club() == s.human) {
            QCOMPARE(s.human->balance(), balance);
        } else {
            // Sold: the auction's record holds the price the seller received.
            QCOMPARE(s.world->LastTransfersList.Count(), transfers + 1);
            const TLastTransfer& record = *s.world->LastTransfersList[transfers];
            QCOMPARE(record.player, &p);
            QCOMPARE(s.human->balance(), balance + record.price);
        }
    }

    void theSalaryQuestionRefusesOnlyWhenTheClubMay() {
        TScene s;
        TPlayer& p = s.Sellable();
        const std::int32_t salary = p.salary();
        TModalRobot robot;
        bool yesNo = false;
        robot.steps.push_back([&] {
            auto* dlg = TModalRobot::Modal<TaskMoreSalaryDlg>();
            if (!dlg) return false;
            yesNo = dlg->NoBtn()->isVisible() && !dlg->OkBtn()->isVisible();
            TModalRobot::Click(dlg->NoBtn());
            return true;
        });
        QVERIFY(!AskSalary(*s.human, p, salary + 5000, 0));
        QVERIFY(yesNo);
        QCOMPARE(p.salary(), salary);
        QCOMPARE(p.season.contractRenewed, std::uint8_t(0));

        // A player the club may not sell now: only OK, and the demand is met.
        p.matchState.offeredThisMatchday = 1;
        QString message;
        robot.steps.push_back([&] {
            auto* dlg = TModalRobot::Modal<TaskMoreSalaryDlg>();
            if (!dlg) return false;
            yesNo = dlg->YesBtn()->isVisible() || !dlg->OkBtn()->isVisible();
            message = dlg->TextMessage()->text();
            SaveShot(dlg, "TaskMoreSalaryDlg");
            TModalRobot::Click(dlg->OkBtn());
            return true;
        });
        QVERIFY(AskSalary(*s.human, p, salary + 5000, 0));
        QVERIFY(!yesNo);
        QVERIFY(message.endsWith(ToQString(GetText(261))));
        // The amount grouped like every other one: "4 000 EUR", not "4000 EUR".
        const std::string asked = FormatThousands(salary + 5000, ' ') + s.world->CurrencyRecord.suffix;
        QVERIFY2(message.contains(ToQString(asked)), qPrintable(message));
        QCOMPARE(p.salary(), salary + 5000);
        QCOMPARE(p.season.contractRenewed, std::uint8_t(1));
    }

    void theSearchFiltersAsTheControlsAreSet() {
        TScene s;
        TPlayer& p = s.Sellable();
        TcheckPlayerDlg dlg(*s.world, *s.human);
        SaveShot(&dlg, "TcheckPlayerDlg");
        dlg.ComboPosition()->setCurrentIndex(p.position() + 1);
        QTest::keyClicks(dlg.TextName(), ToQString(p.PlainName()).toLower());
        QCOMPARE(dlg.TextName()->text(), ToQString(p.PlainName()).toUpper());
        const auto listed = [&] {
            return std::find(dlg.Results().begin(), dlg.Results().end(), &p) != dlg.Results().end();
        };
        QVERIFY(listed());
        for (const TPlayer* q : dlg.Results()) QCOMPARE(q->position(), p.position());
        // Only listed players: he is not listed until his club lists him.
        dlg.ComboPrice()->setCurrentIndex(1);
        QVERIFY(!listed());
        p.askingPrice = 700000;
        p.saleMode = 2;
        dlg.Search();
        QVERIFY(listed());
        // "Leave out my club" leaves out the viewer's club, his.
        dlg.CheckBoxNotMyTeam()->setChecked(true);
        QVERIFY(!listed());
        dlg.CheckBoxNotMyTeam()->setChecked(false);
        // Picking him answers him.
        dlg.ListOfPlayers()->Select(&p);
        dlg.teamBtnClick();
        QCOMPARE(dlg.Picked(), &p);
    }

    void theSearchDrawsFlagsAndItsClubButtonWaitsForAPick() {
        TScene s;
        TcheckPlayerDlg dlg(*s.world, *s.human);
        TObjectListView& list = *dlg.ListOfPlayers();
        // Nothing selected: the default button is off, so Enter neither picks nor closes.
        QVERIFY(!dlg.Results().empty());
        QVERIFY(dlg.TeamBtn()->isDefault());
        QVERIFY(!dlg.TeamBtn()->isEnabled());
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.Picked() == nullptr);
        list.Select(dlg.Results().front());
        QVERIFY(dlg.TeamBtn()->isEnabled());
        // A new search clears the selection, and the button with it.
        dlg.ComboPosition()->setCurrentIndex(1);
        QVERIFY(!dlg.TeamBtn()->isEnabled());
        dlg.ComboPosition()->setCurrentIndex(0);

        // A home player's row (his code in black) shows his country's flag in front of the code.
        int row = -1;
        for (std::size_t i = 0; i < dlg.Results().size() && row < 0; ++i) {
            const TPlayer* p = dlg.Results()[i];
            if (p->foreignStatus == 0 && !LoadFlag(GameFolderOfProgram(), p->nationality()).isNull())
                row = static_cast<int>(i);
        }
        QVERIFY(row >= 0);
        int left = -1;
        for (int section = 0; section < list.headerModel->columnCount(); ++section)
            if (list.Caption(section) == GetText(kTxtColNationality)) left = list.ColumnLeft(section);
        QVERIFY(left >= 0);
        QImage image(left + 120, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.font = list.view->font();
        option.palette.setColor(QPalette::Base, Qt::white);
        option.palette.setColor(QPalette::Text, Qt::black);
        list.delegate->paint(&painter, option, list.model->index(row, 0));
        painter.end();
        // The flag's 22 x 15 pixels from 2 in: some are coloured; the code's own ink is only grey.
        int coloured = 0;
        for (int x = left + 2; x < left + 24; ++x)
            for (int y = 2; y < 22; ++y) {
                const QColor c = image.pixelColor(x, y);
                if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60)
                    ++coloured;
            }
        QVERIFY2(coloured > 20, qPrintable(QString::number(coloured)));
        dlg.resize(1280, 800);
        SaveShot(&dlg, "TcheckPlayerDlg-flags");
    }

    void aPlayersDetailsReadTheSameInTheSquadViewAndTheAuction() {
        TScene s;
        TPlayer& p = s.Sellable();
        p.season.runningGoals = 4;
        p.career.appearances = 12;
        p.career.goals = 3;
        p.career.redCards = 1;
        p.career.injuriesCount = 2;
        p.suspendedGames = 1;
        p.injuredGames = 0;
        const std::string behaviour = "Behaviour : " + TPlayer::BehaviourName(p.behaviour());
        const std::vector<std::string> squadView{
            behaviour,   "Goals this season : 4", "Career :",       "  Games : 12",
            "  Gls : 3", "  Red cards : 1",       "  Injuries : 2", "Suspended for 1 game"};
        QCOMPARE(PlayerDetailLines(p, false), squadView);
        const std::vector<std::string> auction{behaviour, "Goals this season : 4",
                                               "Career : Games 12, Gls 3, Red cards 1, Injuries 2",
                                               "Suspended for 1 game"};
        QCOMPARE(PlayerDetailLines(p, true), auction);
    }

    void theLastTransfersFilterByPositionAndLevel() {
        TScene s;
        TWorld& w = *s.world;
        w.LastTransfersList.Clear();
        // Four records: a goalkeeper of level 30, a forward of level 29, a forward of level 31 and a
        // defender of level 50.
        const struct { int position, level; } rows[] = {{0, 30}, {3, 29}, {3, 31}, {1, 50}};
        std::vector<TLastTransfer*> records;
        for (const auto& r : rows) {
            TPlayer* player = nullptr;
            for (TPlayer* q : w.AllPlayers)
                if (q && q->position() == r.position) player = q;
            auto* record = new TLastTransfer(w);
            record->player = player;
            record->level = static_cast<std::int16_t>(r.level);
            // The rest as a sale records it, so that the picture of the window shows a full row.
            record->age = static_cast<std::uint8_t>(player->age());
            record->sellerId = player->Club()->id;
            record->buyerId = s.human->id;
            record->buyerHuman = 1;
            record->price = 1500000;
            w.LastTransfersList.Add(record);
            records.push_back(record);
        }
        TlastTransfersDlg dlg(w);
        QCOMPARE(dlg.Shown(), records);
        dlg.PositionBtn(3)->click();
        dlg.BestPlayersBtn()->click();
        QCOMPARE(dlg.Shown(), std::vector<TLastTransfer*>{records[2]});
        dlg.PositionBtn(0)->click();
        QCOMPARE(dlg.Shown(), (std::vector<TLastTransfer*>{records[0], records[2]}));
        QCOMPARE(dlg.ListBox()->model->rowCount(), 2);
        SaveShot(&dlg, "TlastTransfersDlg");
    }
};

QTEST_MAIN(MarketWindowsTest)
#include "market_windows_test.moc"
