// The game's main window: its texts, the language menu, the About box on F1 and the one-time start of the
// career.
#include "ui/game/game_main_window.h"

#include "foundation/kol_log.h"
#include "foundation/languages.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/about_box.h"
#include "ui/common/qt_text.h"
#include "ui/common/select_lang_dlg.h"
#include "ui/common/trevansoft_wallpaper.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
void CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& f : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            CopyFolder(f.filePath(), to + "/" + f.fileName());
        else
            QFile::copy(f.filePath(), to + "/" + f.fileName());
    }
}

// Chooses the language named `name` in the language dialog that the menu opens.
void PickLanguage(TmainWindow& w, const QString& name) {
    QTimer::singleShot(0, [name] {
        auto* d = qobject_cast<TSelectLangDlg*>(QApplication::activeModalWidget());
        QVERIFY(d != nullptr);
        const int i = d->ComboLanguage()->findText(name);
        QVERIFY(i >= 0);
        d->ComboLanguage()->setCurrentIndex(i);
        d->OKBtn()->click();
    });
    w.LanguageAction()->trigger();
}
} // namespace

class GameMainWindowTest : public QObject {
    Q_OBJECT
    TMemorySettingsStore store_;
private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("Kolbrin 2002");
        OpenLabelsFile(LabelsFilePath(KOLBRIN_BINARY_DIR "/bin", "en"));
    }

    void captionFooterAndMenuTexts() {
        TmainWindow w(store_);
        QCOMPARE(w.windowTitle(), QString("Kolbrin 2002"));
        QCOMPARE(w.LabelCaption()->text(), QString("Kolbrin 2002"));
        QVERIFY(!GetText(324).empty());
        QCOMPARE(w.LabelFooter()->text(), ToQString(GetCaptionText(324)));
        const QList<QAction*> actions = w.KolbrinMenu()->actions();
        QStringList texts;
        for (QAction* a : actions)
            if (!a->isSeparator()) texts << a->text();
        QCOMPARE(texts, QStringList({ToQString(GetCaptionText(332)), ToQString(GetCaptionText(553)),
                                     ToQString(GetCaptionText(334)), ToQString(GetCaptionText(333))}));
        QCOMPARE(w.LanguageAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    }

    // The language can be changed from the menu: the window takes the new texts at once, the choice is
    // stored, and a language whose labels file is damaged is refused while the one in use goes on.
    void theLanguageIsChangedFromTheMenu() {
        QTemporaryDir dir;
        const QString game = dir.filePath("game");
        CopyFolder(KOLBRIN_BINARY_DIR "/bin/Int", game + "/Int");
        CopyFolder(KOLBRIN_BINARY_DIR "/bin/flags", game + "/flags");
        GameSettings().directory = FromQString(game);
        GameSettings().language = "en";
        OpenLabelsFile(LabelsFilePath(GameSettings().directory, "en"));
        const QString englishFooter = ToQString(GetCaptionText(324));
        TMemorySettingsStore store;
        TmainWindow w(store);
        w.show();
        QCOMPARE(w.LabelFooter()->text(), englishFooter);

        PickLanguage(w, QString::fromUtf8("Portugu\xC3\xAAs"));
        QCOMPARE(GameSettings().language, std::string("pt"));
        QCOMPARE(ReadSetting(store, kSettingLanguage), std::string("pt"));
        QVERIFY(w.LabelFooter()->text() != englishFooter);
        QCOMPARE(w.LabelFooter()->text(), ToQString(GetCaptionText(324)));
        QCOMPARE(w.LanguageAction()->text().trimmed(), QString("Idioma..."));
        QCOMPARE(w.windowTitle(), QString("Kolbrin 2002"));
        if (qEnvironmentVariableIsSet("KOLBRIN_SHOT_DIR")) {
            w.resize(1024, 640);
            w.KolbrinMenu()->popup(w.mapToGlobal(QPoint(0, w.menuBar()->height())));
            QTest::qWait(50);
            w.grab().save(qEnvironmentVariable("KOLBRIN_SHOT_DIR") + "/game_main_window_pt.png");
            w.KolbrinMenu()->grab().save(qEnvironmentVariable("KOLBRIN_SHOT_DIR") + "/game_menu_pt.png");
            w.KolbrinMenu()->hide();
        }

        // English again, after its labels file was damaged: no longer offered.
        QFile labels(ToQString(LabelsFilePath(GameSettings().directory, "en")));
        QVERIFY(labels.open(QIODevice::ReadOnly));
        QByteArray bytes = labels.readAll();
        labels.close();
        // Line 190 holds a money word, which opening a language reads at once.
        int at = 0;
        for (int line = 1; line < 190; ++line) at = bytes.indexOf('\n', at) + 1;
        const char c = bytes[at + 4];
        bytes[at + 4] = c == '0' ? '1' : '0'; // a pair character changed: the line fails its check
        QVERIFY(labels.open(QIODevice::WriteOnly));
        labels.write(bytes);
        labels.close();
        // A damaged labels file is checked whole before the list is shown: English is no longer offered,
        // and Portuguese stays.
        QStringList listed;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<TSelectLangDlg*>(QApplication::activeModalWidget());
            QVERIFY(d != nullptr);
            for (int i = 0; i < d->ComboLanguage()->count(); ++i) listed << d->ComboLanguage()->itemText(i);
            d->CancelBtn()->click();
        });
        w.LanguageAction()->trigger();
        QVERIFY(!listed.contains("English"));
        QVERIFY(listed.contains(QString::fromUtf8("Portugu\xC3\xAAs")));
        QCOMPARE(GameSettings().language, std::string("pt"));
        QCOMPARE(ReadSetting(store, kSettingLanguage), std::string("pt"));
        QCOMPARE(w.LanguageAction()->text().trimmed(), QString("Idioma..."));
        QVERIFY(!GetText(324).empty());

        // Cancel changes nothing.
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TSelectLangDlg*>(QApplication::activeModalWidget());
            QVERIFY(d != nullptr);
            d->CancelBtn()->click();
        });
        w.LanguageAction()->trigger();
        QCOMPARE(GameSettings().language, std::string("pt"));

        GameSettings().directory = ".";
        OpenLabelsFile(LabelsFilePath(KOLBRIN_BINARY_DIR "/bin", "en"));
    }

    void aShippedWallpaperIsShown() {
        GameSettings().directory = KOLBRIN_BINARY_DIR "/bin";
        TmainWindow w(store_);
        QVERIFY(w.Wallpaper()->HasPicture());
        GameSettings().directory = "/nonexistent-kolbrin-folder";
        TmainWindow bare(store_);
        QVERIFY(!bare.Wallpaper()->HasPicture());
        GameSettings().directory = ".";
    }

    void f1OpensTheAboutBox() {
        TmainWindow w(store_);
        w.show();
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen = box->ShownMode() == TAboutBox::Mode::Normal && box->OKBtn() != nullptr;
            if (qEnvironmentVariableIsSet("KOLBRIN_SHOT_DIR"))
                box->grab().save(qEnvironmentVariable("KOLBRIN_SHOT_DIR") + "/about_box.png");
            box->OKBtn()->click();
        });
        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(seen);
    }

    void theCareerStartsOnceAtTheFirstMouseMove() {
        TmainWindow w(store_);
        w.show();
        QTest::mouseMove(w.LabelCaption());
        QVERIFY(!w.Running()); // no career routine yet: nothing starts
        QVERIFY(w.isVisible());

        int runs = 0;
        w.SetCareerRoutine([&] {
            ++runs;
            w.GoOn(); // a move while the career runs starts nothing more
        });
        QTest::mouseMove(w.LabelFooter());
        QCOMPARE(runs, 1);
        QVERIFY(w.Running());
        QVERIFY(!w.isVisible()); // the window closes when the career returns
        w.GoOn();
        QCOMPARE(runs, 1);
    }

    void aKeyStartsTheCareerButAModifierAloneDoesNot() {
        TmainWindow w(store_);
        w.show();
        int runs = 0;
        w.SetCareerRoutine([&] { ++runs; });
        QTest::keyClick(&w, Qt::Key_Shift);
        QCOMPARE(runs, 0);
        QVERIFY(w.isVisible());
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(runs, 1);
        QVERIFY(!w.isVisible());
    }

    void aFailingCareerIsLoggedAndStillClosesTheWindow() {
        QTemporaryDir dir;
        QVERIFY(OpenLogFile(dir.path().toStdString(), "main window test"));
        TmainWindow w(store_);
        w.show();
        w.SetCareerRoutine([] { throw std::runtime_error("boom"); });
        // The player is told why the career ended.
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            shown = box->text();
            box->accept();
        });
        w.GoOn();
        QCOMPARE(shown, QString("boom"));
        QVERIFY(!w.isVisible());
        QFile log(QString::fromStdString(LogFilePath()));
        CloseLogFile();
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(log.readAll());
        QVERIFY2(text.startsWith("Exception std::runtime_error: boom"), qPrintable(text));
    }
};

QTEST_MAIN(GameMainWindowTest)
#include "game_main_window_test.moc"
