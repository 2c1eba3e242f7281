// The game's main window: its texts, the About box on F1 and the one-time start of the career.
#include "ui/game_main_window.h"

#include "foundation/kol_log.h"
#include "foundation/languages.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/about_box.h"
#include "ui/qt_text.h"
#include "ui/trevansoft_wallpaper.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class GameMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("Kolbrin 2002");
        OpenLabelsFile(LabelsFilePath(KOLBRIN_BINARY_DIR "/bin", "en"));
    }

    void captionFooterAndMenuTexts() {
        TmainWindow w;
        QCOMPARE(w.windowTitle(), QString("Kolbrin 2002"));
        QCOMPARE(w.LabelCaption()->text(), QString("Kolbrin 2002"));
        QVERIFY(!GetText(324).empty());
        QCOMPARE(w.LabelFooter()->text(), ToQString(GetCaptionText(324)));
        const QList<QAction*> actions = w.KolbrinMenu()->actions();
        QStringList texts;
        for (QAction* a : actions)
            if (!a->isSeparator()) texts << a->text();
        QCOMPARE(texts, QStringList({ToQString(GetCaptionText(332)), ToQString(GetCaptionText(334)),
                                     ToQString(GetCaptionText(333))}));
    }

    void aShippedWallpaperIsShown() {
        GameSettings().directory = KOLBRIN_BINARY_DIR "/bin";
        TmainWindow w;
        QVERIFY(w.Wallpaper()->HasPicture());
        GameSettings().directory = "/nonexistent-kolbrin-folder";
        TmainWindow bare;
        QVERIFY(!bare.Wallpaper()->HasPicture());
        GameSettings().directory = ".";
    }

    void f1OpensTheAboutBox() {
        TmainWindow w;
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
        TmainWindow w;
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

    void aFailingCareerIsLoggedAndStillClosesTheWindow() {
        QTemporaryDir dir;
        QVERIFY(OpenLogFile(dir.path().toStdString(), "main window test"));
        TmainWindow w;
        w.show();
        w.SetCareerRoutine([] { throw std::runtime_error("boom"); });
        w.GoOn();
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
