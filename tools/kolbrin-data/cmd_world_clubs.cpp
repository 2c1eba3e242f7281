// Data steps of the shipped people: the referee file and the team files of the "Teams" and
// "Provisory Teams" folders. Every club of "Teams" must pass the same team check the editor applies before
// a save, against the country list and groups the earlier steps wrote; a club that fails stops the build.
#include "datafiles/countries.h"
#include "datafiles/referee_file.h"
#include "datafiles/team_check.h"
#include "datafiles/team_file.h"
#include "foundation/binary_file.h"
#include "foundation/encoding.h"
#include "tools/kolbrin-data/commands.h"
#include "tools/kolbrin-data/world_sources.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTeamFolder = "Teams";
constexpr const char* kProvisoryFolder = "Provisory Teams";
// The header of every shipped team file. Fixed dates keep the build byte for byte repeatable.
constexpr const char* kAuthor = "Kolbrin 2002";
constexpr const char* kSavedBy = "kolbrin-data";
constexpr TFileDate kMadeOn{2002, 5, 31};

std::string FlagNames(std::uint32_t flags) {
    std::string out;
    for (const TTeamCheckReason& r : TeamCheckReasons())
        if (flags & r.bit) out += (out.empty() ? "" : ", ") + std::string(r.name);
    return out;
}

TTeamFile TeamFileOf(const TWorldClub& club) {
    TTeamFile file;
    file.team.SetName(club.name);
    file.team.SetShortName(club.shortName);
    file.team.SetColor1(club.color1);
    file.team.SetColor2(club.color2);
    file.team.SetCountry(club.country);
    file.team.SetLevel(static_cast<std::uint8_t>(club.level));
    for (const TWorldPlayer& p : club.players) {
        TPlayerAttr a;
        a.SetName(p.name);
        a.SetPosition(static_cast<std::uint8_t>(p.position));
        a.SetStar(p.star ? 1 : 0);
        a.SetNationality(p.nationality);
        a.SetBehaviour(static_cast<std::uint8_t>(p.behaviour));
        a.SetAge(p.age);
        file.players.push_back(a);
    }
    file.coach.SetName(club.coach);
    file.header.SetAuthor(kAuthor);
    file.StampHeader(kSavedBy, kMadeOn);
    return file;
}

// Loads the country names and groups that the earlier steps laid out, so the check sees exactly what the
// game will.
void LoadBuiltCountries(const std::string& outDir, const TWorldCountries& world) {
    ResetCountries();
    const std::string& lang = world.languages.front();
    LoadCountryNames((fs::path(outDir) / "Int" / lang / CountryNamesFileName(lang)).string(), lang);
    LoadCountryGroups(outDir, [](const std::string& text, const std::string& caption) {
        throw std::runtime_error(caption + ": " + text);
    });
}

struct TBuiltTeam {
    const TWorldClub* club;
    std::string fileName;
    TTeamFile file;
};

// Removes the team files an earlier build wrote, so that a club renamed or dropped in the sources does not
// linger beside its new file. A file the editor has saved since carries its user's name in the header and
// stays, as does anything that is not a readable team file.
void RemoveEarlierBuild(const fs::path& folder) {
    if (!fs::is_directory(folder)) return;
    std::vector<fs::path> ours;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".kbt") continue;
        try {
            const TTeamFile file =
                TTeamFile::ReadTeamOnly(ReadWholeFile(entry.path().string()), kDataFormat2002);
            if (file.headerOk && file.header.SavedBy() == kSavedBy && file.header.Author() == kAuthor)
                ours.push_back(entry.path());
        } catch (const std::exception&) {}
    }
    for (const fs::path& p : ours) fs::remove(p);
}

// Checks and writes one folder of teams; returns how many fail the team check.
int WriteTeamFolder(const fs::path& folder, const std::vector<TWorldClub>& clubs, bool mustPass) {
    std::vector<TBuiltTeam> teams;
    std::map<std::string, std::string> taken; // lower-case file name -> where
    for (const TWorldClub& club : clubs) {
        if (!FindCountry(kFindByCode, club.country))
            throw std::runtime_error(club.where + ": unknown club country " + club.country);
        for (const TWorldPlayer& p : club.players)
            if (!FindCountry(kFindByCode, p.nationality))
                throw std::runtime_error(club.where + ": player " + Cp1252ToUtf8(p.name) +
                                         " has the unknown nationality " + p.nationality);
        std::string fileName = WorldTeamFileName(club.shortName);
        std::string key = fileName;
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
        if (!taken.emplace(key, club.where).second)
            throw std::runtime_error(club.where + ": the file name " + fileName +
                                     " is taken by the club at " + taken[key]);
        teams.push_back({&club, std::move(fileName), TeamFileOf(club)});
    }
    RemoveEarlierBuild(folder);
    fs::create_directories(folder);
    int failing = 0;
    for (const TBuiltTeam& t : teams) {
        std::vector<const TPlayerAttr*> players;
        for (const TPlayerAttr& p : t.file.players) players.push_back(&p);
        std::vector<std::string> others;
        for (const TBuiltTeam& o : teams)
            if (&o != &t) others.push_back(o.fileName);
        const std::uint32_t flags =
            ComputeTeamCheckFlags(t.file.team, players, &t.file.coach, t.fileName, others);
        if (flags != 0) {
            if (mustPass)
                throw std::runtime_error(t.club->where + ": " + Cp1252ToUtf8(t.club->shortName) +
                                         " fails the team check: " + FlagNames(flags));
            ++failing;
        }
        t.file.WriteFile((folder / t.fileName).string(), kDataFormat2002);
    }
    return failing;
}

void BuildTeams(const std::string& outDir, const std::string& sourceDir) {
    const std::string world = WorldSourceDir(sourceDir);
    LoadBuiltCountries(outDir, ReadWorldCountries(world + "/countries.txt"));
    WriteTeamFolder(fs::path(outDir) / kTeamFolder, ReadWorldClubFolder(world + "/clubs"), true);
    // The editor's work in progress may fail the check; that is what the folder is for.
    WriteTeamFolder(fs::path(outDir) / kProvisoryFolder, ReadWorldClubs(world + "/provisory.txt"), false);
    ResetCountries();
}

void BuildReferees(const std::string& outDir, const std::string& sourceDir) {
    const std::string world = WorldSourceDir(sourceDir);
    const TWorldCountries countries = ReadWorldCountries(world + "/countries.txt");
    std::vector<TRefereeAttr> referees;
    for (const TWorldReferee& r : ReadWorldReferees(world + "/referees.txt")) {
        if (!countries.Find(r.country))
            throw std::runtime_error("referees.txt: " + Cp1252ToUtf8(r.name) + " has the unknown country " +
                                     r.country);
        referees.emplace_back(r.name, r.country);
    }
    WriteRefereeFilePath((fs::path(outDir) / kRefereeFileName).string(), referees);
}

const DataStepRegistration kRefereesStep(50, "referees", BuildReferees);
const DataStepRegistration kTeamsStep(60, "teams", BuildTeams);

} // namespace
