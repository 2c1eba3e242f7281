// The referee aid, opened from a human club's screen for the game it prepares: the referee's name, both
// clubs, and the faces chosen by the referee's favour toward each, left out when the picture is missing.
#include "modal_fixture.h"
#include "seeded_career.h"

#include "datafiles/referee_attr.h"
#include "foundation/settings.h"
#include "ui/game/club/referee_aid_dlg.h"
#include "world/game.h"
#include "world/records.h"

#include <QLabel>

class RefereeAidDlgTest : public QObject {
    Q_OBJECT

private slots:
    void theFaceFollowsTheFavour() {
        const std::pair<int, const char*> cases[] = {{-2, "happy4.bmp"}, {3, "happy4.bmp"}, {4, "happy3.bmp"},
                                                     {6, "happy3.bmp"},  {7, "happy2.bmp"}, {9, "happy2.bmp"},
                                                     {10, "happy1.bmp"}, {15, "happy1.bmp"}};
        for (const auto& [favour, picture] : cases) QCOMPARE(FavourPicture(favour), std::string(picture));
    }

    void thePansFillWithTheFavour() {
        // favour x 100 / 15, whole per cent, held to 0..100.
        const std::pair<int, int> cases[] = {{-3, 0},  {0, 0},    {1, 6},   {7, 46},
                                             {14, 93}, {15, 100}, {22, 100}};
        for (const auto& [favour, percent] : cases) QCOMPARE(PanFillPercent(favour), percent);
    }

    void theClubScreensGameShowsItsReferee() {
        auto world = uitest::SeededCareer(5150, {"Ana"});
        GameSettings().directory = uitest::kGameDir;
        int shown = 0;
        world->DefaultPort().ClubScreenHook = [&](TTeam& club) {
            club.AutoLineup();
            TGame* game = nullptr;
            for (TGame* g : world->RoundGames)
                if (g != nullptr && (g->homeTeam == &club || g->awayTeam == &club)) game = g;
            QVERIFY(game != nullptr && game->referee != nullptr);
            QStringList texts;
            bool faces = false, closedByEnter = false;
            uitest::WithModal<TRefereeAidDlg>(
                [&] { ShowRefereeAid(*world, *game, nullptr); },
                [&](TRefereeAidDlg& dlg) {
                    texts = {dlg.LabelCaption()->text(), dlg.TextHomeTeam()->text(),
                             dlg.TextAwayTeam()->text()};
                    faces = !dlg.PictureHome()->isHidden() && !dlg.PictureAway()->isHidden();
                    uitest::Shot(&dlg, "TRefereeAidDlg");
                    QTest::keyClick(&dlg, Qt::Key_Return);
                    closedByEnter = !dlg.isVisible();
                });
            QCOMPARE(texts,
                     (QStringList{ToQString(game->referee->attr->Name()), ToQString(game->homeTeam->Name()),
                                  ToQString(game->awayTeam->Name())}));
            QVERIFY(faces);
            QVERIFY(closedByEnter);
            // Without the pictures the faces are left out.
            TRefereeAidDlg bare(*game, uitest::kGameDir + "/no such folder");
            QVERIFY(bare.PictureHome()->isHidden() && bare.PictureAway()->isHidden());
            ++shown;
        };
        PlayLeagueRound(*world, DefaultSeasonSteps());
        QCOMPARE(shown, 1);
    }
};

QTEST_MAIN(RefereeAidDlgTest)
#include "referee_aid_dlg_test.moc"
