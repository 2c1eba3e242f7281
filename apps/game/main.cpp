// The game program: settings, language, labels file and text slots, then the main window, which runs the
// career. The game folder is the program's own folder unless --data-dir names another. With --headless the
// career runs without windows (season/headless_run) before any Qt object exists.
#include "foundation/encoding.h"
#include "foundation/file_helpers.h"
#include "foundation/kol_log.h"
#include "foundation/languages.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "season/headless_run.h"
#include "ui/common/about_box.h"
#include "ui/common/qsettings_store.h"
#include "ui/common/qt_text.h"
#include "ui/common/select_lang_dlg.h"
#include "ui/game/game_main_window.h"
#include "ui/game/screenshot_walker.h"
#include "ui/game/start/windowed_career.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace {
constexpr const char* kApplicationTitle = "Kolbrin 2002";
constexpr const char* kVersion = "0.1";

// The game folder: --data-dir DIR (or --data-dir=DIR), else the program's folder.
QString GameFolder(const QStringList& args) {
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--data-dir" && i + 1 < args.size()) return QDir(args[i + 1]).absolutePath();
        if (args[i].startsWith("--data-dir=")) return QDir(args[i].mid(11)).absolutePath();
    }
    return QCoreApplication::applicationDirPath();
}

// --seed N (not in the help: for tests and pictures) draws a new career from N, the same each time.
std::optional<std::uint32_t> CareerSeed(const QStringList& args) {
    for (int i = 1; i < args.size(); ++i) {
        QString value;
        if (args[i] == "--seed" && i + 1 < args.size())
            value = args[i + 1];
        else if (args[i].startsWith("--seed="))
            value = args[i].mid(7);
        else
            continue;
        bool ok = false;
        const qulonglong seed = value.toULongLong(&ok);
        if (ok && seed <= 0xFFFFFFFFull) return static_cast<std::uint32_t>(seed);
    }
    return std::nullopt;
}

// Without a screen (the offscreen platform of test runs) a dialog would wait for ever for a user who cannot
// see it.
bool CanAskTheUser() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

// Why a language cannot be used: on the error stream, in the log and, when someone can see it, in a
// message box before the language is asked for again.
void Report(const std::string& message) {
    std::cerr << Cp1252ToUtf8(message) << std::endl;
    WriteLog(message);
    if (CanAskTheUser())
        QMessageBox::warning(nullptr, QCoreApplication::applicationName(), ToQString(message));
}
// The program's own folder, before Qt can tell it.
std::string ProgramFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    return self.parent_path().string();
}
} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (WantsHeadless(args)) return RunHeadless(args, ProgramFolder(argv[0]), std::cout, std::cerr);

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Kolbrin");
    QCoreApplication::setApplicationName(kApplicationTitle);
    QCoreApplication::setApplicationVersion(kVersion);

    // The log lives in the per-user data folder; without it the program runs on.
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    OpenLogFile(PathFromQt(userData), kApplicationTitle);

    TQSettingsStore store;
    TGameSettings& settings = GameSettings();
    // The game folder is written at every start, so a moved game folder is picked up by itself.
    const std::string gameDir = PathFromQt(GameFolder(QCoreApplication::arguments()));
    WriteSetting(store, kSettingDirectory, gameDir);
    LoadSettings(store, settings);
    settings.userDataDir = PathFromQt(userData);
    QDir::setCurrent(PathToQt(settings.directory));
    SetBeepHandler([] { QApplication::beep(); }, [] { return GameSettings().sound; });

    store.Sync();
    // A language stored once and removed or damaged since is asked for again; the choice is stored.
    TLanguageStart language;
    language.select = [&] {
        if (CanAskTheUser()) return SelectLanguage(settings.directory);
        Report("No language is chosen yet, and without a screen none can be chosen.");
        return std::string();
    };
    language.report = Report;
    const std::string code = OpenLanguageAtStart(store, settings.directory, language);
    if (code.empty()) return kNoLanguageExitCode;
    settings.language = code;
    FillGameTimeProfiles([](int n) { return GetText(n); });

    LoadGameOptions(store, settings);
    TmainWindow window(store);
    // The career the window starts; it ends (and frees its world) before the window goes.
    TWindowedCareer career(store, settings.directory, &window);
    if (const auto seed = CareerSeed(QCoreApplication::arguments())) career.SetSeed(*seed);
    window.SetCareerRoutine([&career] { career.Run(); });
    // Borderless and covering the screen.
    window.setGeometry(window.screen()->geometry());
    window.show();
    TScreenshotWalker::InstallFromEnvironment(&window);
    if (settings.displayInitScreen)
        QTimer::singleShot(0, &window, [&window] { ShowAboutBox(TAboutBox::Mode::Start, &window); });
    const int result = app.exec();

    SaveSettings(store, settings);
    CloseLabelsFile();
    store.Sync();
    CloseLogFile();
    return result;
}
