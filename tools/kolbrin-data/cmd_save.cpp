// kolbrin-data save dump FILE | save check FILE | save export FILE | save import JSON OUT | save resave IN
// OUT | save sample DATADIR OUT [CLUBS]
//
// A game file as JSON, driven by the same field tables as the game's reader and writer: `dump` shows every
// section with the names of the clubs, coaches, players and referees beside their ids and money as text;
// `export` gives the same without those extras, for editing; `import` reads such a JSON with every check of
// a load and writes the game file (importing an export gives the same bytes); `check` loads a file and
// says nothing when it is sound; `resave` loads and writes again. `sample` writes the game file of a career
// just begun from the first CLUBS (40) team files of a data folder, without human coaches, for checking.
#include "tools/kolbrin-data/commands.h"

#include "datafiles/player_attr.h"
#include "datafiles/referee_file.h"
#include "datafiles/team_file.h"
#include "foundation/binary_file.h"
#include "foundation/kol_random.h"
#include "foundation/money_format.h"
#include "tools/kolbrin-data/json_fields.h"
#include "world/division.h"
#include "world/saved_game.h"
#include "world/world.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {
constexpr const char* kUsage =
    "save dump FILE | save check FILE | save export FILE | save import JSON OUT | save resave IN OUT | "
    "save sample DATADIR OUT [CLUBS]";

std::string NameOf(const TWorld& world, TFieldMeaning meaning, std::int64_t value) {
    const auto id = static_cast<std::int16_t>(value);
    switch (meaning) {
    case TFieldMeaning::ClubId:
        if (const TTeam* t = world.TeamById(id)) return t->Name();
        break;
    case TFieldMeaning::CoachId:
        if (const TCoach* c = world.CoachById(id)) return c->Name();
        break;
    case TFieldMeaning::PlayerId:
        if (const TPlayer* p = world.PlayerById(id)) return p->attr->Name();
        break;
    case TFieldMeaning::RefereeId:
        if (const TReferee* r = world.RefereeById(id)) return r->Name();
        break;
    case TFieldMeaning::Money:
        // The suffix carries its leading blank; the format puts one of its own.
        return FormatMoney(value, std::string_view(world.CurrencyRecord.suffix)
                                      .substr(std::min(world.CurrencyRecord.suffix.find_first_not_of(' '),
                                                       world.CurrencyRecord.suffix.size())));
    default:
        break;
    }
    return {};
}

int DumpOrExport(const CommandArgs& args, bool readable) {
    RequireArgs(args, 2, kUsage);
    const auto world = TWorld::LoadGame(args[1]);
    TJsonFieldSink sink;
    TJsonFieldSink readableSink(
        [&](TFieldMeaning meaning, std::int64_t value) { return NameOf(*world, meaning, value); });
    TJsonFieldSink& out = readable ? readableSink : sink;
    world->WriteGame(out);
    std::printf("%s\n", out.Root().dump(2).c_str());
    return 0;
}

int Import(const CommandArgs& args) {
    RequireArgs(args, 3, kUsage);
    json j;
    try {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(args[1]);
        j = json::parse(bytes.begin(), bytes.end());
    } catch (const json::exception& e) {
        throw std::runtime_error(args[1] + ": not JSON: " + e.what());
    }
    std::unique_ptr<TWorld> world;
    try {
        TJsonFieldSource source(j);
        world = TWorld::LoadGameFrom(source, 0);
    } catch (const ESavedGameError& e) {
        throw std::runtime_error(args[1] + ": " + e.what());
    }
    WriteWholeFile(args[2], world->SaveGameBytes());
    return 0;
}

int Sample(const CommandArgs& args) {
    RequireArgs(args, 3, kUsage);
    const std::size_t clubs = args.size() > 3 ? static_cast<std::size_t>(std::stoul(args[3])) : 40;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(args[1]) / "Teams"))
        if (entry.path().extension() == ".kbt") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    if (files.size() < clubs)
        throw std::runtime_error(args[1] + ": fewer than " + std::to_string(clubs) + " team files");
    SetRandSeed(2002);
    TWorld world;
    world.SeasonYear = 2002;
    world.Description = "\r07-12-2026 12:00";
    for (std::size_t i = 0; i < clubs; ++i)
        world.AllTeams.Add(
            TTeam::CreateFromTeamFile(world, TTeamFile::ReadFile(files[i], kDataFormat2002)).release());
    for (const TRefereeAttr& r :
         ReadRefereeFilePath((std::filesystem::path(args[1]) / "referee.txe").string()))
        world.AllReferees.Add(new TReferee(world.NewObjectId(), std::make_unique<TRefereeAttr>(r)));
    CreateDivisions(world);
    for (int i = 0; i < world.AllTeams.Count(); ++i) {
        world.Divisions[std::min(i / 10, 4)]->teams.Add(world.AllTeams[i]);
        world.CupTeams.Add(world.AllTeams[i]);
        world.AllTeams[i]->coach->SetCurrentClub(world.AllTeams[i]);
        // Money by strength, as a new career gives the stronger clubs more.
        world.AllTeams[i]->SetBalance(world.AllTeams[i]->attr->Level() * 250000 * world.MoneyMultiplier());
    }
    for (int d = 0; d < 5; ++d)
        world.Divisions[d]->NewSeasonAll(d < 4 && world.Divisions[d]->teams.Count() == 10);
    for (int d = 0; d < 4; ++d)
        if (world.Divisions[d]->teams.Count() == 10) world.Divisions[d]->GenerateRound(1);
    WriteWholeFile(args[2], world.SaveGameBytes());
    return 0;
}

int Save(const CommandArgs& args) {
    RequireArgs(args, 2, kUsage);
    const std::string& what = args[0];
    if (what == "dump") return DumpOrExport(args, true);
    if (what == "export") return DumpOrExport(args, false);
    if (what == "check") {
        TWorld::LoadGame(args[1]);
        return 0;
    }
    if (what == "import") return Import(args);
    if (what == "sample") return Sample(args);
    if (what == "resave") {
        RequireArgs(args, 3, kUsage);
        WriteWholeFile(args[2], TWorld::LoadGame(args[1])->SaveGameBytes());
        return 0;
    }
    throw std::runtime_error(std::string("usage: kolbrin-data ") + kUsage);
}

const CommandRegistration kSaveCommand("save", kUsage, Save);
} // namespace
