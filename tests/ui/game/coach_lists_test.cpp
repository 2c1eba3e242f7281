// The coach's history and the coach ranking over a seeded career: the history lists the coach's events
// under his name; the ranking lists every coach, numbered, best first.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "ui/common/print_list_dlg.h"
#include "ui/game/club/coach_history_list.h"
#include "ui/game/club/coach_ranking_list.h"
#include "world/coach.h"

class CoachListsTest : public QObject {
    Q_OBJECT

private slots:
    void historyAndRanking() {
        auto world = uitest::SeededCareer(5150, {"Ana"});
        TCoach* ana = uitest::HumanClub(*world).coach;
        // A champion of old, to lead the ranking.
        ana->SetPrestige(5000);
        ana->AddEvent(3, 0);
        QString caption;
        std::vector<std::string> rows;
        auto read = [&](const QString& shot) {
            return [&, shot](TPrintListDlg& dlg) {
                caption = dlg.windowTitle();
                rows = dlg.RowTexts();
                uitest::Shot(&dlg, shot);
            };
        };

        uitest::WithModal<TPrintListDlg>([&] { ShowCoachHistory(*world, *ana, nullptr); },
                                         read("CoachHistory"));
        QCOMPARE(caption, QString("Ana"));
        // The start at his club, then the title.
        QCOMPARE(rows.size(), std::size_t(2));
        QVERIFY(ToQString(rows[1]).contains("Won the league"));

        uitest::WithModal<TPrintListDlg>([&] { ShowCoachRanking(*world, nullptr); }, read("CoachRanking"));
        QCOMPARE(caption, ToQString(GetCaptionText(126)));
        std::size_t coaches = 0;
        for (TCoach* coach : world->AllCoaches) coaches += coach != nullptr;
        QCOMPARE(rows.size(), coaches);
        QVERIFY(ToQString(rows[0]).contains("Ana") && ToQString(rows[0]).contains("5000"));
    }
};

QTEST_MAIN(CoachListsTest)
#include "coach_lists_test.moc"
