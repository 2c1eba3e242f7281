#pragma once
// Where the benchmarks find the shipped data: the data folder laid out by this build, or the folder named by
// KOLBRIN_BENCH_DATA (a benchmark build need not lay out its own).
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

inline std::string BenchDataDir() {
    if (const char* dir = std::getenv("KOLBRIN_BENCH_DATA")) return dir;
    return std::string(KOLBRIN_BINARY_DIR) + "/bin";
}

// The paths of the team files of that folder's "Teams", in file-name order (none when it has no such folder).
inline std::vector<std::string> BenchTeamFiles() {
    std::vector<std::string> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(BenchDataDir() + "/Teams", ec), end; !ec && it != end;
         it.increment(ec))
        if (it->path().extension() == ".kbt") files.push_back(it->path().string());
    std::sort(files.begin(), files.end());
    return files;
}
