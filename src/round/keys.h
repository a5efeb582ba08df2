#pragma once
#include "round/game.h"

namespace krivol {

// Virtual key codes the tick acts on.
namespace key {
constexpr Integer kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kFire = 49, kKeypad1 = 97;
}

// Tick step 4: while a key is held (KK != KKU) it steers or fires, once per tick.
void keyStep(Game& g);

// What the key handlers do.
inline void keyDown(GameState& s, Integer code) {
    s.KK = code;
    s.KKU = 0;
}
inline void keyUp(GameState& s, Integer code) { s.KKU = code; }

}  // namespace krivol
