// Team files of data format 2002 (with the tagged header), read as the game and the editor read them.
#include "fuzz/team_file_fuzz.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    RunTeamFile(data, size, kDataFormat2002);
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const std::string& file : FuzzSeedFiles(dataDir, "Teams", ".kbt"))
        seeds.push_back(FuzzReadFile(file));
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("team_file_2002", Run, Seeds)
