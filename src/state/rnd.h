#pragma once
#include <cstdint>
#include <random>

namespace krivol {

// The one random sequence of a run; every draw comes from here so a seed
// replays a whole game. A draw is a 24-bit float in [0, 1), never 1.0.
class Rnd {
public:
    explicit Rnd(std::uint32_t seed) : gen_(seed) {}
    float next() {
        ++draws_;
        return static_cast<float>(gen_() >> 8) * 0x1.0p-24f;
    }
    // An integer in [0, n) for n >= 1, from the raw output alone (no library
    // distribution, whose results differ between standard libraries), so a
    // seed gives the same numbers everywhere. Rejection keeps it unbiased.
    std::uint32_t below(std::uint32_t n) {
        const std::uint32_t limit = static_cast<std::uint32_t>(-n) % n;  // 2^32 mod n
        for (;;) {
            ++draws_;
            const std::uint64_t product = static_cast<std::uint64_t>(gen_()) * n;
            if (static_cast<std::uint32_t>(product) >= limit) return static_cast<std::uint32_t>(product >> 32);
        }
    }
    std::uint64_t draws() const { return draws_; }

private:
    std::mt19937 gen_;
    std::uint64_t draws_ = 0;
};

}  // namespace krivol
