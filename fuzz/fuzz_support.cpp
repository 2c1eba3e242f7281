#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

std::vector<TFuzzTarget>& FuzzTargets() {
    static std::vector<TFuzzTarget> targets;
    return targets;
}

TFuzzRegistration::TFuzzRegistration(const char* name, TFuzzEntry entry, TFuzzSeedMaker seeds) {
    FuzzTargets().push_back({name, entry, seeds});
}

void FuzzCheck(bool ok, const std::string& what) {
    if (!ok) throw EFuzzFinding(what);
}

const std::string& FuzzScratchDir() {
    // One folder per process: several fuzz programs (and the tests) may run at once. The name is never
    // destroyed, so the removal at exit can still read it.
    static const std::string* dir = [] {
        // Memory-backed when the system has it: the readers under test open files thousands of times.
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                                  ? fs::path("/dev/shm")
                                  : fs::temp_directory_path();
        const fs::path p = base / ("kolbrin-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(p);
        auto* name = new std::string(p.string());
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(*dir, ignored);
        });
        return name;
    }();
    return *dir;
}

void WriteFuzzFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const fs::path p(path);
    if (p.has_parent_path()) fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void WriteFuzzFile(const std::string& path, std::string_view text) {
    WriteFuzzFile(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::vector<std::string> SplitFuzzInput(const std::uint8_t* data, std::size_t size,
                                        std::string_view separator) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = input.find(separator, start);
        if (at == std::string_view::npos || separator.empty()) {
            parts.emplace_back(input.substr(start));
            return parts;
        }
        parts.emplace_back(input.substr(start, at - start));
        start = at + separator.size();
    }
}

std::vector<std::string> FuzzSeedFiles(const std::string& dataDir, const std::string& folder,
                                       const std::string& suffix, std::size_t limit) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(dataDir) / folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file() && name.size() >= suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    if (files.size() > limit) files.resize(limit);
    return files;
}

TFuzzBytes FuzzReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return TFuzzBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TFuzzBytes FuzzBytesOf(std::string_view text) {
    return TFuzzBytes(text.begin(), text.end());
}

std::string FuzzFirstLines(const TFuzzBytes& text, std::size_t lines) {
    std::string out;
    for (std::uint8_t b : text) {
        if (lines == 0) break;
        out += static_cast<char>(b);
        if (b == '\n') --lines;
    }
    return out;
}

#ifdef KOLBRIN_LIBFUZZER
int FuzzInitialize(TFuzzSeedMaker seeds) {
    const char* data = std::getenv("KOLBRIN_FUZZ_SEEDS");
    const char* out = std::getenv("KOLBRIN_FUZZ_SEED_OUT");
    if (!data || !out) return 0;
    const std::vector<TFuzzBytes> made = seeds(data);
    std::size_t n = 0;
    for (const TFuzzBytes& s : made) {
        char name[32];
        std::snprintf(name, sizeof name, "seed-%04zu", n++);
        WriteFuzzFile((fs::path(out) / name).string(), s.data(), s.size());
    }
    std::printf("%zu seeds written to %s\n", made.size(), out);
    std::exit(made.empty() ? 1 : 0);
}
#endif
