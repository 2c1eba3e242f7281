// A game saved through the windowed port shows its progress: the progress window titled with the saving
// text follows the file as its sections are written, from the start to the size of the file written, at
// the first save of a new file as at a later one.
#include "seeded_career.h"

#include "ui/common/progress_dlg.h"
#include "ui/game/qt_user_port.h"

#include <QApplication>
#include <QDir>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

namespace {
// Watches every progress window that opens and writes down what it shows.
class TProgressWatch : public QObject {
public:
    QString title;
    int maximum = -1;
    std::vector<int> positions;
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* progress = qobject_cast<TProgressDlg*>(watched);
        if (progress != nullptr && event->type() == QEvent::Show) {
            ++shown;
            if (watched_ != progress) {
                watched_ = progress;
                auto* bar = progress->findChild<QProgressBar*>();
                QObject::connect(bar, &QProgressBar::valueChanged, this,
                                 [this](int v) { positions.push_back(v); });
            }
        }
        if (progress != nullptr && event->type() == QEvent::Hide) {
            title = progress->Title();
            maximum = progress->Maximum();
        }
        return false;
    }

private:
    QObject* watched_ = nullptr;
};
} // namespace

class SaveProgressTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowedSaveShowsItsProgressUpToTheSizeOfTheFileWritten() {
        auto world = uitest::SeededCareer(515, {"Ana"});
        QWidget mainWindow;
        TQtUserPort port(&mainWindow);
        port.SetWorld(world.get());
        world->SetPort(port);
        QTemporaryDir dir;
        const std::string path = QDir(dir.path()).filePath("career.kbg").toStdString();
        // The first save makes the file (there is no old file to measure), the second replaces it.
        for (int save = 1; save <= 2; ++save) {
            TProgressWatch watch;
            qApp->installEventFilter(&watch);
            QVERIFY(world->SaveGame(path));
            qApp->removeEventFilter(&watch);
            const auto size = static_cast<int>(std::filesystem::file_size(path));
            QCOMPARE(watch.shown, 1);
            QCOMPARE(watch.title, QString("Saving the game"));
            QCOMPARE(watch.maximum, size);
            // The bar moves section by section, forward only, and ends full.
            QVERIFY2(watch.positions.size() >= 4, QByteArray::number(int(watch.positions.size())));
            QVERIFY(std::is_sorted(watch.positions.begin(), watch.positions.end()));
            QCOMPARE(watch.positions.back(), size);
        }
    }
};

QTEST_MAIN(SaveProgressTest)
#include "save_progress_test.moc"
