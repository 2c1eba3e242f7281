// A whole season with one human coach through the windows: every club screen of his is driven by clicks
// and keys (a formation, a loan taken and repaid, the stadium enlarged, a player sold at auction, a
// listed player bought, a save in the middle of a round), the person's offer in another club's auction is
// typed in the auction window, the other windows of the season (cup draws, tables, news, the end of
// season) are answered as a person would; a second run loads the file saved at the club screen and finds
// itself at the same club screen.
#include "seeded_career.h"

#include "club/auction.h"
#include "club/market.h"
#include "foundation/format_text.h"
#include "foundation/money_format.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/common/trevan_button.h"
#include "ui/game/club/prepare_game_dlg.h"
#include "ui/game/club/squad_list.h"
#include "ui/game/market/auction_dlg.h"
#include "ui/game/match/match_pace.h"
#include "ui/game/match/penalty_dlg.h"
#include "ui/game/qt_user_port.h"
#include "ui/game/season/season_pace.h"
#include "world/selection.h"

#include "ui/game/club/plantel_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <map>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

QPushButton* Button(QWidget* dialog, const char* name) {
    QPushButton* button = dialog->findChild<QPushButton*>(name);
    if (button == nullptr) qFatal("no button %s in %s", name, qPrintable(dialog->objectName()));
    return button;
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs `act` on the next modal window named `name` as soon as it is up (the click that opens it waits in
// the window's own loop). A posted call and not a timer: the click comes from the person's timer, and the
// event loop of the desktop does not fire timers again inside a window opened from a timer's call.
void OnNextModal(const QString& name, std::function<void(QWidget*)> act) {
    QMetaObject::invokeMethod(
        qApp,
        [name, act] {
            QWidget* w = QApplication::activeModalWidget();
            if (w == nullptr || w->objectName() != name) {
                OnNextModal(name, act);
                return;
            }
            act(w);
        },
        Qt::QueuedConnection);
}

// Answers every modal window of the season the way a person at the screen would, and hands each club
// screen to `onClubScreen` and each turn of his club in an auction window to `onAuctionOffer`.
class TPerson : public QObject {
public:
    std::function<void(TprepareGameDlg&)> onClubScreen;
    std::function<void(TsellPlayerDlg&)> onAuctionOffer;
    // Every window that came up, by name: counted as it is shown, since at the season pace 0 the tables
    // and the end of season close themselves before a person could answer them.
    std::map<QString, int> shown;

    TPerson() {
        qApp->installEventFilter(this);
        timer_.setInterval(3);
        connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
        timer_.start();
    }

private:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->isWidgetType() &&
            static_cast<QWidget*>(object)->isWindow())
            ++shown[object->objectName()];
        return false;
    }

    void Tick() {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || busy_) return;
        busy_ = true;
        const QString name = w->objectName();
        if (w != last_) {
            last_ = w;
            ticks_ = 0;
        }
        ++ticks_;
        if (auto* screen = qobject_cast<TprepareGameDlg*>(w)) {
            onClubScreen(*screen);
            last_ = nullptr;
        } else if (name == "TEndOfSeasonDlg") {
            Click(Button(w, "OKBtn"));
        } else if (name == "TsorteioDlg") {
            QTest::keyClick(w, Qt::Key_Space); // the rest of the draw at once
            if (QPushButton* close = w->findChild<QPushButton*>("CloseBtn"); close && close->isEnabled())
                Click(close);
        } else if (auto* auction = qobject_cast<TsellPlayerDlg*>(w)) {
            // Another club's auction, and the person's club is asked for its offer.
            if (auction->PanelHumanOffer()->isVisible()) onAuctionOffer(*auction);
        } else if (name == "TjourneyDlg") {
            // The live matchday runs by itself at the fastest pace; once it stands still, it is closed.
            if (ticks_ > 3000) QTest::keyClick(w, Qt::Key_Return);
        } else if (auto* penalty = qobject_cast<TpenaltyDlg*>(w)) {
            // A penalty for the person's club: the first player of the list shoots; the kick closes itself.
            if (penalty->Players() != nullptr && !penalty->CanClose()) {
                penalty->Players()->view->setCurrentIndex(penalty->Players()->model->index(0));
                Click(penalty->ShootBtn());
            }
        } else if (ticks_ > 30) {
            // Tables, news, questions: read and closed.
            QTest::keyClick(w, Qt::Key_Escape);
            if (ticks_ > 60) QTest::keyClick(w, Qt::Key_Return);
        }
        busy_ = false;
    }

    QTimer timer_;
    bool busy_ = false;
    QWidget* last_ = nullptr;
    int ticks_ = 0;
};

