// The fields of a limited length show their count and limit inside them, kept up to date while typing,
// without the text running under the count.
#include "editor/editor_model.h"
#include "foundation/texts.h"
#include "ui/editor/length_hint.h"
#include "ui/editor/team_properties_dlg.h"

#include <QLineEdit>
#include <QtTest>

namespace {
const std::string kGameDir = KOLBRIN_BINARY_DIR "/bin";

TLengthHint* HintOf(QLineEdit* field) {
    return field->findChild<TLengthHint*>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

class LengthHintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { OpenLabelsFile(kGameDir + "/Int/en/KOLB2002_01_en.kbl"); }

    void everyLimitedFieldOfTheTeamDialogShowsItsCount() {
        TTeamProperties props;
        props.name = "Clube Desportivo";
        props.shortName = "Desportivo";
        props.coachName = "Rui Alves";
        props.country = "POR";
        props.fileNamePart = "desportivo";
        TteamPropertiesDlg dlg(props, kGameDir);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const std::pair<QLineEdit*, QString> expected[] = {{dlg.NameEdit(), "16/40"},
                                                           {dlg.ShortNameEdit(), "10/20"},
                                                           {dlg.CoachEdit(), "9/20"},
                                                           {dlg.FileNameEdit(), "10/20"}};
        for (const auto& [field, text] : expected) {
            TLengthHint* hint = HintOf(field);
            QVERIFY2(hint != nullptr, qPrintable(field->objectName()));
            QCOMPARE(hint->text(), text);
            QVERIFY(hint->isVisible());
            // Inside the field at its right edge, and the field's text stops before it.
            QVERIFY(field->rect().contains(hint->geometry()));
            QVERIFY(hint->geometry().right() > field->width() - 12);
            QVERIFY(field->textMargins().right() >= hint->width());
        }
        // Typing counts at once; at the limit the field takes no more and the count stays at it.
        QLineEdit* shortName = dlg.ShortNameEdit();
        shortName->selectAll();
        QTest::keyClicks(shortName, "Abc");
        QCOMPARE(HintOf(shortName)->text(), QString("3/20"));
        QTest::keyClicks(shortName, "defghijklmnopqrstuvwxyz");
        QCOMPARE(shortName->text().size(), 20);
        QCOMPARE(HintOf(shortName)->text(), QString("20/20"));
        // The count follows a wider field.
        dlg.resize(dlg.width() + 200, dlg.height());
        QTRY_VERIFY(HintOf(shortName)->geometry().right() > shortName->width() - 12);
    }
};

QTEST_MAIN(LengthHintTest)
#include "length_hint_test.moc"
