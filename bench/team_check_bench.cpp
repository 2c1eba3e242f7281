// `kolbrin-data team check` over 5 000 generated team files against reading the same files: the check
// must stay within a small factor of the reading (its duplicate test folds each name once).
#include "datafiles/countries.h"
#include "datafiles/team_file.h"
#include "datafiles/team_folder_check.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr int kFiles = 5000;

// A folder of kFiles valid teams of 16 players, made once per run.
const std::string& GeneratedFolder() {
    static const std::string folder = [] {
        const fs::path dir =
            fs::temp_directory_path() / ("kolbrin_bench_teams_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (int i = 0; i < kFiles; ++i) {
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

// Listing and reading every file, as any scan of the pool does.
void BM_ReadGeneratedTeamFiles(benchmark::State& state) {
    const std::string& folder = GeneratedFolder();
    std::size_t players = 0;
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().string());
        std::sort(names.begin(), names.end());
        for (const std::string& f : names) players += TTeamFile::ReadFile(f, kDataFormat2002).players.size();
    }
    benchmark::DoNotOptimize(players);
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ReadGeneratedTeamFiles)->Unit(benchmark::kMillisecond);

void BM_TeamCheckGeneratedFolder(benchmark::State& state) {
    const std::string& folder = GeneratedFolder();
    std::size_t invalid = 0;
    for (auto _ : state)
        for (const TTeamFolderResult& r : CheckTeamFolder(folder))
            invalid += r.flags != 0 || !r.problem.empty();
    if (invalid != 0) state.SkipWithError("a generated team failed its check");
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_TeamCheckGeneratedFolder)->Unit(benchmark::kMillisecond);
} // namespace
