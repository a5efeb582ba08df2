#pragma once
#include "round/game.h"

namespace krivol {

// Fires: the shot starts at the hero's cell and centre at twice its last step.
void KOM(Game& g);
// Tick step 10: the shot moves two pixels, hits ghosts, ends at walls.
void flightStep(Game& g);

}  // namespace krivol
