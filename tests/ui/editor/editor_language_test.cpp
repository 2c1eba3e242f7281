// The editor writes dates in the language the person chose, not in the system's: the file date of the
// status bar follows a change of language.
#include "editor_window_fixture.h"

#include "foundation/texts.h"
#include "ui/editor/editor_language.h"

#include <QLabel>
#include <QLocale>
#include <chrono>

using namespace editor_window_test;

class EditorLanguageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // The date panel of a window over a data folder whose team Alfa was last written at `when`.
    static QString DatePanelWith(const std::string& data, const QDateTime& when) {
        namespace fs = std::filesystem;
        const auto sys = std::chrono::system_clock::time_point(std::chrono::seconds(when.toSecsSinceEpoch()));
        fs::last_write_time(data + "/Teams/alfa.kbt", std::chrono::file_clock::from_sys(sys));
        TeditorMain window(OptionsFor(data));
        for (TEditorTeam* team : window.Model().Teams())
            if (team->attr.ShortName() == "Alfa") window.SelectTeam(team);
        return window.StatusPanel(3)->text();
    }

private slots:
    void theFileDateIsWrittenInTheChosenLanguage() {
        const std::string gameDir = KOLBRIN_BINARY_DIR "/bin";
        const std::string data = MakeDataFolder(dir_, "language");
        const QDateTime when(QDate(2001, 12, 28), QTime(23, 59));
        ResetCountries();
        AllCountries().Add(std::make_unique<TCountry>("Portugal", "POR", "POR"));

        StartEditorLanguage(gameDir, "pt");
        const QString portuguese = DatePanelWith(data, when);
        QVERIFY2(portuguese.contains("28/12/2001") || portuguese.contains("28/12/01"),
                 qPrintable(portuguese));
        QVERIFY2(portuguese.contains("23:59"), qPrintable(portuguese));

        StartEditorLanguage(gameDir, "en");
        const QString english = DatePanelWith(data, when);
        QVERIFY2(english.contains("12/28/01") || english.contains("12/28/2001"), qPrintable(english));
        QVERIFY2(english.contains("11:59"), qPrintable(english));
        ResetCountries();
    }
};

QTEST_MAIN(EditorLanguageTest)
#include "editor_language_test.moc"
