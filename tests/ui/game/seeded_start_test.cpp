// A seeded new career started through the windows is the same career each time: with every country
// chosen (more clubs than a career takes, so some are cut at random), two starts from one seed hold the
// same clubs in the same order and give the person the same club, whatever the clock said at the start.
// A new career ended before its first save leaves the games folder as it found it.
#include "seeded_career.h"

#include "foundation/settings.h"
#include "ui/common/qt_text.h"

#include "ui/game/start/get_teams_dlg.h"
#include "ui/game/start/select_countries_dlg.h"
#include "ui/game/start/windowed_career.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <map>

namespace fs = std::filesystem;

namespace {

// Answers each modal dialog once, by its name, from a posted call; the others with their default button.
class TStartDriver : public QObject {
public:
    std::map<QString, std::function<void(QWidget&)>> handlers;

    TStartDriver() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || modal == last_) return;
            last_ = modal;
            const auto it = handlers.find(modal->objectName());
            QTimer::singleShot(0, this, [it, end = handlers.end(), modal = QPointer<QWidget>(modal)] {
                if (!modal) return;
                if (it != end) return it->second(*modal);
                for (QPushButton* b : modal->findChildren<QPushButton*>())
                    if (b->isDefault() && b->isEnabled()) return b->click();
            });
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
    QPointer<QWidget> last_;
};

} // namespace

class SeededStartTest : public QObject {
    Q_OBJECT

    fs::path dir_;

    // The clubs of a new career from `seed` with every country, and the club the person drew; the career
    // ends as soon as the clubs are drawn.
    std::pair<QStringList, QString> Start(std::uint32_t seed) {
        TMemorySettingsStore store;
        QWidget mainWindow;
        TWindowedCareer career(store, dir_.string(), &mainWindow);
        career.SetSeed(seed);
        TStartDriver driver;
        QString drawn;
        driver.handlers["TselectCountriesDlg"] = [](QWidget& w) {
            auto& dlg = static_cast<TselectCountriesDlg&>(w);
            QTest::mouseClick(dlg.SelectAllBtn(), Qt::LeftButton);
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
        };
        driver.handlers["TgetTeamsDlg"] = [&](QWidget& w) {
            auto& dlg = static_cast<TgetTeamsDlg&>(w);
            dlg.PlayerName(0)->setText("Ana");
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
            drawn = dlg.TeamName(0)->text();
            career.World()->StopRequested = true;
            QTest::mouseClick(dlg.OKBtn(), Qt::LeftButton);
        };
        career.Run();
        QStringList clubs;
        for (const TTeam* club : career.World()->AllTeams) clubs << ToQString(club->Name());
        return {clubs, drawn};
    }

private slots:
    void initTestCase() {
        uitest::OpenEnglish();
        GameSettings().language = "en";
        dir_ = fs::temp_directory_path() / "kolbrin_seeded_start_test";
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "GAMES");
        for (const char* item : {"CTRGROUP", "Icons", "Int", "Teams", "flags", "referee.txe"})
            fs::create_symlink(fs::path(uitest::kGameDir) / item, dir_ / item);
    }
    void cleanupTestCase() { fs::remove_all(dir_); }

    void oneSeedOneCareer() {
        const auto [clubs, drawn] = Start(2002);
        // Every country offers more clubs than a career takes: some were cut.
        QVERIFY(ScanTeamFolder(uitest::kGameDir + "/Teams", kDataFormat2002).size() >
                static_cast<std::size_t>(clubs.size()));
        QVERIFY(!drawn.isEmpty());
        QTest::qWait(20); // another clock at the start
        const auto [again, drawnAgain] = Start(2002);
        QCOMPARE(again, clubs);
        QCOMPARE(drawnAgain, drawn);
    }

    // A new game whose countries are not chosen ends the program and leaves no empty game file behind.
    void aCareerEndedBeforeItsFirstSaveGivesItsFileNameBack() {
        const auto files = [this] {
            QStringList names;
            for (const auto& entry : fs::directory_iterator(dir_ / "GAMES"))
                names << ToQString(entry.path().filename().string());
            names.sort();
            return names;
        };
        const QStringList before = files();
        TMemorySettingsStore store;
        QWidget mainWindow;
        TWindowedCareer career(store, dir_.string(), &mainWindow);
        TStartDriver driver;
        bool asked = false;
        driver.handlers["TselectCountriesDlg"] = [&](QWidget& w) {
            asked = true;
            QTest::keyClick(&w, Qt::Key_Escape);
        };
        career.Run();
        QVERIFY(asked);
        QVERIFY(career.World()->QuitRequested);
        QCOMPARE(files(), before);
    }
};

QTEST_MAIN(SeededStartTest)
#include "seeded_start_test.moc"
