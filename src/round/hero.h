#pragma once
#include "round/game.h"

namespace krivol {

// Tick step 5: the hero takes the requested direction, moves one pixel unless
// a wall is ahead, and takes what lies in its cell.
void heroStep(Game& g);

// The movement rule the hero and the ghosts share: the cell 6 pixels ahead of
// the centre (x, y) when moving (dx, dy).
QPoint lookAheadCell(int x, int y, int dx, int dy, int SP);

}  // namespace krivol
