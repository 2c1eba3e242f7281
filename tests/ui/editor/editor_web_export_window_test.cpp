// The web export from the editor's window: whatever the team list's order, each country code has one page
// and one index cell; the message names the absolute folder; every team file a page links to is there.
#include "editor_window_fixture.h"

#include <QDir>
#include <fstream>
#include <regex>
#include <sstream>

using namespace editor_window_test;
namespace fs = std::filesystem;

namespace {
std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

class EditorWebExportWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        StartEnglishAndCountries();
        QVERIFY(LabelsFileIsOpen());
        TeditorMain::SetGeometryStore(dir_.path() + "/geometry.ini");
    }

    void groupsByCountryWhateverTheOrderAndPublishesTheTeamFiles() {
        const std::string data = MakeDataFolder(dir_, "export");
        // Levels that interleave the countries once the list is sorted by level.
        const std::pair<const char*, int> extra[] = {{"ESP", 18}, {"POR", 16}, {"ESP", 14}, {"POR", 12}};
        int n = 0;
        for (auto [country, level] : extra) {
            TTeamFile f = MakeTeam("Extra" + std::to_string(n), country);
            f.team.SetLevel(static_cast<std::uint8_t>(level));
            f.WriteFile(data + "/Teams/extra" + std::to_string(n++) + ".kbt", 2002);
        }
        TEditorOptions options = OptionsFor(data);
        // A relative web folder: the message must still say where the pages are.
        const QString relative = QStringLiteral("relative-web");
        options.webDirectory = relative.toStdString();
        QDir::setCurrent(dir_.path());
        TeditorMain w(options);
        w.show();
        w.hcAllTeamsSectionClick(3); // by level: ESP, POR, ESP, POR, ...
        QString message;
        AnswerNextBox(QMessageBox::Ok, &message);
        w.webSiteBuildBtnClick();

        const fs::path site = fs::path(dir_.path().toStdString()) / "relative-web" / "equipas";
        QVERIFY2(message.contains(QString::fromStdString(site.string())), qPrintable(message));
        const std::string index = ReadText(site / "index.html");
        int cells = 0;
        for (auto at = index.find("VALIGN=\"MIDDLE\""); at != std::string::npos;
             at = index.find("VALIGN=\"MIDDLE\"", at + 1))
            ++cells;
        QCOMPARE(cells, 2);
        const std::string por = ReadText(site / "POR.html");
        const std::string esp = ReadText(site / "ESP.html");
        // Alfa, Beta and the two Portuguese extras; Gama is provisory.
        QCOMPARE(int(std::count(por.begin(), por.end(), '\n')) > 0, true);
        for (const char* team : {"Alfa", "Beta", "Extra1", "Extra3"})
            QVERIFY2(por.find(std::string("> ") + team + "<") != std::string::npos, team);
        for (const char* team : {"Extra0", "Extra2"})
            QVERIFY2(esp.find(std::string("> ") + team + "<") != std::string::npos, team);
        QVERIFY(por.find("Gama") == std::string::npos);
        // Every team link of every page leads to a file of the site.
        int links = 0;
        const std::regex link("HREF=\"([^\"]+\\.kbt)\"");
        for (const std::string& page : {por, esp})
            for (std::sregex_iterator it(page.begin(), page.end(), link), end; it != end; ++it, ++links)
                QVERIFY2(fs::is_regular_file(site / (*it)[1].str()), (*it)[1].str().c_str());
        QCOMPARE(links, 6);
    }

    void cleanupTestCase() { ResetCountries(); }
};

QTEST_MAIN(EditorWebExportWindowTest)
#include "editor_web_export_window_test.moc"
