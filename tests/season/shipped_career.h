#pragma once
// A new career of the shipped clubs, set up as a person sets one up: the countries of the shipped data
// folder loaded, its team folder scanned, every country selected (more clubs than a career takes, so the
// selection is cut at random) and the world built, all drawn from one seed. The caller resets the
// countries when it is done.
#include "datafiles/countries.h"
#include "datafiles/record_fields.h"
#include "foundation/kol_random.h"
#include "season/country_selection.h"
#include "season/new_world.h"
#include "season/team_folder.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace seasontest {

// The data folder the build lays out.
inline const std::string kGameDir = std::string(KOLBRIN_BINARY_DIR) + "/bin";

// Builds the career from `seed` into the empty `world`; returns the team folder as scanned.
inline std::vector<TScannedTeamFile> BuildShippedCareer(TWorld& world, std::uint32_t seed) {
    LoadCountries(kGameDir, kGameDir + "/Int/en", "en", "", "",
                  [](const std::string&, const std::string&) {});
    std::vector<TScannedTeamFile> files = ScanTeamFolder(kGameDir + "/Teams", kDataFormat2002);
    TCountrySelection selection(CountTeamsByCountry(files));
    selection.SelectAll();
    SetRandSeed(seed);
    if (!selection.Confirm()) {
        ADD_FAILURE() << "the selection of every country was refused";
        return files;
    }
    TNewWorldSetup setup;
    setup.teamFiles = &files;
    setup.refereeFile = kGameDir + "/referee.txe";
    setup.seed = seed;
    BuildNewWorld(world, setup);
    return files;
}

} // namespace seasontest