bool IsLeagueGame(const TWorld& world, const TTeam& club) {
    for (const TGame* game : world.RoundGames)
        if (game != nullptr && (game->homeTeam == &club || game->awayTeam == &club))
            return game->kind == gkLeague;
    return false;
}

std::vector<int> Roles(const TTeam& club) {
    std::vector<int> roles;
    for (const TPlayer* p : club.players) roles.push_back(p->matchState.lineupRole);
    return roles;
}

} // namespace

class SeasonWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GameSettings().directory = uitest::kGameDir; }

    void aSeasonThroughTheWindowsAndItsResumeAtTheClubScreen() {
        SetMatchPace(0);
        SetSeasonPace(0); // the cup draws, the tables and the end of season run through at once
        SetAuctionTickInterval(1);
        const fs::path dir = fs::temp_directory_path() / ("clubscreen_season_" + std::to_string(getpid()));
        fs::create_directories(dir);
        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        auto world = uitest::SeededCareer(2026, {"Ana"}, false, &port);
        port.SetWorld(world.get());
        world->GameFilePath = (dir / "career.kbg").string();
        world->Options.gameTimeProfile = 4;         // the fastest matchday
        world->Options.viewPsychologicalLashes = 2; // the news of every coach change, the person's or not
        TTeam* human = nullptr;
        for (TTeam* club : world->AllTeams)
            if (club->IsHumanRun()) human = club;
        QVERIFY(human != nullptr);
        human->coach->buyInAuction = 0; // takes part in every auction he can

        struct Done {
            bool formation = false, borrowed = false, repaid = false, stadium = false, boughtListed = false;
            TPlayer* auctioned = nullptr;
            QString saleShown; // the auction window's last line when the person's player was sold
            TPlayer* wonAtAuction = nullptr;
            bool wonChecked = false;
            TPlayer* bought = nullptr;
            int savedRound = 0;
            std::vector<int> savedRoles;
        } done;
        int screens = 0;
        std::int32_t step = world->MoneyStep();
        const std::string suffix = world->CurrencyRecord.suffix;
        const auto soldText = [&](const TTeam& buyer, std::int64_t price) {
            return ToQString(Format(GetText(233), {buyer.ShortName(), FormatMoney(price, suffix)}));
        };

        TPerson person;
        person.onAuctionOffer = [&](TsellPlayerDlg& window) {
            // One offer, typed: a thousand above the best so far and at least the base price. His club is
            // the last to be asked, so that offer wins. Only what leaves him two thirds of his money.
            const TAuction& auction = window.ShownAuction();
            const std::int64_t thousands =
                std::max<std::int64_t>(auction.BestOffer() / 1000 + 1, auction.BasePrice() / 1000);
            const std::int64_t price = thousands * 1000;
            if (done.wonAtAuction != nullptr || price > human->balance() / 3) {
                Click(window.WithdrawBtn());
                return;
            }
            TPlayer& player = auction.Player();
            const std::int64_t balance = human->balance();
            done.wonAtAuction = &player;
            QTest::keyClicks(window.TextHumanOffer(), QString::number(thousands));
            QTest::keyClick(window.TextHumanOffer(), Qt::Key_Return);
            // The offer reached the auction: his club leads at that price.
            QVERIFY(!window.PanelHumanOffer()->isVisible());
            QCOMPARE(auction.Winner(), human);
            QCOMPARE(auction.BestOffer(), price);
            // When the auction is over the player is his, paid for, and the window said so.
            QObject::connect(&window, &QDialog::finished, [&, balance, price, window = &window] {
                QCOMPARE(player.Club(), human);
                QCOMPARE(std::int64_t(human->balance()), balance - price);
                QCOMPARE(window->TextTransferred()->text(), soldText(*human, price));
                done.wonChecked = true;
            });
        };
        person.onClubScreen = [&](TprepareGameDlg& screen) {
            ++screens;
            TTeam& club = screen.Club();
            QCOMPARE(&club, human);
            const int round = world->CurrentRound;
            if (!done.formation) {
                Click(screen.findChild<QPushButton*>("label442"));
                int starters[4] = {0, 0, 0, 0};
                for (TPlayer* p : club.players)
                    if (p->matchState.lineupRole == 1) ++starters[p->position()];
                QCOMPARE(starters[0], 1);
                QCOMPARE(starters[1] + starters[2] + starters[3], 10);
                done.formation = true;
            }
            if (!done.borrowed) {
                // The loan: one step borrowed in the loan window opened from the button bar.
                const std::int32_t balance = club.balance();
                OnNextModal("TloanDlg", [](QWidget* loan) {
                    Click(Button(loan, "borrowBtn"));
                    Click(Button(loan, "closeBtn"));
                });
                Click(screen.findChild<TTrevanButton*>("loanBtn"));
                QCOMPARE(club.loan, step);
                QCOMPARE(club.balance(), balance + step);
                done.borrowed = true;
                // The stadium one class larger.
                const int size = club.stadium.size;
                OnNextModal("TstadiumDlg", [](QWidget* stadium) {
                    Click(Button(stadium, "constructBtn"));
                    Click(Button(stadium, "closeBtn"));
                });
                Click(screen.findChild<TTrevanButton*>("stadiumBtn"));
                QCOMPARE(int(club.stadium.size), size + 1);
                done.stadium = true;
            } else if (!done.repaid && club.loan > 0) {
                OnNextModal("TloanDlg", [](QWidget* loan) {
                    Click(Button(loan, "payBtn"));
                    Click(Button(loan, "closeBtn"));
                });
                Click(screen.findChild<TTrevanButton*>("loanBtn"));
                QCOMPARE(club.loan, 0);
                done.repaid = true;
            }
            if (round >= 3 && done.auctioned == nullptr) {
                // A player put up for auction from the sale page: the best outfield player that may go,
                // at a low base price.
                TPlayer* pick = nullptr;
                for (TPlayer* p : club.players)
                    if (p->position() != 0 && club.CanSell(*p) == csMaySell &&
                        (!pick || p->level() > pick->level()))
                        pick = p;
                if (pick != nullptr) {
                    TSquadList* list = screen.ListBoxOfPlayers();
                    const QRect row = list->RowRect(list->RowOf(pick));
                    QTest::mouseClick(list->View()->viewport(), Qt::LeftButton, {},
                                      QPoint(200, row.center().y()));
                    QCOMPARE(screen.SelectedPlayer(), pick);
                    screen.findChild<QAction*>("Vender2")->trigger();
                    QCOMPARE(screen.Page(), int(TprepareGameDlg::pgSell));
                    screen.PriceEditor()->setValue(1);
                    QRadioButton* auctionNow = screen.HowToSell(1);
                    QTest::mouseClick(auctionNow, Qt::LeftButton, {}, QPoint(8, auctionNow->height() / 2));
                    QVERIFY(auctionNow->isChecked());
                    std::map<const TTeam*, std::int32_t> balances;
                    for (const TTeam* t : world->AllTeams) balances[t] = t->balance();
                    OnNextModal("TsellPlayerDlg", [&done](QWidget* w) {
                        auto* window = qobject_cast<TsellPlayerDlg*>(w);
                        QObject::connect(window, &QDialog::finished, [&done, window] {
                            done.saleShown = window->TextTransferred()->text();
                        });
                    });
                    Click(Button(&screen, "sellBtn"));
                    // Sold at once, to the club the auction window named, for the price it named: the
                    // buyer holds him, the money came in and the buyer paid it, as the transfer says.
                    done.auctioned = pick;
                    TTeam* buyer = pick->Club();
                    QVERIFY(buyer != nullptr && buyer != &club);
                    const std::int32_t price = club.balance() - balances[&club];
                    QVERIFY(price >= 1000);
                    QCOMPARE(done.saleShown, soldText(*buyer, price));
                    QCOMPARE(buyer->balance(), balances[buyer] - price);
                    const TLastTransfer* t = world->LastTransfersList[world->LastTransfersList.Count() - 1];
                    QVERIFY(t->player == pick && t->kind == 0 && t->sellerId == club.id);
                    QCOMPARE(t->buyerId, buyer->id);
                    QCOMPARE(t->price, price);
                }
            }
            if (round >= 4 && !done.boughtListed) {
                // A listed player of another club, bought at his price in the squad view opened from the
                // opponent's page (through the core's purchase where the squad view is not there).
                for (TPlayer* p : world->AllPlayers)
                    if (p->Club() != &club && p->Club() != nullptr && HumanMayBuy(club, *p) &&
                        p->askingPrice < club.balance() / 4) {
                        OnNextModal("TPlantelDlg", [p](QWidget* w) {
                            auto* view = qobject_cast<TPlantelDlg*>(w);
                            view->ShowClub(*p->Club(), p);
                            Click(view->BuyBtn());
                            view->close();
                        });
                        screen.ShowPage(TprepareGameDlg::pgOpponent);
                        Click(Button(&screen, "opponentPlantelBtn"));
                        QCOMPARE(int(p->soldToTeamId), int(club.id));
                        done.bought = p;
                        done.boughtListed = true;
                        break;
                    }
            }
            if (round == 5 && IsLeagueGame(*world, club) && done.savedRound == 0) {
                QApplication::setActiveWindow(&screen);
                const fs::file_time_type before = fs::last_write_time(world->GameFilePath);
                QTest::keyClick(&screen, Qt::Key_S, Qt::ControlModifier);
                QVERIFY(fs::last_write_time(world->GameFilePath) != before);
                QCOMPARE(screen.Page(), int(TprepareGameDlg::pgMessage));
                fs::copy_file(world->GameFilePath, dir / "at_club_screen.kbg",
                              fs::copy_options::overwrite_existing);
                done.savedRound = round;
                done.savedRoles = Roles(club);
            }
            if (!screen.PlayButton()->isEnabled()) Click(screen.findChild<QPushButton*>("labelAuto"));
            QVERIFY(screen.PlayButton()->isEnabled());
            QTest::keyClick(&screen, Qt::Key_Return);
        };

        PlaySeason(*world, DefaultSeasonSteps());
        QVERIFY(!world->QuitRequested);
        QVERIFY(screens >= 18);
        QCOMPARE(person.shown["TEndOfSeasonDlg"], 1);
        QVERIFY(done.formation && done.borrowed && done.repaid && done.stadium);
        // The person's player was sold at auction, and he won another club's auction with a typed offer.
        QVERIFY(done.auctioned != nullptr);
        QVERIFY(done.wonAtAuction != nullptr);
        QVERIFY(done.wonChecked);
        // The listed player came over after his round.
        QVERIFY(done.bought != nullptr);
        QCOMPARE(done.bought->Club(), human);
        QCOMPARE(done.savedRound, 5);
        // The season's own windows came up and were answered: the cup draws and the league tables.
        QVERIFY(person.shown["TsorteioDlg"] > 0);
        QVERIFY(person.shown["TclassificationDlg"] > 0);
        QVERIFY(person.shown["TjourneyDlg"] >= 18); // every matchday live
        QVERIFY(person.shown["TRoundNewsDlg"] > 0); // coaches were dismissed and hired during the season

        // The second run: the game saved at the club screen opens at that screen again.
        QWidget secondWindow;
        TQtUserPort second(&secondWindow);
        auto loaded = TWorld::LoadGame((dir / "at_club_screen.kbg").string(), &second);
        second.SetWorld(loaded.get());
        loaded->SetPort(second);
        loaded->GameFilePath = (dir / "second.kbg").string();
        int resumedAt = 0;
        std::int16_t resumedClub = 0;
        std::vector<int> resumedRoles;
        person.onClubScreen = [&](TprepareGameDlg& screen) {
            if (resumedClub == 0) {
                resumedClub = screen.Club().id;
                resumedAt = loaded->CurrentRound;
                resumedRoles = Roles(screen.Club());
            }
            screen.close(); // leaving the career
        };
        PlaySeason(*loaded, DefaultSeasonSteps());
        QCOMPARE(resumedClub, human->id);
        QCOMPARE(resumedAt, 5);
        QCOMPARE(resumedRoles, done.savedRoles);
        QVERIFY(loaded->QuitRequested);
        fs::remove_all(dir);
    }
};

QTEST_MAIN(SeasonWindowsTest)
#include "season_windows_test.moc"
