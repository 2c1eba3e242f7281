// SCRATCH (not committed): pictures of the season's windows for a person to look at.
#include "seeded_career.h"

#include "foundation/settings.h"
#include "season/cup_draw.h"
#include "season/season_honours.h"
#include "ui/common/print_list_dlg.h"
#include "ui/game/season/classification_dlg.h"
#include "ui/game/season/end_of_season_dlg.h"
#include "ui/game/season/sorteio_dlg.h"

#include <QApplication>
#include <QListView>
#include <QTest>
#include <QTimer>

static QString out(const char* name) {
    return QString("/tmp/seasonwin/shots/%1_%2.png").arg(name).arg(qgetenv("SHOT_TAG").constData());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    GameSettings().directory = uitest::kGameDir;
    auto world = uitest::SeededCareer(2024, {"Ana", "Bruno"});
    for (int r = 1; r <= 5; ++r) {
        world->CurrentRound = static_cast<std::int16_t>(r);
        PlayLeagueRound(*world, DefaultSeasonSteps());
        if (r % 2 == 0) PlayCupRound(*world, DefaultSeasonSteps());
    }
    {
        TclassificationDlg d(*world, 5, false, nullptr);
        d.show();
        d.ListBoxDivision(1)->setCurrentIndex(d.ListBoxDivision(1)->model()->index(3, 0));
        QTest::qWait(300);
        d.grab().save(out("classification"));
    }
    {
        TCupDraw draw(*world, 0);
        TsorteioDlg d(draw);
        d.show();
        d.Timer()->stop();
        for (int i = 0; i < 6; ++i) d.Tick();
        QTest::qWait(300);
        d.grab().save(out("draw_partial"));
        d.SkipToEnd();
        QTest::qWait(300);
        d.grab().save(out("draw_done"));
    }
    {
        TSeasonHonours copy;
        world->DefaultPort().EndOfSeasonHook = [&](const TSeasonHonours& h) { copy = h; };
        world->SetPort(world->DefaultPort());
        ShowEndOfSeason(*world, world->Divisions[0]->teams[0], world->Divisions[1]->teams[2]);
        TEndOfSeasonDlg d(copy);
        d.show();
        QTest::qWait(300);
        d.grab().save(out("end_of_season"));

    }
    {
        std::vector<TKolObject*> news;
        TLash a(*world, world->Divisions[0]->teams[1]->coach->id, world->Divisions[2]->teams[4]->id, true);
        TLash b(*world, world->Divisions[0]->teams[1]->coach->id, world->Divisions[3]->teams[4]->id, false);
        TLash c(*world, 0, 0, false);
        news = {&a, &b, &c};
        TPrintListDlg d(news, GetText(273), 0, 0, 0);
        d.show();
        QTest::qWait(300);
        d.grab().save(out("round_news"));
    }
    return 0;
}
