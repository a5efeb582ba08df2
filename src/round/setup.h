#pragma once
#include "round/game.h"

namespace krivol {

// Round setup once the level's grid is known to be playable.
void resetRoundVariables(Game& g);
void placeItems(GameState& s, Rnd& rnd);
void placeHero(GameState& s);
void placeGhosts(Game& g);

}  // namespace krivol
