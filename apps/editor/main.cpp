// The team editor program: settings, language, labels file and countries, then the main window on the
// data folder (the program's folder unless --data-dir names another).
//
//   Kolbrin2002Editor [--data-dir DIR]
//   Kolbrin2002Editor --export-web DIR [--data-dir DIR]
//       writes the web pages of the effective teams into DIR/equipas without opening a window; exit 0 on
//       success, otherwise 1 with a one-line reason on the error stream.
#include "datafiles/countries.h"
#include "editor/editor_model.h"
#include "editor/editor_options.h"
#include "editor/web_export.h"
#include "foundation/encoding.h"
#include "foundation/errors.h"
#include "foundation/languages.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "ui/common/qsettings_store.h"
#include "ui/common/qt_text.h"
#include "ui/common/select_lang_dlg.h"
#include "ui/editor/editor_language.h"
#include "ui/editor/editor_main.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <filesystem>
#include <iostream>
#include <memory>

namespace {
constexpr const char* kApplicationTitle = "Kolbrin 2002";
constexpr const char* kVersion = "0.1";

struct TArguments {
    QString dataDir;
    QString exportWeb;
    bool exportMode = false;
    QString error;
};

TArguments ParseArguments(int argc, char** argv) {
    TArguments a;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        auto value = [&](const QString& option, QString& out) {
            if (arg == option) {
                if (i + 1 >= argc) {
                    a.error = option + " needs a folder";
                    return true;
                }
                out = QString::fromLocal8Bit(argv[++i]);
                return true;
            }
            if (arg.startsWith(option + "=")) {
                out = arg.mid(option.size() + 1);
                return true;
            }
            return false;
        };
        if (value("--data-dir", a.dataDir)) continue;
        if (value("--export-web", a.exportWeb)) {
            a.exportMode = true;
            continue;
        }
    }
    return a;
}

bool CanAskTheUser() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

std::string Utf8(const std::string& cp1252) {
    return Cp1252ToUtf8(cp1252);
}

// The countries of the language; a missing group file is only reported.
void LoadCountriesFor(const std::string& dataDir, const std::string& code, bool quiet) {
    LoadCountriesOfLanguage(dataDir, code, [quiet](const std::string& text, const std::string& caption) {
        if (quiet || !CanAskTheUser())
            std::cerr << Utf8(caption) << ": " << Utf8(text) << std::endl;
        else
            QMessageBox::information(nullptr, ToQString(caption), ToQString(text));
    });
}

// The web export without a window.
int ExportWeb(const TArguments& args, const std::string& dataDir) {
    TQSettingsStore store;
    TEditorOptions options;
    ReadEditorOptions(store, options);
    options.dataDir = dataDir;
    options.webDirectory = PathFromQt(QDir(args.exportWeb).absolutePath());
    try {
        // Country names come from the chosen language, or from the first one found when none is chosen or
        // the chosen one is gone.
        std::vector<TLanguageProblem> problems;
        const std::vector<TLangAvailable> languages = FindLanguages(dataDir, &problems);
        if (languages.empty())
            throw EFileNotFound("no language found in " + LanguagesFolder(dataDir) +
                                (problems.empty() ? std::string() : " (" + problems.front().reason + ")"));
        const std::string code = ChooseLanguageAtStart(ReadSetting(store, kSettingLanguage), languages,
                                                       [&] { return languages.front().code; });
        StartLanguage(dataDir, code);
        LoadCountriesFor(dataDir, code, true);

        TEditorModel model(options);
        // The effective folder must be there and readable: a site without its teams is no export.
        const std::string teamsFolder = model.FolderPath(false);
        std::error_code ec;
        std::filesystem::directory_iterator probe(teamsFolder, ec);
        if (ec) throw EInOutError(teamsFolder + ": " + ec.message());
        model.LoadTeams();
        for (const TLoadProblem& p : model.LoadProblems())
            std::cerr << "skipped " << Utf8(p.path) << ": " << Utf8(p.message) << std::endl;
        // The export groups the teams by country code itself, whatever the language file says.
        const TWebExportResult r =
            ExportWebSite(model.Teams(), options.webDirectory, dataDir, options.saveVersion);
        std::cout << "web pages written to " << Utf8(r.folder) << ": " << r.pages.size() << " pages, "
                  << r.teamFiles.size() << " team files, " << r.images.size() << " pictures" << std::endl;
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "web export failed: " << Utf8(e.what()) << std::endl;
        return 1;
    }
}
} // namespace

int main(int argc, char** argv) {
    const TArguments args = ParseArguments(argc, argv);
    if (!args.error.isEmpty()) {
        std::cerr << args.error.toStdString() << std::endl;
        return 2;
    }
    if (args.exportMode) {
        // No window and no display are needed for the export.
        QCoreApplication app(argc, argv);
        QCoreApplication::setOrganizationName("Kolbrin");
        QCoreApplication::setApplicationName(kApplicationTitle);
        const QString dir = args.dataDir.isEmpty() ? QCoreApplication::applicationDirPath() : args.dataDir;
        return ExportWeb(args, PathFromQt(QDir(dir).absolutePath()));
    }

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Kolbrin");
    QCoreApplication::setApplicationName(kApplicationTitle);
    QCoreApplication::setApplicationVersion(kVersion);
    const std::string dataDir = PathFromQt(
        QDir(args.dataDir.isEmpty() ? QCoreApplication::applicationDirPath() : args.dataDir).absolutePath());

    TQSettingsStore store;
    // A language stored once and removed or damaged since is asked for again; the choice is stored.
    TLanguageStart language;
    language.select = [&] {
        if (CanAskTheUser()) return SelectLanguage(dataDir);
        std::cerr << "No language is chosen yet, and without a screen none can be chosen." << std::endl;
        return std::string();
    };
    language.open = [&](const std::string& code) {
        StartEditorLanguage(dataDir, code);
        LoadCountriesFor(dataDir, code, false);
    };
    language.report = [](const std::string& message) {
        std::cerr << Utf8(message) << std::endl;
        if (CanAskTheUser()) QMessageBox::warning(nullptr, kApplicationTitle, ToQString(message));
    };
    if (OpenLanguageAtStart(store, dataDir, language).empty()) return kNoLanguageExitCode;

    TEditorOptions options;
    ReadEditorOptions(store, options);
    options.dataDir = dataDir;
    auto window = std::make_unique<TeditorMain>(options);
    window->show();
    const int result = app.exec();
    window.reset();
    CloseLabelsFile();
    store.Sync();
    return result;
}
