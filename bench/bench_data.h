#pragma once
// Where the benchmarks find the shipped data: the data folder laid out by this build, or the folder named by
// KOLBRIN_BENCH_DATA (a benchmark build need not lay out its own).
#include <cstdlib>
#include <string>

inline std::string BenchDataDir() {
    if (const char* dir = std::getenv("KOLBRIN_BENCH_DATA")) return dir;
    return std::string(KOLBRIN_BINARY_DIR) + "/bin";
}
