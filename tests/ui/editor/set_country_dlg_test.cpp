// The country picker and the owner-drawn country row, on the shipped data folder of the build (countries,
// groups, flags and the English texts).
#include "ui/common/country_row_delegate.h"
#include "ui/editor/set_country_dlg.h"

#include "datafiles/countries.h"
#include "foundation/texts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
const std::string kGameDir = KOLBRIN_BINARY_DIR "/bin";

QRgb PixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}
} // namespace

class SetCountryDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        OpenLabelsFile(kGameDir + "/Int/en/KOLB2002_01_en.kbl");
        LoadCountriesOfLanguage(kGameDir, "en", [](const std::string& text, const std::string& caption) {
            QFAIL(qPrintable(QString::fromStdString(caption + ": " + text)));
        });
        QVERIFY(FindCountry(kFindByCode, "POR") != nullptr);
        QVERIFY(AllCountries().Count() >= 8);
    }
    void init() { MustChooseCountry = false; }

    void preselectsTheGivenCodeAndReturnsTheChoice() {
        TSetCountryDlg dlg("POR", kGameDir);
        QCOMPARE(dlg.windowTitle().trimmed(), QString::fromStdString(GetText(75)));
        QCOMPARE(dlg.findChild<QLabel*>("label")->text().trimmed(), QString::fromStdString(GetText(78)));
        QCOMPARE(dlg.CountryList()->count(), AllCountries().Count());
        QCOMPARE(dlg.CountryList()->currentText(),
                 QString::fromStdString(FindCountry(kFindByCode, "POR")->Name()));
        QVERIFY(dlg.OKBtn()->isEnabled());
        QVERIFY(dlg.windowFlags().testFlag(Qt::FramelessWindowHint));
        // Another country chosen from the list.
        const TCountry* second = AllCountries()[1];
        dlg.CountryList()->setCurrentIndex(1);
        dlg.OKBtn()->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.ChosenCode(), second->Code());
    }

    void okFollowsTheComboText() {
        TSetCountryDlg dlg("???", kGameDir);
        QCOMPARE(dlg.CountryList()->currentIndex(), -1);
        QVERIFY(!dlg.OKBtn()->isEnabled());
        const QString name = QString::fromStdString(AllCountries()[0]->Name());
        dlg.CountryList()->setEditText(name.left(name.size() - 1));
        QVERIFY(!dlg.OKBtn()->isEnabled());
        dlg.CountryList()->setEditText(name);
        QVERIFY(dlg.OKBtn()->isEnabled());
        // Enter in the text acts as OK.
        QTest::keyClick(dlg.CountryList()->lineEdit(), Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.ChosenCode(), AllCountries()[0]->Code());
    }

    void escapeCancelsUnlessAChoiceIsRequired() {
        {
            TSetCountryDlg dlg("POR", kGameDir);
            dlg.show();
            QVERIFY(dlg.CancelBtn()->isVisible());
            QTest::keyClick(&dlg, Qt::Key_Escape);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
        }
        MustChooseCountry = true;
        TSetCountryDlg dlg("POR", kGameDir);
        dlg.show();
        QVERIFY(!dlg.CancelBtn()->isVisible());
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
    }

    void pickCountryReturnsTheCodeOnlyOnOK() {
        std::string code = "POR";
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<TSetCountryDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->CountryList()->setCurrentIndex(2);
            dlg->OKBtn()->click();
        });
        QVERIFY(PickCountry(code, kGameDir));
        QCOMPARE(code, AllCountries()[2]->Code());
        const std::string before = code;
        QTimer::singleShot(0, [] {
            qobject_cast<TSetCountryDlg*>(QApplication::activeModalWidget())->CancelBtn()->click();
        });
        QVERIFY(!PickCountry(code, kGameDir));
        QCOMPARE(code, before);
    }

    void aRowShowsFlagNameAndCounts() {
        TCountry* por = FindCountry(kFindByCode, "POR");
        QVERIFY(FlagFile(kGameDir, "POR").exists);
        por->wantedTeams = 3;
        por->selected = true;
        TCountryRowDelegate counts(kGameDir, true);
        TCountryRowDelegate plain(kGameDir, false);
        QVERIFY(!counts.Flag("POR").isNull());
        QVERIFY(counts.Flag("XYZ").isNull());

        QImage image(400, TCountryRowDelegate::kRowHeight, QImage::Format_RGB32);
        {
            QPainter p(&image);
            counts.PaintRow(p, image.rect(), QString::fromStdString(por->Name()), false);
        }
        // A selected country's row is yellow when counts are shown; the flag starts one pixel below the top.
        QCOMPARE(PixelAt(image, 399, 30), QRgb(0xFFFF00));
        QCOMPARE(PixelAt(image, 10, 0), QRgb(0xFFFF00));
        const QImage flag = counts.Flag("POR").toImage();
        QCOMPARE(PixelAt(image, 20, 14), flag.pixel(20, 13) & 0xFFFFFF);
        QCOMPARE(PixelAt(image, 0, 1), flag.pixel(0, 0) & 0xFFFFFF);
        // The count ends left of 254 and the word starts at 254: black pixels on both sides.
        auto darkIn = [&](int x0, int x1) {
            for (int x = x0; x < x1; ++x)
                for (int y = 5; y < 28; ++y)
                    if (qGray(image.pixel(x, y)) < 100) return true;
            return false;
        };
        QVERIFY(darkIn(240, 254));
        QVERIFY(darkIn(256, 300));
        image.fill(Qt::red);
        {
            QPainter p(&image);
            plain.PaintRow(p, image.rect(), QString::fromStdString(por->Name()), false);
        }
        QCOMPARE(PixelAt(image, 399, 30), QRgb(0xFFFFFF)); // white without counts
        QVERIFY(!darkIn(240, 399));                        // nothing beyond the name
        image.fill(Qt::red);
        {
            QPainter p(&image);
            plain.PaintRow(p, image.rect(), "no such country", false);
        }
        QCOMPARE(PixelAt(image, 399, 30), QRgb(0xFFFFFF));
        QVERIFY(darkIn(0, 44)); // the text starts at the left edge, with no flag room
        por->selected = false;
        por->wantedTeams = 0;
    }

    void screenshotOfThePickerWithFlags() {
        TSetCountryDlg dlg("POR", kGameDir);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.CountryList()->showPopup();
        QTest::qWait(50);
        QWidget* popup = dlg.CountryList()->view()->window();
        QVERIFY(popup->isVisible());
        const QImage top = dlg.grab().toImage();
        const QImage list = popup->grab().toImage();
        QImage shot(std::max(top.width(), list.width()), top.height() + list.height(), QImage::Format_RGB32);
        shot.fill(Qt::gray);
        {
            QPainter p(&shot);
            p.drawImage(0, 0, top);
            p.drawImage(0, top.height(), list);
        }
        QDir().mkpath(KOLBRIN_BINARY_DIR "/screenshots");
        QVERIFY(shot.save(KOLBRIN_BINARY_DIR "/screenshots/set_country_dlg.png"));
        dlg.CountryList()->hidePopup();

        // The rows with team counts, as the country selection of a new career shows them.
        QListWidget counts;
        counts.setItemDelegate(new TCountryRowDelegate(kGameDir, true, &counts));
        for (int i = 0; i < 4; ++i) {
            TCountry* c = AllCountries()[i];
            c->wantedTeams = static_cast<std::int16_t>(i * 5 + 1);
            c->selected = i % 2 == 0;
            counts.addItem(QString::fromStdString(c->Name()));
        }
        counts.addItem("(not a country)");
        counts.resize(340, 5 * TCountryRowDelegate::kRowHeight + 4);
        counts.show();
        QVERIFY(QTest::qWaitForWindowExposed(&counts));
        QVERIFY(counts.grab().save(KOLBRIN_BINARY_DIR "/screenshots/country_rows_with_counts.png"));
        for (int i = 0; i < 4; ++i) {
            AllCountries()[i]->wantedTeams = 0;
            AllCountries()[i]->selected = false;
        }
    }
};

QTEST_MAIN(SetCountryDlgTest)
#include "set_country_dlg_test.moc"
