#pragma once
// The program-wide random generator. Every rule of the game draws from it, in a fixed order: the order
// of the draws is part of the rules, so a career replays exactly from the same seed.
//
// The draw log: when a seeded run changes, the first draw that moved tells which rule moved. A test turns
// the log on with StartDrawLog (the draws are collected in memory); setting the environment variable
// KOLBRIN_DRAW_LOG=FILE writes every draw of the program to FILE, one line each. A draw names the rule
// that asked for it by a short tag, passed with the draw or set around a call with TDrawTag. With the log
// off a draw costs one test of a flag.
#include <cstdint>
#include <vector>

// state := state * 134775813 + 1 (mod 2^32), then the draw is taken from the new state.
std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t seed);
// Seeds from the clock: ((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds.
void Randomize();
// 0 .. n-1: the upper 32 bits of state * n. A range of 0 or less still advances the state and gives 0.
std::int32_t Random(std::int32_t n);
// [0, 1): state * 2^-32.
long double RandomFloat();
// The same draws, naming the rule that asks in the draw log. `tag` must outlive the log (a literal).
std::int32_t Random(std::int32_t n, const char* tag);
long double RandomFloat(const char* tag);

// One draw as the log keeps it.
struct TDrawRecord {
    const char* tag;     // the draw's own tag, else the innermost TDrawTag, else "?"
    std::int32_t range;  // n of Random(n); 0 for RandomFloat
    std::int32_t value;  // the result of Random(n); for RandomFloat 0
    std::uint32_t state; // the generator's state after the draw
};

// Collects every following draw into `sink` (appended) until StopDrawLog (a log to a file goes on
// beside it).
void StartDrawLog(std::vector<TDrawRecord>& sink);
void StopDrawLog();

// Names the rule for every untagged draw made while it lives (inner tags win; the outer one comes back).
class TDrawTag {
public:
    explicit TDrawTag(const char* tag);
    ~TDrawTag();
    TDrawTag(const TDrawTag&) = delete;
    TDrawTag& operator=(const TDrawTag&) = delete;

private:
    const char* previous_;
};
