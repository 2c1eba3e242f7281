// The coach manager: a person added by name (a name in use refused), removed after Yes (No is the
// default), and the buttons that keep one coach at least.
#include "seeded_career.h"

#include "foundation/format_text.h"
#include "season/coach_manager.h"
#include "ui/common/object_list_view.h"
#include "ui/common/qt_text.h"
#include "ui/game/qt_user_port.h"
#include "ui/game/start/coach_manager_dlg.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// Answers the next modal dialog with `act` (it is shown by what the caller does next).
void Then(const std::function<void(QWidget&)>& act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal != nullptr);
        act(*modal);
    });
}
void TypeName(const QString& name) {
    Then([name](QWidget& w) {
        auto& input = static_cast<QInputDialog&>(w);
        QCOMPARE(input.objectName(), QString("InputText"));
        QCOMPARE(input.labelText(), ToQString(GetText(211)));
        QTest::keyClicks(input.findChild<QLineEdit*>(), name);
        input.accept();
    });
}
} // namespace

class CoachManagerDlgTest : public QObject {
    Q_OBJECT
private slots:
    void addsRefusesAndRemovesThePeoplePlaying() {
        QWidget main;
        TQtUserPort port(&main);
        auto world = uitest::SeededCareer(77, {"Ana"}, false, &port);
        port.SetWorld(world.get());
        TCoachManager manager(*world);
        TcoachManagerDlg dlg(manager, &main);
        dlg.show();
        QCOMPARE(dlg.ListBoxOfCoaches()->model->rowCount(), 1);
        QVERIFY(!dlg.RemoveBtn()->isEnabled()); // the only coach stays
        QVERIFY(dlg.CloseBtn()->isEnabled());

        TypeName("Carla");
        QTest::mouseClick(dlg.AddBtn(), Qt::LeftButton);
        const TCoach* carla = world->CoachByName("Carla");
        QVERIFY(carla && carla->isHuman && carla->CurrentClub() == nullptr);
        QCOMPARE(dlg.ListBoxOfCoaches()->model->rowCount(), 2);
        QCOMPARE(dlg.ListBoxOfCoaches()->Current(), static_cast<const TKolObject*>(carla));

        // A name in use, letter case aside, is refused with its message.
        TypeName("ANA");
        QString refusal;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            refusal = box->text();
            box->accept();
        });
        QTest::mouseClick(dlg.AddBtn(), Qt::LeftButton);
        QCOMPARE(refusal, ToQString(Format(GetText(447), {"ANA"})));
        QCOMPARE(dlg.ListBoxOfCoaches()->model->rowCount(), 2);

        // Remove asks first, No being the default; Yes removes him from the career.
        dlg.ListBoxOfCoaches()->Select(carla);
        QVERIFY(dlg.RemoveBtn()->isEnabled());
        Then([](QWidget& w) {
            auto& box = static_cast<QMessageBox&>(w);
            QCOMPARE(box.defaultButton(), box.button(QMessageBox::No));
            QTest::keyClick(&box, Qt::Key_Return); // the default: No
        });
        QTest::mouseClick(dlg.RemoveBtn(), Qt::LeftButton);
        QVERIFY(world->CoachByName("Carla") != nullptr);
        Then([](QWidget& w) { static_cast<QMessageBox&>(w).button(QMessageBox::Yes)->click(); });
        QTest::mouseClick(dlg.RemoveBtn(), Qt::LeftButton);
        QVERIFY(world->CoachByName("Carla") == nullptr);
        QCOMPARE(dlg.ListBoxOfCoaches()->model->rowCount(), 1);
        QVERIFY(!dlg.RemoveBtn()->isEnabled());
    }

    void addingStopsAtSixPeople() {
        QWidget main;
        TQtUserPort port(&main);
        auto world = uitest::SeededCareer(78, {"A1", "A2", "A3", "A4", "A5"}, false, &port);
        port.SetWorld(world.get());
        TCoachManager manager(*world);
        TcoachManagerDlg dlg(manager, &main);
        QVERIFY(dlg.AddBtn()->isEnabled());
        TypeName("A6");
        QTest::mouseClick(dlg.AddBtn(), Qt::LeftButton);
        QCOMPARE(dlg.ListBoxOfCoaches()->model->rowCount(), 6);
        QVERIFY(!dlg.AddBtn()->isEnabled());
    }
};

QTEST_MAIN(CoachManagerDlgTest)
#include "coach_manager_dlg_test.moc"
