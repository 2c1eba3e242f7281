#pragma once
// The program-wide random generator. Every rule of the game draws from it, in a fixed order: the order
// of the draws is part of the rules, so a career replays exactly from the same seed.
#include <cstdint>

// state := state * 134775813 + 1 (mod 2^32), then the draw is taken from the new state.
std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t seed);
// Seeds from the clock: ((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds.
void Randomize();
// 0 .. n-1: the upper 32 bits of state * n. A range of 0 or less still advances the state and gives 0.
std::int32_t Random(std::int32_t n);
// [0, 1): state * 2^-32.
long double RandomFloat();
