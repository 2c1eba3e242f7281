// The dialog of the team check: the caption, the heading and one reason per set bit in ascending order.
#include "ui/editor/cant_save_team_dlg.h"

#include "datafiles/team_check.h"
#include "foundation/texts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class CantSaveTeamDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { OpenLabelsFile(KOLBRIN_BINARY_DIR "/bin/Int/en/KOLB2002_01_en.kbl"); }

    void listsTheReasonsInBitOrder() {
        const std::uint32_t flags = tcDuplicateFileName | tcTooManyStars | tcEmptyName | tcTooFewPlayers;
        TCantSaveTeamDlg dlg("FC Porto", flags);
        QCOMPARE(dlg.windowTitle(), QString("FC Porto"));
        QCOMPARE(dlg.Heading()->text().trimmed(), QString::fromStdString(GetText(65)));
        QCOMPARE(dlg.Reasons()->count(), 4);
        QCOMPARE(dlg.Reasons()->item(0)->text(), QString::fromStdString(GetText(54)));
        QCOMPARE(dlg.Reasons()->item(1)->text(), QString::fromStdString(GetText(57)));
        // Text 63 holds the star limit.
        const QString stars = dlg.Reasons()->item(2)->text();
        QVERIFY2(stars.contains('5') && !stars.contains('%'), qPrintable(stars));
        QCOMPARE(dlg.Reasons()->item(3)->text(), QString::fromStdString(GetText(313)));
        QCOMPARE(dlg.OKBtn()->text().trimmed(), QString::fromStdString(GetText(71)));
    }

    void everyBitHasAText() {
        const QStringList lines = TCantSaveTeamDlg::ReasonLines(0xFFF);
        QCOMPARE(lines.size(), 12);
        for (const QString& line : lines) QVERIFY(!line.trimmed().isEmpty());
        QVERIFY(TCantSaveTeamDlg::ReasonLines(0).isEmpty());
    }

    void theCheckOpensItAndOKClosesIt() {
        TTeamAttr team;
        team.SetShortName("Short");
        int shown = 0;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<TCantSaveTeamDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            shown = dlg->Reasons()->count();
            QCOMPARE(dlg->windowTitle(), QString("Short"));
            dlg->OKBtn()->click();
        });
        const bool ok = CheckTeam(
            team, {}, nullptr, "a.kbt", {}, true,
            [](const std::string& caption, std::uint32_t flags) { ShowCantSaveTeamDlg(caption, flags); });
        QVERIFY(!ok);
        // Empty name, unknown country (no countries loaded), too few players, no goalkeeper, too few
        // outfield, no coach.
        QCOMPARE(shown, 6);
    }
};

QTEST_MAIN(CantSaveTeamDlgTest)
#include "cant_save_team_dlg_test.moc"
