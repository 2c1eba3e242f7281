// Where windows open: a dialog centred over the window it belongs to (not at the screen's corner), and the
// editor's main window resizable, fitting the screen the first time and keeping the size the user gave it.
#include "editor_window_fixture.h"

#include "ui/common/window_placement.h"
#include "ui/editor/referee_dlg.h"

#include <QScreen>

using namespace editor_window_test;

class DialogPlacementTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        StartEnglishAndCountries();
        QVERIFY(LabelsFileIsOpen());
    }

    void aDialogOpensCentredOverItsWindow() {
        TeditorMain::SetGeometryStore(dir_.path() + "/centre.ini");
        TeditorMain w(OptionsFor(MakeDataFolder(dir_, "centre")));
        w.setGeometry(120, 90, 600, 420);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QPoint centre, parentCentre;
        OnNextModal([&](QWidget* modal) {
            QVERIFY(qobject_cast<TRefereeDlg*>(modal));
            centre = modal->frameGeometry().center();
            parentCentre = w.frameGeometry().center();
            static_cast<QDialog*>(modal)->reject();
        });
        w.menuNewRefereeClick();
        QVERIFY(!parentCentre.isNull());
        QVERIFY2((centre - parentCentre).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("dialog centre %1,%2 window centre %3,%4")
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(parentCentre.x())
                                .arg(parentCentre.y())));
    }

    void aDialogLargerThanItsWindowStaysOnTheScreen() {
        QWidget parent;
        parent.setGeometry(0, 0, 100, 80);
        parent.show();
        QDialog dialog(&parent);
        dialog.resize(400, 300);
        CenterOverParent(&dialog);
        const QRect area = parent.screen()->availableGeometry();
        QVERIFY(area.contains(dialog.frameGeometry().topLeft()));
    }

    void aDialogLargerThanTheScreenIsMadeToFitIt() {
        QWidget parent;
        parent.setGeometry(0, 0, 100, 80);
        parent.show();
        const QRect area = parent.screen()->availableGeometry();
        QDialog dialog(&parent);
        dialog.resize(area.width() + 300, area.height() + 200);
        CenterOverParent(&dialog);
        QVERIFY(area.contains(dialog.frameGeometry()));
        // One that cannot be made so small keeps its least size, its corner on the screen.
        QDialog rigid(&parent);
        rigid.setMinimumSize(area.width() + 50, 100);
        rigid.resize(area.width() + 300, area.height() + 200);
        CenterOverParent(&rigid);
        QCOMPARE(rigid.size(), QSize(area.width() + 50, area.height()));
        QVERIFY(area.contains(rigid.frameGeometry().topLeft()));
    }

    void theMainWindowFitsTheScreenAndKeepsItsSize() {
        const QString store = dir_.path() + "/size.ini";
        TeditorMain::SetGeometryStore(store);
        const std::string data = MakeDataFolder(dir_, "size");
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        {
            TeditorMain w(OptionsFor(data));
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            // Never larger than the screen's free area, and it can be made as small as a 1366 x 768
            // screen at 150 % leaves (about 910 x 480).
            QVERIFY(w.width() <= screen.width() && w.height() <= screen.height());
            QVERIFY(w.minimumWidth() < w.maximumWidth());
            const QSize least = w.minimumSizeHint().expandedTo(w.minimumSize());
            QVERIFY2(least.width() <= 910 && least.height() <= 480,
                     qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
            w.resize(700, 500);
            QVERIFY(w.exitWithoutSavingClick());
        }
        TeditorMain again(OptionsFor(data));
        again.show();
        QCOMPARE(again.size(), QSize(700, 500));
    }

    void cleanupTestCase() { ResetCountries(); }
};

QTEST_MAIN(DialogPlacementTest)
#include "dialog_placement_test.moc"
