#pragma once
// Careers for the game's window tests: the English texts and countries of the built data folder, and a new
// career built from the shipped team files as the game builds one, seeded, with the named human coaches,
// its first season started (cup drawn, round 1 next). Rounds are played with the career's own loop.
#include "datafiles/countries.h"
#include "datafiles/record_fields.h"
#include "foundation/kol_random.h"
#include "foundation/languages.h"
#include "foundation/texts.h"
#include "season/country_selection.h"
#include "season/game_loop.h"
#include "season/new_world.h"
#include "world/world.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace uitest {

inline const std::string kGameDir = std::string(KOLBRIN_BINARY_DIR) + "/bin";

// The English texts and country names, as the game opens them at start.
inline void OpenEnglish() {
    OpenLabelsFile(LabelsFilePath(kGameDir, "en"));
    LoadCountriesOfLanguage(kGameDir, "en", [](const std::string&, const std::string&) {});
}

// A new career of every shipped country (`countries` codes limit it) with `seed`, the human coaches
// `humans` enrolled through the world's scripted port, the start events made and, when `start`, the first
// season started through `port` (the world's scripted port when nullptr) with the default season steps.
inline std::unique_ptr<TWorld> SeededCareer(std::uint32_t seed, const std::vector<std::string>& humans,
                                            bool start = true, TUserPort* port = nullptr,
                                            const std::vector<std::string>& countries = {}) {
    OpenEnglish();
    static const std::vector<TScannedTeamFile> files = ScanTeamFolder(kGameDir + "/Teams", kDataFormat2002);
    TCountrySelection selection(CountTeamsByCountry(files));
    if (countries.empty()) selection.SelectAll();
    for (const std::string& code : countries)
        for (std::size_t i = 0; i < selection.Countries().size(); ++i)
            if (selection.Countries()[i]->Code() == code && !selection.Countries()[i]->selected)
                selection.Toggle(static_cast<int>(i));
    SetRandSeed(seed);
    if (!selection.Confirm()) throw std::runtime_error("too few clubs in the chosen countries");
    auto world = std::make_unique<TWorld>();
    TNewWorldSetup setup;
    setup.teamFiles = &files;
    setup.refereeFile = kGameDir + "/referee.txe";
    setup.seed = seed;
    setup.year = 2002;
    BuildNewWorld(*world, setup);
    if (world->QuitRequested) throw std::runtime_error("the new career could not be built");
    world->DefaultPort().HumanCoachNames = humans;
    EnrolHumanCoaches(*world);
    CreateStartEvents(*world);
    if (port != nullptr) world->SetPort(*port);
    if (start) {
        StartSeason(*world, DefaultSeasonSteps());
        world->CurrentRound = 1;
    }
    return world;
}

// The same career started without windows (its first cup draw scripted, as a window would draw it) and
// then handed to `port`: for tests of windows that come after the start, which need not wait for the
// draw's window to pace itself through (about 13 s).
inline std::unique_ptr<TWorld> StartedCareerFor(TUserPort& port, std::uint32_t seed,
                                                const std::vector<std::string>& humans) {
    auto world = SeededCareer(seed, humans);
    world->SetPort(port);
    return world;
}

} // namespace uitest
