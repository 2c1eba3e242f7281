// The currency dialog: preselection from the setting, and the choice returned and remembered.
#include "ui/game/currency_dlg.h"

#include "foundation/currency.h"
#include "foundation/languages.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
CurrencyRecord Choose(TSettingsStore& store, const std::function<void(TcurrencyDlg&)>& act) {
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<TcurrencyDlg*>(QApplication::activeModalWidget());
        QVERIFY(dlg != nullptr);
        act(*dlg);
    });
    return ChooseCurrency(store);
}
} // namespace

class CurrencyDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { OpenLabelsFile(LabelsFilePath(KOLBRIN_BINARY_DIR "/bin", "en")); }

    void textsComeFromTheLabelsFile() {
        TMemorySettingsStore store;
        TcurrencyDlg dlg(store);
        QCOMPARE(dlg.windowTitle(), ToQString(GetCaptionText(519)));
        QCOMPARE(dlg.findChild<QLabel*>("labelCaption")->text(), ToQString(GetCaptionText(519)));
        QCOMPARE(dlg.findChild<QLabel*>("labelQuestion")->text(), ToQString(GetCaptionText(520)));
        QCOMPARE(dlg.OKBtn()->text(), ToQString(GetCaptionText(71)));
        if (qEnvironmentVariableIsSet("KOLBRIN_SHOT_DIR"))
            dlg.grab().save(qEnvironmentVariable("KOLBRIN_SHOT_DIR") + "/currency_dlg.png");
    }

    void listsTheFourNamesAndPreselectsTheStoredOne() {
        TMemorySettingsStore store;
        TcurrencyDlg none(store);
        QCOMPARE(none.ComboCurrency()->count(), 4);
        QCOMPARE(none.ComboCurrency()->itemText(2), QString("Reais (Brasil)"));
        QCOMPARE(none.ComboCurrency()->currentIndex(), 0);

        WriteSetting(store, kSettingCurrency, std::string("UK Pounds"));
        TcurrencyDlg stored(store);
        QCOMPARE(stored.ComboCurrency()->currentIndex(), 3);

        WriteSetting(store, kSettingCurrency, std::string("Pesetas"));
        TcurrencyDlg unknown(store);
        QCOMPARE(unknown.ComboCurrency()->currentIndex(), 0);
    }

    void theChosenRowIsTheAnswerAndIsStored() {
        TMemorySettingsStore store;
        const CurrencyRecord dollars = Choose(store, [](TcurrencyDlg& d) {
            d.ComboCurrency()->setCurrentIndex(1);
            d.OKBtn()->click();
        });
        QCOMPARE(dollars.name, std::string("US Dollars"));
        QCOMPARE(ReadSetting(store, kSettingCurrency), std::string("US Dollars"));

        // Closing the window another way still leaves a currency chosen.
        const CurrencyRecord pounds = Choose(store, [](TcurrencyDlg& d) {
            d.ComboCurrency()->setCurrentIndex(3);
            d.reject();
        });
        QCOMPARE(pounds.moneyStep, 250000);
        QCOMPARE(ReadSetting(store, kSettingCurrency), std::string("UK Pounds"));
    }
};

QTEST_MAIN(CurrencyDlgTest)
#include "currency_dlg_test.moc"
