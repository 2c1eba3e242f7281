// The language selection over the data folder laid out by the build (<build>/bin/Int with English and
// Portuguese) and over copies of it with damaged or missing parts.
#include "ui/common/select_lang_dlg.h"

#include "foundation/settings.h"
#include "foundation/texts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
const std::string kBuiltGameDir = KOLBRIN_BINARY_DIR "/bin";
constexpr int kFlagRole = Qt::UserRole + 1;

// Runs SelectLanguage on `gameDir` and lets `act` work on the dialog once it is shown.
std::string Select(const std::string& gameDir, const std::function<void(TSelectLangDlg&)>& act) {
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<TSelectLangDlg*>(QApplication::activeModalWidget());
        QVERIFY(dlg != nullptr);
        act(*dlg);
    });
    return SelectLanguage(gameDir);
}

void CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& f : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            CopyFolder(f.filePath(), to + "/" + f.fileName());
        else
            QFile::copy(f.filePath(), to + "/" + f.fileName());
    }
}
} // namespace

class SelectLangDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Kolbrin 2002"); }

    void languagesAreSortedAndTheFirstIsPreselected() {
        TSelectLangDlg dlg(FindLanguages(kBuiltGameDir), kBuiltGameDir);
        QCOMPARE(dlg.windowTitle(), QString("Kolbrin 2002"));
        QCOMPARE(dlg.ComboLanguage()->count(), 2);
        QCOMPARE(dlg.ComboLanguage()->itemText(0), QString("English"));
        QCOMPARE(dlg.ComboLanguage()->itemText(1), QString::fromUtf8("Portugu\xC3\xAAs"));
        QCOMPARE(dlg.ComboLanguage()->currentIndex(), 0);
        QVERIFY(dlg.OKBtn()->isEnabled());
        // Both shipped flags pass their check.
        QVERIFY(!dlg.ComboLanguage()->itemData(0, kFlagRole).value<QPixmap>().isNull());
        QVERIFY(!dlg.ComboLanguage()->itemData(1, kFlagRole).value<QPixmap>().isNull());
        if (qEnvironmentVariableIsSet("KOLBRIN_SHOT_DIR"))
            dlg.grab().save(qEnvironmentVariable("KOLBRIN_SHOT_DIR") + "/select_lang_dlg.png");
    }

    void namesAreSortedWhateverTheGivenOrder() {
        std::vector<TLangAvailable> langs = {
            {"zz", "Zulu test", ""}, {"aa", "Afar test", ""}, {"mm", "Middle", ""}};
        TSelectLangDlg dlg(langs, kBuiltGameDir);
        QCOMPARE(dlg.ComboLanguage()->itemText(0), QString("Afar test"));
        QCOMPARE(dlg.ComboLanguage()->itemText(2), QString("Zulu test"));
        QVERIFY(dlg.ComboLanguage()->itemData(0, kFlagRole).value<QPixmap>().isNull());
    }

    void okGivesTheCodeOfTheChosenName() {
        QCOMPARE(Select(kBuiltGameDir, [](TSelectLangDlg& d) { d.OKBtn()->click(); }), std::string("en"));
        QCOMPARE(Select(kBuiltGameDir,
                        [](TSelectLangDlg& d) {
                            d.ComboLanguage()->setCurrentIndex(1);
                            QTest::mouseClick(d.OKBtn(), Qt::LeftButton);
                        }),
                 std::string("pt"));
    }

    void cancelGivesNothing() {
        QCOMPARE(Select(kBuiltGameDir, [](TSelectLangDlg& d) { d.CancelBtn()->click(); }), std::string());
    }

    void withoutLanguagesOkIsDisabled() {
        QTemporaryDir empty;
        const std::string code = Select(empty.path().toStdString(), [](TSelectLangDlg& d) {
            QCOMPARE(d.ComboLanguage()->count(), 0);
            QVERIFY(!d.OKBtn()->isEnabled());
            d.OKBtn()->click(); // disabled: nothing happens
            QVERIFY(d.isVisible());
            d.reject();
        });
        QCOMPARE(code, std::string());
    }

    // The game's start-up with a language in its settings that the data folder no longer holds: the
    // language question comes again (instead of the end of the program) and the answer is stored.
    void aStoredLanguageThatIsGoneBringsTheQuestionBack() {
        TMemorySettingsStore store;
        WriteSetting(store, kSettingLanguage, "fr");
        bool asked = false;
        TLanguageStart how;
        how.select = [&] {
            QTimer::singleShot(0, [&] {
                auto* dlg = qobject_cast<TSelectLangDlg*>(QApplication::activeModalWidget());
                QVERIFY(dlg != nullptr);
                asked = true;
                dlg->ComboLanguage()->setCurrentIndex(1);
                dlg->OKBtn()->click();
            });
            return SelectLanguage(kBuiltGameDir);
        };
        QCOMPARE(OpenLanguageAtStart(store, kBuiltGameDir, how), std::string("pt"));
        QVERIFY(asked);
        QCOMPARE(ReadSetting(store, kSettingLanguage), std::string("pt"));
        CloseLabelsFile();
    }

    void aDamagedFlagIsNotShown() {
        QTemporaryDir dir;
        CopyFolder(QString::fromStdString(kBuiltGameDir + "/Int"), dir.filePath("Int"));
        QDir().mkpath(dir.filePath("flags"));
        const QString flags = QString::fromStdString(kBuiltGameDir + "/flags/");
        QVERIFY(QFile::copy(flags + "ENG.bmp", dir.filePath("flags/ENG.bmp")));
        QFile source(flags + "POR.bmp");
        QVERIFY(source.open(QIODevice::ReadOnly));
        QByteArray bytes = source.readAll();
        bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x5A);
        QFile damaged(dir.filePath("flags/POR.bmp"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(bytes);
        damaged.close();

        const std::string gameDir = dir.path().toStdString();
        TSelectLangDlg dlg(FindLanguages(gameDir), gameDir);
        QCOMPARE(dlg.ComboLanguage()->count(), 2);
        QVERIFY(!dlg.ComboLanguage()->itemData(0, kFlagRole).value<QPixmap>().isNull());
        QVERIFY(dlg.ComboLanguage()->itemData(1, kFlagRole).value<QPixmap>().isNull());
    }
};

QTEST_MAIN(SelectLangDlgTest)
#include "select_lang_dlg_test.moc"
