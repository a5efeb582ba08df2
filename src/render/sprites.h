#pragma once
#include "render/surfaces.h"
#include "state/game_state.h"
#include "state/rnd.h"

namespace krivol {

constexpr QRgb kSparkle = 0xFFF0F01E;  // RGB(240, 240, 30)
constexpr QRgb kShotGreen = 0xFF00FF00;

// The hero on Pic1, with its sparkle while PLAMA >= 1.
void SETM(Surfaces& pics, GameState& s, Rnd& rnd);
// Ghost NG on Pic1, with its sparkle while its row 7 >= 1.
void SETG(Surfaces& pics, GameState& s, Rnd& rnd, const Integer& NG);
// The shot as a green disc on Pic1.
void SETL(Surfaces& pics, const GameState& s);

}  // namespace krivol
