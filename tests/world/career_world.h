#pragma once
// A career's world the way a new career builds it, for the seeded scenarios of every layer: clubs from the
// shipped team files (the strongest first) when the build has laid out the data folder, otherwise from team
// files made here; four leagues of ten and the pool, starting levels, salaries, money and stadiums by
// place, one human coach in the fourth league, and a new season.
#include "datafiles/team_file.h"
#include "foundation/kol_random.h"
#include "foundation/numeric.h"
#include "world/division.h"
#include "world/world.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace worldtest {

// The shipped team files when the data folder has been laid out, strongest level first (file-name order
// within a level); otherwise team files made here, so the scenario never depends on the build order.
inline std::vector<TTeamFile> CareerTeamFiles(int clubs) {
    std::vector<TTeamFile> files;
    const std::filesystem::path dir = std::filesystem::path(KOLBRIN_BINARY_DIR) / "bin" / "Teams";
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec)) {
        std::vector<std::filesystem::path> paths;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (entry.path().extension() == ".kbt") paths.push_back(entry.path());
        std::sort(paths.begin(), paths.end());
        for (const auto& path : paths) files.push_back(TTeamFile::ReadFile(path.string(), kDataFormat2002));
        std::stable_sort(files.begin(), files.end(), [](const TTeamFile& a, const TTeamFile& b) {
            return a.team.Level() > b.team.Level();
        });
    }
    if (files.size() >= static_cast<std::size_t>(clubs)) {
        files.resize(clubs);
        return files;
    }
    files.clear();
    static const char* const kCountries[] = {"POR", "ESP", "ITA", "BRA"};
    for (int c = 0; c < clubs; ++c) {
        TTeamFile file;
        file.team.SetName("Club " + std::to_string(c));
        file.team.SetShortName("Club " + std::to_string(c));
        file.team.SetCountry(kCountries[c % 4]);
        file.coach.SetName("Coach " + std::to_string(c));
        const int size = 14 + c % 7;
        for (int i = 0; i < size; ++i) {
            TPlayerAttr p;
            p.SetName("P" + std::to_string(c) + "x" + std::to_string(i));
            p.SetPosition(static_cast<std::uint8_t>(i < 2 ? 0 : 1 + i % 3));
            p.SetNationality(kCountries[(c + (i % 5 == 0 ? 1 : 0)) % 4]);
            p.SetBehaviour(static_cast<std::uint8_t>(i % 6));
            p.SetAge(18 + (c + i) % 19);
            p.SetStar(i == 3 ? 1 : 0);
            file.players.push_back(p);
        }
        files.push_back(file);
    }
    return files;
}

// The new-career set-up as the scenario needs it: clubs in file order, five divisions by index, starting
// levels, salaries, money and stadiums by place, one human coach in the fourth league, a new season.
inline void BuildCareerWorld(TWorld& world, const std::vector<TTeamFile>& files) {
    for (const TTeamFile& file : files) world.AllTeams.Add(TTeam::CreateFromTeamFile(world, file).release());
    CreateDivisions(world);
    for (int i = 0; i < world.AllTeams.Count(); ++i)
        world.Divisions[std::min(i / 10, 4)]->teams.Add(world.AllTeams[i]);
    for (int i = 0; i < world.AllTeams.Count(); ++i) {
        TTeam& team = *world.AllTeams[i];
        const int a = static_cast<int>(nearest((1 - i * 0.025L) * 100));
        const int base = i <= 40 ? std::max(a - 1, 5) : 1;
        for (TPlayer* p : team.players) {
            p->SetLevel(std::min(std::max(base + 3 - Random(7), 1), 100));
            p->SetSalary(p->MarketValue(team.priceFactor));
        }
        team.SetBalance(base * 50000 * world.MoneyMultiplier());
        team.stadium.size = static_cast<std::uint8_t>(std::max<std::int64_t>(1, nearest(base * 0.17L)));
    }
    for (TDivision* d : world.Divisions) d->ComputeTotalBalance();
    TTeam& humanClub = *world.Divisions[3]->teams[7];
    auto human = std::make_unique<TCoach>(world);
    human->isHuman = 1;
    human->SetName("Person");
    humanClub.coach->SetCurrentClub(nullptr);
    humanClub.coach = human.get();
    world.AllCoaches.Add(human.release());
    world.SeasonYear = 2002;
    for (int d = 0; d < world.Divisions.Count(); ++d) world.Divisions[d]->NewSeasonAll(d < 4);
}

} // namespace worldtest
