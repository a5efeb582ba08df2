#pragma once
#include <QTime>
#include <cstdint>

namespace krivol {

// The seed of a game or maze begun at `now`: whole seconds since local
// midnight, so every start plays differently. The caller reads the clock.
inline std::uint32_t timeOfDaySeed(const QTime& now) {
    return static_cast<std::uint32_t>(now.msecsSinceStartOfDay() / 1000);
}

}  // namespace krivol
