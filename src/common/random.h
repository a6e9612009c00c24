// The one random source of the game: uniform single-precision values in [0, 1).
#pragma once
#include <cstdint>
#include <vector>

namespace vb {

// The next value in [0, 1).
float Rnd();
// Restarts the sequence from a seed (the same seed gives the same sequence).
void Randomize(std::uint32_t seed);
// Seeds from the clock, unless a fixed seed was asked for (replays and tests).
void Randomize_FromClock();
// Fixes the seed: Randomize_FromClock then uses it instead of the clock.
void Rnd_FixSeed(std::uint32_t seed);
void Rnd_UnfixSeed();
// Test hook: the next values Rnd returns, in order, before the generator takes over again.
void Rnd_Script(const std::vector<float>& values);

}  // namespace vb
