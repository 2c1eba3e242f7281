// The coach's history and the coach ranking over a seeded career: the history lists the coach's events
// under his name; the ranking lists every coach, numbered, best first.
#include "seeded_career.h"
#include "window_shot.h"

#include "ui/common/print_list_dlg.h"
#include "ui/common/qt_text.h"
#include "ui/game/club/coach_history_list.h"
#include "ui/game/club/coach_ranking_list.h"
#include "world/coach.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class CoachListsTest : public QObject {
    Q_OBJECT

private slots:
    void historyAndRanking() {
        auto world = uitest::SeededCareer(5150, {"Ana"});
        TCoach* ana = nullptr;
        for (TCoach* coach : world->AllCoaches)
            if (coach != nullptr && coach->IsHumanActive()) ana = coach;
        QVERIFY(ana != nullptr);
        // A champion of old, to lead the ranking.
        ana->SetPrestige(5000);
        ana->AddEvent(3, 0);

        QString caption;
        std::vector<std::string> rows;
        auto read = [&](const QString& shot) {
            QTimer::singleShot(0, [&, shot] {
                if (auto* dlg = qobject_cast<TPrintListDlg*>(QApplication::activeModalWidget())) {
                    caption = dlg->windowTitle();
                    rows = dlg->RowTexts();
                    uitest::Shot(dlg, shot);
                    QTest::keyClick(dlg, Qt::Key_Escape);
                }
            });
        };

        read("CoachHistory");
        ShowCoachHistory(*world, *ana, nullptr);
        QCOMPARE(caption, QString("Ana"));
        // The start at his club, then the title.
        QCOMPARE(rows.size(), std::size_t(2));
        QVERIFY(ToQString(rows[1]).contains("Won the league"));

        read("CoachRanking");
        ShowCoachRanking(*world, nullptr);
        QCOMPARE(caption, ToQString(GetCaptionText(126)));
        std::size_t coaches = 0;
        for (TCoach* coach : world->AllCoaches) coaches += coach != nullptr;
        QCOMPARE(rows.size(), coaches);
        QVERIFY(ToQString(rows[0]).contains("Ana"));
        QVERIFY(ToQString(rows[0]).contains("5000"));
    }
};

QTEST_MAIN(CoachListsTest)
#include "coach_lists_test.moc"
