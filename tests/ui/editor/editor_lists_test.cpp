// The editor's lists as a user meets them: the referee list's column widths, header sorting (a second
// click reverses, the header shows the order, the list starts at its top), the duplicate analysis leaving
// the user's order alone, the validity mark explained on hover, and names the files cannot hold refused by
// their character.
#include "editor_window_fixture.h"

#include "datafiles/team_check.h"
#include "editor/editor_texts.h"
#include "foundation/row_markup.h"
#include "ui/editor/analysis_dlg.h"
#include "ui/editor/cant_save_team_dlg.h"
#include "ui/editor/player_properties_dlg.h"
#include "ui/editor/referee_dlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

using namespace editor_window_test;
namespace fs = std::filesystem;

namespace {
QHeaderView* HeaderOf(QListView* view) {
    return view->parentWidget()->findChild<QHeaderView*>();
}
QStringList Rows(QListView* view) {
    QStringList rows;
    for (int i = 0; i < view->model()->rowCount(); ++i) rows << view->model()->index(i, 0).data().toString();
    return rows;
}
// The widget Tab moves to from `w`.
QWidget* NextTabStop(QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (next != w && !((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisible()))
        next = next->nextInFocusChain();
    return next;
}
void ClickSection(QHeaderView* header, int section) {
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}
} // namespace

class EditorListsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string data_;

private slots:
    void initTestCase() {
        StartEnglishAndCountries();
        QVERIFY(LabelsFileIsOpen());
        TeditorMain::SetGeometryStore(dir_.path() + "/geometry.ini");
    }
    void init() {
        data_ = MakeDataFolder(dir_, QTest::currentTestFunction());
        // More teams of other levels, so that sorting by level has something to do.
        for (int i = 0; i < 6; ++i) {
            TTeamFile f = MakeTeam("Team" + std::to_string(i), i % 2 ? "ESP" : "POR");
            f.team.SetLevel(3 + 2 * i);
            f.WriteFile(data_ + "/Teams/team" + std::to_string(i) + ".kbt", 2002);
        }
    }

