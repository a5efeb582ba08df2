#pragma once
#include <cstdint>
#include <limits>

namespace krivol {

using Integer = std::int16_t;  // the game's 16-bit counters and arrays
using Long = std::int32_t;     // SCORE, TTG, UGAME

constexpr Integer kTrue = -1;  // truth flags hold -1 / 0
constexpr Integer kFalse = 0;

// Counters saturate at their type's limit instead of stopping the game.
template <typename T>
constexpr T satAdd(T value, long long delta) {
    long long sum = static_cast<long long>(value) + delta;
    if (sum > std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
    if (sum < std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
    return static_cast<T>(sum);
}

}  // namespace krivol
