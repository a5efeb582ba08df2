#pragma once
#include <utility>
#include <vector>

#include "mazegen/lattice.h"
#include "state/rnd.h"

namespace krivol::maze {

// Fisher-Yates on draws from `rnd` alone: std::shuffle differs between
// standard libraries, and a seed must give the same maze everywhere.
template <typename T>
void shuffle(std::vector<T>& items, Rnd& rnd) {
    for (size_t k = items.size(); k > 1; --k) std::swap(items[k - 1], items[rnd.below(static_cast<std::uint32_t>(k))]);
}

// Which image of the grown tree each node belongs to (0: the tree itself).
using TreeOf = std::array<int, kNodes>;

// How a tree grows: `branching` winds and forks like a classic maze;
// `galleries` runs straight ahead while it can and keeps turning the way it
// last turned, which coils its corridors into spirals.
enum class Growth { branching, galleries };

TreeOf growTrees(Lattice& lattice, Rnd& rnd, Growth growth);
// Joins the images of a mirrored tree into one maze.
void joinTrees(Lattice& lattice, const TreeOf& tree, Rnd& rnd);
// Opens passages across each middle line until at least `wanted` of its 24
// are open, so that the middle does not become one long double wall.
void openMiddle(Lattice& lattice, int wanted, Rnd& rnd);
// Opens the given share of the dead ends into a neighbouring corridor.
void openDeadEnds(Lattice& lattice, int percent, Rnd& rnd);

// Every passage between two neighbouring nodes, each once (a < b).
std::vector<std::pair<int, int>> allPassages();

}  // namespace krivol::maze
