// Game files: a damaged file is refused with the one error of a load, never a crash; a file that loads is
// written as a file that loads again, and writing that one gives the same bytes (one pass settles what a
// load corrects: a text cut to its field, an unknown division club left out, the oldest history dropped).
#include "datafiles/referee_attr.h"
#include "datafiles/team_file.h"
#include "foundation/kol_random.h"
#include "fuzz/fuzz_support.h"
#include "world/division.h"
#include "world/saved_game.h"
#include "world/world.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    ExpectOnlyCoreErrors([&] {
        const auto world = TWorld::LoadGameBytes(std::vector<std::uint8_t>(data, data + size));
        const std::vector<std::uint8_t> saved = world->SaveGameBytes();
        std::vector<std::uint8_t> again;
        try {
            again = TWorld::LoadGameBytes(saved)->SaveGameBytes();
        } catch (const EInvalidFile& e) {
            FuzzCheck(false, std::string("a written game file does not load: ") + e.what());
        }
        FuzzCheck(again == saved, "a loaded game file changes when it is written twice");
    });
}

// Careers of `clubs` clubs from the data folder's team files, with a round of games, cup slots, history
// and observed players.
TFuzzBytes Career(const std::vector<std::string>& files, std::size_t clubs) {
    SetRandSeed(static_cast<std::uint32_t>(clubs));
    TWorld world;
    for (std::size_t i = 0; i < clubs && i < files.size(); ++i)
        world.AllTeams.Add(
            TTeam::CreateFromTeamFile(world, TTeamFile::ReadFile(files[i], kDataFormat2002)).release());
    CreateDivisions(world);
    for (int i = 0; i < world.AllTeams.Count(); ++i) {
        world.Divisions[i < 10 ? 0 : 4]->teams.Add(world.AllTeams[i]);
        world.CupTeams.Add(world.AllTeams[i]);
        world.AllTeams[i]->coach->SetCurrentClub(world.AllTeams[i]);
    }
    for (int d = 0; d < 5; ++d)
        world.Divisions[d]->NewSeasonAll(world.Divisions[d]->teams.Count() == 10 && d < 4);
    world.AllReferees.Add(
        new TReferee(world.NewObjectId(), std::make_unique<TRefereeAttr>("Ana Paz", "ESP")));
    if (world.Divisions[0]->teams.Count() == 10) world.Divisions[0]->GenerateRound(1);
    world.Description = "Person\r07-12-2026 10:00";
    if (world.AllPlayers.Count() > 3) world.AllCoaches[0]->observedPlayers = {world.AllPlayers[3]};
    auto* winners = new TLastWinners(world);
    winners->season = 2001;
    winners->championId = world.AllTeams.Count() > 0 ? world.AllTeams[0]->id : 0;
    world.LastWinnersList.Add(winners);
    return world.SaveGameBytes();
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    const std::vector<std::string> files = FuzzSeedFiles(dataDir, "Teams", ".kbt", 20);
    return {Career(files, 2), Career(files, 12)};
}
} // namespace

KOLBRIN_FUZZ_TARGET("saved_game", Run, Seeds)
