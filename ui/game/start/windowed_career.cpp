#include "ui/game/start/windowed_career.h"

#include "datafiles/countries.h"
#include "datafiles/record_fields.h"
#include "foundation/currency.h"
#include "foundation/kol_log.h"
#include "foundation/kol_random.h"
#include "foundation/settings.h"
#include "season/career.h"
#include "season/country_selection.h"
#include "season/game_files.h"
#include "season/new_world.h"
#include "season/team_folder.h"
#include "ui/common/qt_text.h"
#include "ui/game/currency_dlg.h"
#include "ui/game/start/select_countries_dlg.h"
#include "ui/game/start/select_game_dlg.h"
#include "world/world.h"

#include <QCursor>
#include <QDate>
#include <QGuiApplication>
#include <QMessageBox>
#include <filesystem>

namespace {
constexpr std::int32_t kSeededYear = 2002;

// The wait cursor while the world is built.
class TWaitCursor {
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

TWindowedCareer::TWindowedCareer(TSettingsStore& store, std::string gameDir, QWidget* parent,
                                 std::unique_ptr<TQtUserPort> port)
    : store_(store), gameDir_(std::move(gameDir)), parent_(parent),
      port_(port ? std::move(port) : std::make_unique<TQtUserPort>(parent)),
      world_(std::make_unique<TWorld>()) {}

TWindowedCareer::~TWindowedCareer() = default;

void TWindowedCareer::Report(const std::string& message) {
    WriteLog(message);
    port_->MessageBox(message, FromQString(QCoreApplication::applicationName()));
}

void TWindowedCareer::Run() {
    Trace(1, "Career starts");
    Randomize();
    // The country tables of the language in use; a missing group file is only reported.
    LoadCountriesOfLanguage(gameDir_, GameSettings().language,
                            [this](const std::string& text, const std::string& caption) {
                                WriteLog(caption + ": " + text);
                                port_->MessageBox(text, caption);
                            });
    world_->SetPort(*port_);
    port_->SetWorld(world_.get());
    TSeasonSteps steps = DefaultSeasonSteps();
    steps.saveGame = [](TWorld& world) {
        // The world shows why through the port; the log keeps it too, and the career goes on.
        const bool written = world.SaveGame(world.GameFilePath);
        if (!written) WriteLog("The game could not be saved to " + world.GameFilePath);
        return written;
    };
    RunCareer(
        world_, store_, [this](std::unique_ptr<TWorld>& world) { Begin(world); }, steps);
}

void TWindowedCareer::Begin(std::unique_ptr<TWorld>& world) {
    const std::string gamesDir = (std::filesystem::path(gameDir_) / kGamesFolder).string();
    for (;;) {
        TselectGameDlg selection(store_, gamesDir, parent_);
        const bool continuing = selection.Execute();
        if (selection.Cancelled()) {
            world->StopRequested = true;
            world->QuitRequested = true;
            return;
        }
        if (continuing ? Load(world, selection.GameFilePath()) : NewWorld(world, selection.GameFilePath())) {
            if (worldReady_ && !world->StopRequested && !world->QuitRequested) worldReady_(*world);
            return;
        }
        if (world->StopRequested || world->QuitRequested) return;
    }
}

bool TWindowedCareer::Load(std::unique_ptr<TWorld>& world, const std::string& path) {
    std::unique_ptr<TWorld> loaded;
    try {
        loaded = TWorld::LoadGame(path, port_.get());
    } catch (const std::exception& e) {
        port_->ProgressDone();
        Report(path + ": " + e.what());
        return false;
    }
    loaded->GameFilePath = path;
    world = std::move(loaded);
    world->SetPort(*port_);
    port_->SetWorld(world.get());
    if (seed_)
        SetRandSeed(*seed_);
    else
        Randomize();
    return true;
}

bool TWindowedCareer::NewWorld(std::unique_ptr<TWorld>& world, const std::string& path) {
    const std::vector<TScannedTeamFile> files =
        ScanTeamFolder((std::filesystem::path(gameDir_) / "Teams").string(), kDataFormat2002);
    TCountrySelection countries(CountTeamsByCountry(files));
    // A seeded career draws everything from its seed: the clubs cut from too large a choice of countries too.
    if (seed_) SetRandSeed(*seed_);
    if (!SelectCountries(countries, gameDir_, parent_)) {
        ReleaseReservedGameFile(path);
        world->StopRequested = true;
        world->QuitRequested = true;
        return true;
    }
    world->CurrencyRecord = ChooseCurrency(store_, parent_);

    TNewWorldSetup setup;
    setup.teamFiles = &files;
    setup.refereeFile = (std::filesystem::path(gameDir_) / "referee.txe").string();
    if (seed_) {
        setup.seed = *seed_;
        setup.year = kSeededYear;
    } else {
        Randomize();
        setup.seed = RandSeed();
        setup.year = QDate::currentDate().year();
    }
    world->SetPort(*port_);
    port_->SetWorld(world.get());
    {
        TWaitCursor busy;
        BuildNewWorld(*world, setup);
    }
    world->GameFilePath = path;
    if (world->QuitRequested) {
        ReleaseReservedGameFile(path);
        return true;
    }
    EnrolHumanCoaches(*world);
    CreateStartEvents(*world);
    return true;
}
