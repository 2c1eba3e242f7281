// `kolbrin-data team check` over 5 000 generated team files against reading the same files: the check
// must stay within a small factor of the reading (its duplicate test folds each name once).
#include "bench/generated_teams.h"
#include "datafiles/team_file.h"
#include "datafiles/team_folder_check.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
// Listing and reading every file, as any scan of the pool does.
void BM_ReadGeneratedTeamFiles(benchmark::State& state) {
    const std::string& folder = GeneratedTeamFolder();
    std::size_t players = 0;
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().string());
        std::sort(names.begin(), names.end());
        for (const std::string& f : names) players += TTeamFile::ReadFile(f, kDataFormat2002).players.size();
    }
    benchmark::DoNotOptimize(players);
    state.SetItemsProcessed(state.iterations() * kGeneratedTeamFiles);
}
BENCHMARK(BM_ReadGeneratedTeamFiles)->Unit(benchmark::kMillisecond);

void BM_TeamCheckGeneratedFolder(benchmark::State& state) {
    const std::string& folder = GeneratedTeamFolder();
    std::size_t invalid = 0;
    for (auto _ : state)
        for (const TTeamFolderResult& r : CheckTeamFolder(folder))
            invalid += r.flags != 0 || !r.problem.empty();
    if (invalid != 0) state.SkipWithError("a generated team failed its check");
    state.SetItemsProcessed(state.iterations() * kGeneratedTeamFiles);
}
BENCHMARK(BM_TeamCheckGeneratedFolder)->Unit(benchmark::kMillisecond);
} // namespace
