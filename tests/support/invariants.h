#pragma once
#include <string>

#include "state/game_state.h"

namespace krivol::test {

// Rules that hold after every tick; empty when all hold. Used by the scenario
// tests and the whole-game fuzz target.
std::string invariantViolation(const GameState& s);

}  // namespace krivol::test