    void refereeColumnsAreWideEnoughForTheirTexts() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        w.Pages()->setCurrentIndex(2);
        QHeaderView* header = HeaderOf(w.RefereesView());
        // Name 250 (and the painter's 2-pixel margin), country code 60: never the record's 40 and 3.
        QCOMPARE(header->sectionSize(0), 252);
        QCOMPARE(header->sectionSize(1), 60);
        const std::vector<TRowCell> cells = ParseRowMarkup(w.Model().Referees()[0]->GetListText(0));
        QCOMPARE(cells.size(), std::size_t(3));
        QCOMPARE(cells[0].width, 250);
        QCOMPARE(cells[1].width, 60);
    }

    void aSecondClickReversesAndTheListStartsAtTheTop() {
        TeditorMain w(OptionsFor(data_));
        w.resize(1000, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QHeaderView* header = HeaderOf(w.TeamsView());
        const int level = 3;
        ClickSection(header, level);
        QCOMPARE(w.Model().Teams()[0]->attr.Level(), 13); // strongest first
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), level);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        ClickSection(header, level);
        QCOMPARE(w.Model().Teams()[0]->attr.Level(), 3); // weakest first
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        for (int i = 1; i < w.Model().Teams().Count(); ++i)
            QVERIFY(w.Model().Teams()[i - 1]->attr.Level() <= w.Model().Teams()[i]->attr.Level());
        // A third click is the first order again.
        ClickSection(header, level);
        QCOMPARE(w.Model().Teams()[0]->attr.Level(), 13);

        // The all-players list, scrolled to its end with the last player selected, starts at its top
        // after a sort.
        w.Pages()->setCurrentIndex(1);
        QListView* players = w.AllPlayersView();
        QTRY_VERIFY(players->isVisible());
        w.SelectPlayer(w.Model().Players()[w.Model().Players().Count() - 1]);
        QTRY_VERIFY(players->verticalScrollBar()->value() > 0);
        ClickSection(HeaderOf(players), 0);
        QCOMPARE(players->verticalScrollBar()->value(), 0);
    }

    void theAnalysisKeepsTheUsersOrder() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        w.hcAllTeamsSectionClick(3);
        w.hcAllTeamsSectionClick(3);
        const QStringList teams = Rows(w.TeamsView());
        const QStringList players = Rows(w.AllPlayersView());
        bool shown = false;
        OnNextModal([&](QWidget* modal) {
            auto* dlg = qobject_cast<TAnalysisDlg*>(modal);
            shown = dlg != nullptr;
            if (dlg) dlg->Run();
            modal->close();
        });
        w.analyseBtnClick();
        QVERIFY(shown);
        QCOMPARE(Rows(w.TeamsView()), teams);
        QCOMPARE(Rows(w.AllPlayersView()), players);
    }

    void theValidityMarkExplainsItself() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        TEditorTeam* beta = nullptr;
        for (TEditorTeam* t : w.Model().Teams())
            if (t->attr.ShortName() == "Beta") beta = t;
        TTeamProperties p = w.Model().PropertiesOf(*beta);
        p.coachName.clear();
        w.Model().ApplyTeamProperties(*beta, p);
        w.SelectTeam(beta);
        QVERIFY(!beta->valid);
        const QModelIndex row = w.TeamsView()->currentIndex();
        const QString tip = row.data(Qt::ToolTipRole).toString();
        QVERIFY(tip.startsWith(QString::fromStdString(GetText(kTxtInvalidTeam))));
        // Every finding of the team check, in words (the missing coach among them).
        QVERIFY(beta->checkFlags & tcNoCoach);
        const QStringList reasons = TCantSaveTeamDlg::ReasonLines(beta->checkFlags);
        QVERIFY(!reasons.isEmpty());
        for (const QString& reason : reasons) QVERIFY2(tip.contains(reason), qPrintable(tip));
        const QModelIndex alfa = w.TeamsView()->model()->index(0, 0);
        QCOMPARE(alfa.data(Qt::ToolTipRole).toString(), QString::fromStdString(GetText(kTxtValidTeam)));
    }

    void aCharacterTheFilesCannotHoldIsRefusedByName() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        TEditorTeam* alfa = w.Model().Teams()[0];
        w.SelectTeam(alfa);
        TEditorPlayer* player = alfa->players[2];
        w.SelectPlayer(player);
        const std::string before = player->attr.Name();
        QString message;
        OnNextModal([&](QWidget* modal) {
            auto* dlg = qobject_cast<TPlayerPropertiesDlg*>(modal);
            QVERIFY(dlg);
            dlg->NameEdit()->setText(QString::fromUtf8("\xC5\x81ukasz \xC5\xBB"
                                                       "ak"));
            OnNextModal([&, dlg](QWidget* box) {
                message = static_cast<QMessageBox*>(box)->text();
                box->close();
                QTimer::singleShot(10, dlg, &QDialog::reject);
            });
            dlg->OKBtn()->click();
        });
        w.menuPlayerEditClick();
        QVERIFY2(message.contains(QString::fromUtf8("\xC5\x81")), qPrintable(message));
        QCOMPARE(player->attr.Name(), before);

        // The team page's own fields: the name is refused and the stored one shown again.
        auto* shortName = w.TeamPanel()->findChild<QLineEdit*>("shortNameEdit");
        message.clear();
        AnswerNextBox(QMessageBox::Ok, &message);
        shortName->setText(QString::fromUtf8("Wis\xC5\x82"
                                             "a"));
        emit shortName->editingFinished();
        QVERIFY2(message.contains(QString::fromUtf8("\xC5\x82")), qPrintable(message));
        QCOMPARE(alfa->attr.ShortName(), std::string("Alfa"));
        QCOMPARE(shortName->text(), QStringLiteral("Alfa"));

        // Referees too; a name Windows-1252 holds ("Müller") passes.
        w.Pages()->setCurrentIndex(2);
        w.SelectReferee(w.Model().Referees()[0]);
        OnNextModal([&](QWidget* modal) {
            auto* dlg = qobject_cast<TRefereeDlg*>(modal);
            QVERIFY(dlg);
            dlg->NameEdit()->setText(QString::fromUtf8("\xC4\x8C"
                                                       "ech"));
            OnNextModal([&, dlg](QWidget* box) {
                box->close();
                QTimer::singleShot(10, [dlg] {
                    dlg->NameEdit()->setText(QString::fromUtf8("M\xC3\xBCller"));
                    dlg->OKBtn()->click();
                });
            });
            dlg->OKBtn()->click();
        });
        w.menuEditRefereeClick();
        QCOMPARE(w.Model().Referees()[0]->Name(), std::string("M\xFCller"));
    }

    void tabFollowsTheTeamPage() {
        TeditorMain w(OptionsFor(data_));
        w.show();
        w.SelectTeam(w.Model().Teams()[0]);
        QWidget* field = w.TeamPanel()->findChild<QLineEdit*>("nameEdit");
        QStringList order;
        for (int i = 0; i < 4; ++i) order << (field = NextTabStop(field))->objectName();
        // Row by row: short name and coach, then the level beside the country, then the file name.
        QCOMPARE(order, (QStringList{"shortNameEdit", "coachEdit", "levelBar", "fileNameEdit"}));
    }

    void statusPanelsFitTheirTextsInBothLanguages() {
        // A large font, as a user with 150 % text would have.
        const QFont normal = QApplication::font();
        QFont large = normal;
        large.setPointSizeF(normal.pointSizeF() * 1.5);
        QApplication::setFont(large);
        for (const char* language : {"pt", "en"}) {
            OpenLabelsFile(std::string(KOLBRIN_BINARY_DIR "/bin/Int/") + language + "/KOLB2002_01_" +
                           language + ".kbl");
            TeditorMain w(OptionsFor(data_));
            w.show();
            w.SelectTeam(w.Model().Teams()[0]);
            for (int i = 0; i < 4; ++i) {
                QLabel* panel = w.StatusPanel(i);
                QVERIFY(!panel->text().isEmpty());
                const auto needed = [panel] { return panel->fontMetrics().horizontalAdvance(panel->text()); };
                QTRY_VERIFY2(panel->width() > needed(),
                             qPrintable(QStringLiteral("%1: panel %2 is %3 wide for %4: %5")
                                            .arg(language)
                                            .arg(i)
                                            .arg(panel->width())
                                            .arg(needed())
                                            .arg(panel->text())));
            }
        }
        QApplication::setFont(normal);
    }

    void cleanupTestCase() { ResetCountries(); }
};

QTEST_MAIN(EditorListsTest)
#include "editor_lists_test.moc"
