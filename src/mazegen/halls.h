#pragma once
#include "mazegen/lattice.h"
#include "state/rnd.h"

namespace krivol::maze {

// Open halls: every passage open, then short walls and posts set back in.
// A wall never closes a ring, so no corridor is cut off, and never leaves a
// node with fewer than two ways out, so there is no dead end.
void buildHalls(Lattice& lattice, Rnd& rnd);

}  // namespace krivol::maze
