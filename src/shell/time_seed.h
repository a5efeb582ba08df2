#pragma once
#include <QTime>
#include <cstdint>

namespace krivol {

// Whole seconds since local midnight: every start plays differently.
inline std::uint32_t timeOfDaySeed() {
    return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
}

}  // namespace krivol
