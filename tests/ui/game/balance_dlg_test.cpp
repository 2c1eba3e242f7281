// The finance table over a seeded career after a played round: its rows are the club's booked money, the
// current season first and the two before it beside, and the season's result is what the round did to the
// club's cash.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "foundation/row_markup.h"
#include "ui/game/money/balance_dlg.h"

namespace {
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
        TTeam& club = uitest::HumanClub(*world);
        const std::int32_t cashBefore = club.balance();
        PlayLeagueRound(*world, DefaultSeasonSteps());
        const auto& now = club.season.financeTotals;
        QVERIFY(now[4] < 0); // the round paid wages: there is something to show
        // Earlier seasons as a saved game would hold them.
        club.seasonTotals = {1000000, 2000000, 0, -3000000, -4000000, 0, -50000};
        club.previousTotals = {700000, 0, 20000000, 0, -900000, -350000, 0};
        auto money = [&](std::int64_t amount) { return FormatMoney(amount, world->CurrencyRecord.suffix); };

        QString caption;
        std::vector<std::string> rows;
        const std::vector<std::uint8_t> before = world->SaveGameBytes();
        uitest::WithModal<TbalanceDlg>([&] { ShowBalanceDialog(*world, club, nullptr); },
                                       [&](TbalanceDlg& dlg) {
                                           caption = dlg.windowTitle();
                                           rows = dlg.RowTexts();
                                           uitest::Shot(&dlg, "TbalanceDlg");
                                       });
        QVERIFY(world->SaveGameBytes() == before);
        QCOMPARE(caption, ToQString(club.Name()));
        QCOMPARE(rows.size(), std::size_t(14));
        const std::int32_t year = world->SeasonYear;
        using TRow = std::vector<std::string>;
        QVERIFY(Cells(rows[0]) ==
                (TRow{"Season", std::to_string(year), std::to_string(year - 1), std::to_string(year - 2)}));
        // Tickets, salaries and stadium works, each season in its column.
        QVERIFY(Cells(rows[2]) == (TRow{"Tickets", money(now[0]), money(1000000), money(700000)}));
        QVERIFY(Cells(rows[6]) == (TRow{"Salaries", money(now[4]), money(-4000000), money(-900000)}));
        QVERIFY(Cells(rows[8]) == (TRow{"Stadium works", money(now[5]), money(0), money(-350000)}));
        // The results: this season's is what the round did to the cash; the earlier ones by hand.
        QVERIFY(Cells(rows[13]) ==
                (TRow{"Result", money(club.balance() - cashBefore), money(-4050000), money(19450000)}));
    }
};

QTEST_MAIN(BalanceDlgTest)
#include "balance_dlg_test.moc"
