// The fuzz entry points without the fuzzer: each is fed its seeds (built from the data folder of this
// build), every truncation of a few of them and a fixed set of seeded byte flips. Nothing may leave an
// entry point: it lets through only what a reader owes its caller, so any exception reaching here is a
// fault of the reader, as is a crash or a sanitizer report.
#include "fuzz/fuzz_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace {
// A few seeds of each entry point get the truncations and flips; all seeds are fed whole.
constexpr std::size_t kSampledSeeds = 4;
// Seeds longer than this are cut before their truncations (the first part holds every structure the
// readers check: headers, counts, the first records and lines).
constexpr std::size_t kMaxTruncatedSeed = 1536;
constexpr int kFlipsPerSeed = 150;
constexpr int kMaxReportedFailures = 5;

std::string DataDir() {
    return std::string(KOLBRIN_BINARY_DIR) + "/bin";
}

std::string Hex(const TFuzzBytes& bytes) {
    std::string out;
    char buf[4];
    for (std::size_t i = 0; i < bytes.size() && i < 96; ++i) {
        std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
        out += buf;
    }
    return bytes.size() > 96 ? out + "..." : out;
}

class TReplay {
public:
    explicit TReplay(const TFuzzTarget& target) : target_(target) {}

    void Feed(const TFuzzBytes& input, const std::string& what) {
        std::string error;
        try {
            target_.entry(input.data(), input.size());
            return;
        } catch (const EFuzzFinding& e) {
            error = std::string("broken property: ") + e.what();
        } catch (const std::exception& e) {
            error = std::string("exception left the reader: ") + e.what();
        } catch (...) {
            error = "an unknown exception left the reader";
        }
        if (++failures_ <= kMaxReportedFailures)
            ADD_FAILURE() << target_.name << ", " << what << " (" << input.size() << " bytes): " << error
                          << "\ninput: " << Hex(input);
    }

private:
    const TFuzzTarget& target_;
    int failures_ = 0;
};

void ReplayTarget(const TFuzzTarget& target) {
    const std::vector<TFuzzBytes> seeds = target.seeds(DataDir());
    ASSERT_FALSE(seeds.empty()) << target.name << " has no seeds: is the data folder built in " << DataDir()
                                << "?";
    TReplay replay(target);
    for (std::size_t i = 0; i < seeds.size(); ++i) replay.Feed(seeds[i], "seed " + std::to_string(i));

    const std::size_t sampled = std::min(kSampledSeeds, seeds.size());
    for (std::size_t s = 0; s < sampled; ++s) {
        const std::size_t index = s * seeds.size() / sampled;
        const TFuzzBytes& seed = seeds[index];
        const std::string name = "seed " + std::to_string(index);

        const std::size_t cut = std::min(seed.size(), kMaxTruncatedSeed);
        for (std::size_t length = 0; length < cut; ++length)
            replay.Feed(TFuzzBytes(seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(length)),
                        name + " cut to " + std::to_string(length));

        if (seed.empty()) continue;
        // The same flips on every run and every system: the generator and its seed are fixed.
        std::mt19937 draw(static_cast<std::uint32_t>(2002 + index));
        for (int flip = 0; flip < kFlipsPerSeed; ++flip) {
            TFuzzBytes damaged = seed;
            const int bytes = 1 + static_cast<int>(draw() % 4);
            for (int b = 0; b < bytes; ++b)
                damaged[draw() % damaged.size()] = static_cast<std::uint8_t>(draw());
            replay.Feed(damaged, name + " flip " + std::to_string(flip));
        }
    }
}
} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (const TFuzzTarget& target : FuzzTargets()) {
        testing::RegisterTest("FuzzReplay", target.name, nullptr, nullptr, __FILE__, __LINE__,
                              [&target]() -> testing::Test* {
                                  struct TReplayTest : testing::Test {
                                      const TFuzzTarget* target = nullptr;
                                      void TestBody() override { ReplayTarget(*target); }
                                  };
                                  auto* test = new TReplayTest;
                                  test->target = &target;
                                  return test;
                              });
    }
    return RUN_ALL_TESTS();
}
