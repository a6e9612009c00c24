// Seeded byte mutations for the robustness tests: the same seed gives the same inputs.
#pragma once
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : rng_(seed) {}

    std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(rng_() % n); }

    // One to four mutations of a copy of one of the seeds.
    std::string Mutate(const std::vector<std::string>& seeds) {
        std::string s = seeds[Below(seeds.size())];
        const std::size_t count = 1 + Below(4);
        for (std::size_t k = 0; k < count; ++k) Once(s, seeds);
        return s;
    }

private:
    void Once(std::string& s, const std::vector<std::string>& seeds) {
        static const char kBytes[] = {'\0', '\xFF', '\x7F', '\x80', '\x81', '\x9F', '\xE0', '\xFC', ':', '=',
                                      '[', ']', '\r', '\n', '-', '.', 'e', '9', ' ', '"'};
        const std::size_t pos = Below(s.size() + 1);
        switch (Below(8)) {
            case 0:  // flip a bit
                if (!s.empty()) s[Below(s.size())] ^= static_cast<char>(1u << Below(8));
                break;
            case 1:  // an interesting byte
                if (!s.empty()) s[Below(s.size())] = kBytes[Below(sizeof kBytes)];
                break;
            case 2:  // insert a few bytes
                s.insert(pos, 1 + Below(4), kBytes[Below(sizeof kBytes)]);
                break;
            case 3:  // delete a range
                if (!s.empty()) s.erase(Below(s.size()), 1 + Below(16));
                break;
            case 4:  // truncate
                s.resize(Below(s.size() + 1));
                break;
            case 5: {  // repeat a chunk
                if (s.empty()) break;
                const std::size_t from = Below(s.size());
                s.insert(pos, s.substr(from, 1 + Below(64)));
                break;
            }
            case 6: {  // splice in part of another seed
                const std::string& other = seeds[Below(seeds.size())];
                if (other.empty()) break;
                const std::size_t from = Below(other.size());
                s.insert(pos, other.substr(from, 1 + Below(128)));
                break;
            }
            default: {  // a big or negative number in place of a byte
                static const char* kNumbers[] = {"40000", "-32769", "2147483648", "1e308", "99999999999", "2.5", "-0"};
                if (!s.empty()) s.replace(Below(s.size()), 1, kNumbers[Below(7)]);
                break;
            }
        }
    }
    std::mt19937 rng_;
};

// Runs body at least minIterations times, then on until maxIterations or the time budget, whichever
// comes first: a busy machine still gets the minimum, a fast one more.
template <typename F>
int RunFor(int minIterations, int maxIterations, double seconds, F body) {
    const auto start = std::chrono::steady_clock::now();
    int i = 0;
    for (; i < maxIterations; ++i) {
        if (i >= minIterations &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > seconds) {
            break;
        }
        body(i);
    }
    return i;
}
