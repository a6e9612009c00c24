#include "common/random.h"

#include <chrono>
#include <deque>
#include <optional>
#include <random>

namespace vb {
namespace {
std::mt19937& Engine() {
    static std::mt19937 engine(12345u);
    return engine;
}
std::optional<std::uint32_t> gFixed;
std::deque<float> gScripted;
}  // namespace

float Rnd() {
    if (!gScripted.empty()) {
        const float v = gScripted.front();
        gScripted.pop_front();
        return v;
    }
    // 24 random bits: every value is exactly representable as a float below 1.
    return static_cast<float>(Engine()() >> 8) * (1.0f / 16777216.0f);
}

void Randomize(std::uint32_t seed) { Engine().seed(seed); }

void Randomize_FromClock() {
    if (gFixed) {
        Randomize(*gFixed);
        return;
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    Randomize(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

void Rnd_FixSeed(std::uint32_t seed) {
    gFixed = seed;
    Randomize(seed);
}
void Rnd_UnfixSeed() { gFixed.reset(); }

void Rnd_Script(const std::vector<float>& values) { gScripted.assign(values.begin(), values.end()); }

}  // namespace vb
