// The finance table over a seeded career after a played round: its rows are the club's booked money, the
// current season first and the two before it beside, and the season's result is what the round did to the
// club's cash.
#include "seeded_career.h"
#include "window_shot.h"

#include "foundation/money_format.h"
#include "foundation/row_markup.h"
#include "ui/common/qt_text.h"
#include "ui/game/money/balance_dlg.h"
#include "world/team.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {
TTeam& HumanClub(TWorld& world) {
    for (TTeam* club : world.AllTeams)
        if (club != nullptr && club->IsHumanRun()) return *club;
    throw std::runtime_error("no human club");
}

// The texts of a painted row's cells.
std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> texts;
    for (const TRowCell& cell : ParseRowMarkup(row)) texts.push_back(cell.text);
    return texts;
}
} // namespace

class BalanceDlgTest : public QObject {
    Q_OBJECT

private slots:
    void theRowsAreTheClubsBookedMoney() {
        auto world = uitest::SeededCareer(5150, {"Ana"});
        TTeam& club = HumanClub(*world);
        const std::int32_t cashBefore = club.balance();
        PlayLeagueRound(*world, DefaultSeasonSteps());
        const auto& now = club.season.financeTotals;
        // The round sold tickets or paid wages: there is something to show.
        QVERIFY(now[4] < 0);
        // Earlier seasons as a saved game would hold them.
        club.seasonTotals = {1000000, 2000000, 0, -3000000, -4000000, 0, -50000};
        club.previousTotals = {700000, 0, 20000000, 0, -900000, -350000, 0};
        const auto suffix = world->CurrencyRecord.suffix;
        auto money = [&](std::int64_t amount) { return FormatMoney(amount, suffix); };

        // The dialog is read and closed first, so that a failed check never leaves it open.
        QString caption;
        std::vector<std::string> rows;
        QTimer::singleShot(0, [&] {
            if (auto* dlg = qobject_cast<TbalanceDlg*>(QApplication::activeModalWidget())) {
                caption = dlg->windowTitle();
                rows = dlg->RowTexts();
                uitest::Shot(dlg, "TbalanceDlg");
                QTest::keyClick(dlg, Qt::Key_Escape);
            }
        });
        const std::vector<std::uint8_t> before = world->SaveGameBytes();
        ShowBalanceDialog(*world, club, nullptr);
        QCOMPARE(caption, ToQString(club.Name()));
        QCOMPARE(rows.size(), std::size_t(14));
        QVERIFY(Cells(rows[0]) == (std::vector<std::string>{"Season", std::to_string(world->SeasonYear),
                                                            std::to_string(world->SeasonYear - 1),
                                                            std::to_string(world->SeasonYear - 2)}));
        // Tickets, salaries and stadium works, each season in its column.
        QVERIFY(Cells(rows[2]) ==
                (std::vector<std::string>{"Tickets", money(now[0]), money(1000000), money(700000)}));
        QVERIFY(Cells(rows[6]) ==
                (std::vector<std::string>{"Salaries", money(now[4]), money(-4000000), money(-900000)}));
        QVERIFY(Cells(rows[8]) ==
                (std::vector<std::string>{"Stadium works", money(now[5]), money(0), money(-350000)}));
        // The results: this season's is what the round did to the cash; the earlier ones by hand.
        QVERIFY(Cells(rows[13]) == (std::vector<std::string>{"Result", money(club.balance() - cashBefore),
                                                             money(-4050000), money(19450000)}));
        QVERIFY(world->SaveGameBytes() == before);
    }
};

QTEST_MAIN(BalanceDlgTest)
#include "balance_dlg_test.moc"
