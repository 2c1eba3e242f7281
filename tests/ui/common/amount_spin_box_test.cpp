// The amount editor (the club screen's sale price and new salary, the sale order's price in thousands): it
// shows the thousands grouped with a blank whatever the desktop's number format, reads what a player types
// with or without the blanks and around a suffix, and refuses letters and amounts above its maximum.
#include "ui/common/amount_spin_box.h"

#include <QLocale>
#include <QTest>

class AmountSpinBoxTest : public QObject {
    Q_OBJECT

    // Types into an emptied editor as a player does and confirms with Enter.
    static void Type(TAmountSpinBox& box, const QString& keys) {
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, keys);
        QTest::keyClick(&box, Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        // A desktop whose own grouping is a comma: the editor keeps the game's blank.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void showsTheThousandsWithABlank() {
        TAmountSpinBox box;
        box.setRange(0, 2000000000);
        const struct {
            int value;
            const char* shown;
        } cases[] = {{0, "0"}, {999, "999"}, {1000, "1 000"}, {52500, "52 500"}, {1250000, "1 250 000"}};
        for (const auto& c : cases) {
            box.setValue(c.value);
            QCOMPARE(box.text(), QString(c.shown));
        }
    }

    void readsWhatIsTypedWithOrWithoutBlanks() {
        TAmountSpinBox box;
        box.setRange(0, 2000000);
        box.show();
        Type(box, "2 500");
        QCOMPARE(box.value(), 2500);
        Type(box, "125000");
        QCOMPARE(box.value(), 125000);
        QCOMPARE(box.text(), QString("125 000"));
        // A digit added to the amount as it is shown, blanks and all.
        box.setValue(1000);
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClicks(&box, "0");
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.value(), 10000);
        QCOMPARE(box.text(), QString("10 000"));
    }

    void readsThousandsInFrontOfASuffixThatHoldsBlanks() {
        TAmountSpinBox box;
        box.setRange(0, 2000000);
        box.setSuffix(" 000 EUR");
        box.show();
        box.setValue(1234);
        QCOMPARE(box.text(), QString("1 234 000 EUR"));
        Type(box, "56 789");
        QCOMPARE(box.value(), 56789);
        QCOMPARE(box.text(), QString("56 789 000 EUR"));
    }

    void refusesLettersAndAmountsAboveTheMaximum() {
        TAmountSpinBox box;
        box.setRange(0, 5000);
        box.setValue(100);
        box.show();
        Type(box, "12x3");
        QCOMPARE(box.value(), 123);
        // The fourth 9 would pass the maximum: it and the fifth are refused.
        Type(box, "99999");
        QCOMPARE(box.value(), 999);
    }
};

QTEST_MAIN(AmountSpinBoxTest)
#include "amount_spin_box_test.moc"
