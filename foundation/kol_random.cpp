#include "foundation/kol_random.h"

#include <chrono>
#include <ctime>

namespace {
std::uint32_t g_state = 0;

void Step() {
    g_state = g_state * 134775813u + 1u;
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
    Step();
    if (n <= 0) return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(g_state) * static_cast<std::uint32_t>(n)) >>
                                     32);
}

long double RandomFloat() {
    Step();
    return static_cast<long double>(g_state) / 4294967296.0L;
}
