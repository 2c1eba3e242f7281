#pragma once
// What every fuzz entry point shares. Each fuzz_<reader>.cpp feeds arbitrary bytes to one reader of outside
// input. A damaged input may end in one of the core's own exceptions (foundation/errors.h): that is the
// clear error the reader owes its caller. Anything else leaving the reader (another exception, a broken
// property checked with FuzzCheck) or a sanitizer report is a fault of the reader.
//
// The same files build two ways: with KOLBRIN_LIBFUZZER each one is a libFuzzer program of its own; without
// it they all register with the replay program, which feeds them the seeds, their truncations and seeded
// byte flips under GoogleTest.
#include "foundation/errors.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using TFuzzBytes = std::vector<std::uint8_t>;
using TFuzzEntry = void (*)(const std::uint8_t* data, std::size_t size);
// Builds the seeds of an entry point from a built data folder (<build>/bin). Seeds are small valid inputs.
using TFuzzSeedMaker = std::vector<TFuzzBytes> (*)(const std::string& dataDir);

struct TFuzzTarget {
    const char* name;
    TFuzzEntry entry;
    TFuzzSeedMaker seeds;
};

// Every entry point linked into this program, in registration order.
std::vector<TFuzzTarget>& FuzzTargets();

struct TFuzzRegistration {
    TFuzzRegistration(const char* name, TFuzzEntry entry, TFuzzSeedMaker seeds);
};

// Thrown when a property that must hold for every input does not: a finding, never an expected outcome.
class EFuzzFinding : public std::logic_error {
public:
    using std::logic_error::logic_error;
};
void FuzzCheck(bool ok, const std::string& what);

// Runs a reader on damaged input: the core's exceptions are the expected outcome and end the run quietly.
template <class F> void ExpectOnlyCoreErrors(F&& body) {
    try {
        body();
    } catch (const EInvalidFile&) {
    } catch (const EInOutError&) {
    } catch (const EFileNotFound&) {}
}

// A folder of this process for the files a reader must find on disk (created on first use).
const std::string& FuzzScratchDir();
// Writes the bytes to the file (replacing it); the folders on the way are created.
void WriteFuzzFile(const std::string& path, const std::uint8_t* data, std::size_t size);
void WriteFuzzFile(const std::string& path, std::string_view text);

// Pieces of the input between the separator (the input "a<sep>b" gives "a", "b").
std::vector<std::string> SplitFuzzInput(const std::uint8_t* data, std::size_t size,
                                        std::string_view separator);

// Seed helpers: the files of dataDir/folder whose names end with `suffix`, in name order (at most `limit`).
std::vector<std::string> FuzzSeedFiles(const std::string& dataDir, const std::string& folder,
                                       const std::string& suffix, std::size_t limit = 1000);
TFuzzBytes FuzzReadFile(const std::string& path);
TFuzzBytes FuzzBytesOf(std::string_view text);
// The first `lines` lines of a text (each with its line end).
std::string FuzzFirstLines(const TFuzzBytes& text, std::size_t lines);

#ifdef KOLBRIN_LIBFUZZER
// libFuzzer calls the entry; KOLBRIN_FUZZ_SEEDS=<data folder> and KOLBRIN_FUZZ_SEED_OUT=<folder> make the
// program write its seeds there and end, so the corpus is made by the same code as the replay's seeds.
int FuzzInitialize(TFuzzSeedMaker seeds);
#define KOLBRIN_FUZZ_TARGET(name, entry, seeds)                                                              \
    extern "C" int LLVMFuzzerInitialize(int*, char***) {                                                     \
        return FuzzInitialize(seeds);                                                                        \
    }                                                                                                        \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {                      \
        entry(data, size);                                                                                   \
        return 0;                                                                                            \
    }
#else
#define KOLBRIN_FUZZ_TARGET(name, entry, seeds)                                                              \
    static const TFuzzRegistration kFuzzRegistration(name, entry, seeds);
#endif
