// The editor never loses a team, a player or a referee to a single keystroke: removing asks first, Delete
// acts only on the list that has the focus, and the editor can be left without saving (asking first when
// something changed) even while a team is invalid.
#include "editor_window_fixture.h"

#include <QListView>

using namespace editor_window_test;
namespace fs = std::filesystem;

class EditorRemovalTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string data_;

    // Shows the window and gives `view` the keyboard focus, as a click in the list would.
    static void Focus(TeditorMain& w, QWidget* view) {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
    }

private slots:
    void initTestCase() {
        StartEnglishAndCountries();
        QVERIFY(LabelsFileIsOpen());
        TeditorMain::SetGeometryStore(dir_.path() + "/geometry.ini");
    }
    void init() { data_ = MakeDataFolder(dir_, QTest::currentTestFunction()); }

    void removingATeamAsksFirst() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        TEditorTeam* gama = nullptr;
        for (TEditorTeam* t : w.Model().Teams())
            if (t->attr.ShortName() == "Gama") gama = t;
        QVERIFY(gama && gama->currentProvisory);
        w.SelectTeam(gama);
        QString question;
        AnswerNextBox(QMessageBox::No, &question);
        w.menuTeamRemoveClick();
        QVERIFY(question.contains(QStringLiteral("Gama")));
        QCOMPARE(w.Model().Teams().Count(), 3);
        QCOMPARE(w.SelectedTeam(), gama);
        QVERIFY(w.Model().Players().Count() == 42);
        AnswerNextBox(QMessageBox::Yes);
        w.menuTeamRemoveClick();
        QCOMPARE(w.Model().Teams().Count(), 2);
        QCOMPARE(w.Model().Players().Count(), 28);
    }

    void deleteActsOnlyOnTheFocusedList() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        TEditorTeam* alfa = w.Model().Teams()[0];
        w.SelectTeam(alfa);
        w.SelectPlayer(alfa->players[1]);
        TEditorPlayer* chosen = alfa->players[1];

        // On the team list (an effective team, which cannot be removed) Delete touches no player.
        auto stray = AnswerNextBox(QMessageBox::Yes);
        Focus(w, w.TeamsView());
        QTest::keyClick(w.TeamsView(), Qt::Key_Delete);
        QTest::qWait(50);
        *stray = false;
        QCOMPARE(alfa->players.Count(), 14);
        QCOMPARE(w.Model().Teams().Count(), 3);
        QCOMPARE(w.SelectedPlayer(), chosen);

        // On the squad it removes the player, after asking; No keeps him.
        Focus(w, w.TeamPlayersView());
        QString question;
        AnswerNextBox(QMessageBox::No, &question);
        QTest::keyClick(w.TeamPlayersView(), Qt::Key_Delete);
        QVERIFY(question.contains(QString::fromStdString(chosen->attr.Name())));
        QCOMPARE(alfa->players.Count(), 14);
        AnswerNextBox(QMessageBox::Yes);
        Focus(w, w.TeamPlayersView());
        QTest::keyClick(w.TeamPlayersView(), Qt::Key_Delete);
        QCOMPARE(alfa->players.Count(), 13);

        // The referee list removes referees, and asks too.
        w.Pages()->setCurrentIndex(2);
        w.SelectReferee(w.Model().Referees()[0]);
        Focus(w, w.RefereesView());
        AnswerNextBox(QMessageBox::No, &question);
        QTest::keyClick(w.RefereesView(), Qt::Key_Delete);
        QVERIFY(question.contains(QStringLiteral("Um Arbitro")));
        QCOMPARE(w.Model().Referees().Count(), 1);
        AnswerNextBox(QMessageBox::Yes);
        Focus(w, w.RefereesView());
        QTest::keyClick(w.RefereesView(), Qt::Key_Delete);
        QCOMPARE(w.Model().Referees().Count(), 0);
        QCOMPARE(alfa->players.Count(), 13);
    }

    void theMenuItemAsksBeforeRemovingAPlayer() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        TEditorTeam* beta = w.Model().Teams()[1];
        w.SelectTeam(beta);
        w.SelectPlayer(beta->players[4]);
        AnswerNextBox(QMessageBox::No);
        w.Action("MenuPlayerRemove")->trigger();
        QCOMPARE(beta->players.Count(), 14);
        AnswerNextBox(QMessageBox::Yes);
        w.Action("MenuPlayerRemove")->trigger();
        QCOMPARE(beta->players.Count(), 13);
    }

    void exitWithoutSavingLeavesEveryFileAsItWas() {
        const auto betaBefore = fs::last_write_time(data_ + "/Teams/beta.kbt");
        TeditorMain w(OptionsFor(data_));
        w.show();
        // An invalid team stops the saving exit...
        TEditorTeam* beta = w.Model().Teams()[1];
        TTeamProperties p = w.Model().PropertiesOf(*beta);
        p.coachName.clear();
        w.Model().ApplyTeamProperties(*beta, p);
        QVERIFY(w.HasUnsavedChanges());
        // ...but not this one, which asks first because something changed; No stays.
        QString question;
        AnswerNextBox(QMessageBox::No, &question);
        QVERIFY(!w.exitWithoutSavingClick());
        QVERIFY(!question.isEmpty());
        QVERIFY(w.isVisible());
        AnswerNextBox(QMessageBox::Yes);
        QVERIFY(w.exitWithoutSavingClick());
        QVERIFY(!w.isVisible());
        QCOMPARE(TTeamFile::ReadFile(data_ + "/Teams/beta.kbt", 2002).coach.Name(),
                 std::string("Mister Beta"));
        QCOMPARE(fs::last_write_time(data_ + "/Teams/beta.kbt"), betaBefore);
    }

    void exitWithoutSavingAsksNothingWhenNothingChanged() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        QVERIFY(!w.HasUnsavedChanges());
        bool asked = false;
        auto watcher = OnNextModal([&](QWidget* modal) {
            asked = true;
            modal->close();
        });
        QVERIFY(w.exitWithoutSavingClick());
        *watcher = false;
        QVERIFY(!asked);
        QVERIFY(!w.isVisible());
    }

    void cleanupTestCase() { ResetCountries(); }
};

QTEST_MAIN(EditorRemovalTest)
#include "editor_removal_test.moc"
