#include "foundation/kol_random.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
std::uint32_t g_state = 0;

// The draw log. g_logging is the only thing a draw looks at when the log is off.
bool g_logging = false;
std::vector<TDrawRecord>* g_sink = nullptr;
std::FILE* g_file = nullptr;
const char* g_tag = nullptr;
std::uint64_t g_fileLines = 0;

void Step() {
    g_state = g_state * 134775813u + 1u;
}

void Record(const char* tag, std::int32_t range, std::int32_t value) {
    const TDrawRecord record{tag ? tag : (g_tag ? g_tag : "?"), range, value, g_state};
    if (g_sink) g_sink->push_back(record);
    if (g_file)
        std::fprintf(g_file, "%llu %s %d %d %u\n", static_cast<unsigned long long>(g_fileLines++), record.tag,
                     record.range, record.value, record.state);
}

// KOLBRIN_DRAW_LOG=FILE logs the whole program's draws from its start.
struct TDrawLogFromEnvironment {
    TDrawLogFromEnvironment() {
        const char* path = std::getenv("KOLBRIN_DRAW_LOG");
        if (path == nullptr || *path == '\0') return;
        g_file = std::fopen(path, "w");
        if (g_file == nullptr) {
            std::fprintf(stderr, "KOLBRIN_DRAW_LOG: cannot write %s\n", path);
            return;
        }
        g_logging = true;
    }
    ~TDrawLogFromEnvironment() {
        if (g_file) std::fclose(g_file);
        g_file = nullptr;
        g_logging = g_sink != nullptr;
    }
} g_environmentLog;

std::int32_t Draw(std::int32_t n) {
    Step();
    if (n <= 0) return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(g_state) * static_cast<std::uint32_t>(n)) >>
                                     32);
}
} // namespace

std::uint32_t RandSeed() {
    return g_state;
}

void SetRandSeed(std::uint32_t seed) {
    g_state = seed;
}

void Randomize() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    g_state =
        static_cast<std::uint32_t>(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + ms);
}

std::int32_t Random(std::int32_t n) {
    const std::int32_t value = Draw(n);
    if (g_logging) Record(nullptr, n, value);
    return value;
}

std::int32_t Random(std::int32_t n, const char* tag) {
    const std::int32_t value = Draw(n);
    if (g_logging) Record(tag, n, value);
    return value;
}

long double RandomFloat() {
    Step();
    if (g_logging) Record(nullptr, 0, 0);
    return static_cast<long double>(g_state) / 4294967296.0L;
}

long double RandomFloat(const char* tag) {
    Step();
    if (g_logging) Record(tag, 0, 0);
    return static_cast<long double>(g_state) / 4294967296.0L;
}

void StartDrawLog(std::vector<TDrawRecord>& sink) {
    g_sink = &sink;
    g_logging = true;
}

void StopDrawLog() {
    g_sink = nullptr;
    g_logging = g_file != nullptr;
}

TDrawTag::TDrawTag(const char* tag) : previous_(g_tag) {
    g_tag = tag;
}

TDrawTag::~TDrawTag() {
    g_tag = previous_;
}
