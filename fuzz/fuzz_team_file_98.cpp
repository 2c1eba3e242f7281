// Team files of the older data format (no header, the short player record), read as the game and the
// editor read them.
#include "fuzz/team_file_fuzz.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    RunTeamFile(data, size, kDataFormat98);
}

// The shipped files are of format 2002; their teams written in the older format make the seeds.
std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const std::string& file : FuzzSeedFiles(dataDir, "Teams", ".kbt", 60))
        seeds.push_back(TTeamFile::ReadFile(file, kDataFormat2002).Write(kDataFormat98));
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("team_file_98", Run, Seeds)
