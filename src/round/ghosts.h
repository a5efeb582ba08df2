#pragma once
#include "round/game.h"

namespace krivol {

constexpr Long kSpawnEvery = 500;

// Tick step 7: every 500 ticks a new ghost, maybe with an ammo and a protection drop.
void spawnStep(Game& g);
// Tick step 8: every living ghost moves, may turn, is drawn, and settles its cell.
void ghostStep(Game& g);

// Direction of a fresh ghost: row 5 or 6 (one draw) gets -1, 0 or +1 (another).
void chooseStartDirection(GhostSlot& ghost, Rnd& rnd);

}  // namespace krivol
