#pragma once
// A folder of 5 000 generated team files (valid teams of 16 players, Portuguese and Spanish, levels 1 to
// 20), written once per run into the temporary folder and removed at exit; the two countries registered
// when no country table is loaded.
#include "datafiles/countries.h"
#include "datafiles/team_file.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

constexpr int kGeneratedTeamFiles = 5000;

inline const std::string& GeneratedTeamFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        const fs::path dir =
            fs::temp_directory_path() / ("kolbrin_bench_teams_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (int i = 0; i < kGeneratedTeamFiles; ++i) {
            TTeamFile f;
            const std::string n = std::to_string(10000 + i);
            f.team.SetName("Clube " + n);
            f.team.SetShortName("C" + n);
            f.team.SetCountry(i % 2 ? "POR" : "ESP");
            f.team.SetLevel(static_cast<std::uint8_t>(1 + i % 20));
            f.coach.SetName("Treinador " + n);
            for (int k = 0; k < 16; ++k) {
                TPlayerAttr p;
                p.SetName("Jogador " + n + "-" + std::to_string(k));
                p.SetPosition(static_cast<std::uint8_t>(k == 0 ? 0 : 1 + k % 3));
                p.SetNationality(f.team.Country());
                p.SetBehaviour(2);
                p.SetAge(20 + k);
                f.players.push_back(p);
            }
            f.WriteFile((dir / ("team" + n + ".kbt")).string(), kDataFormat2002);
        }
        if (AllCountries().Count() == 0)
            for (const char* code : {"POR", "ESP", "BRA", "ENG", "ITA", "FRA", "GER", "NED"})
                AllCountries().Add(std::make_unique<TCountry>(code, code, code));
        std::atexit([] {
            fs::remove_all(fs::temp_directory_path() / ("kolbrin_bench_teams_" + std::to_string(::getpid())));
        });
        return dir.string();
    }();
    return folder;
}
