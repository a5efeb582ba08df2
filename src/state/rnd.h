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
    std::uint64_t draws() const { return draws_; }

private:
    std::mt19937 gen_;
    std::uint64_t draws_ = 0;
};

}  // namespace krivol
