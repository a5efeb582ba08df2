#include "mazegen/maze_generator.h"

#include <algorithm>

#include "mazegen/carving.h"
#include "mazegen/halls.h"

namespace krivol {

namespace {

using maze::Lattice;

// Crossings of each middle line left open in a mirrored maze,
// of 24: the shipped levels leave 11 to 18 of theirs.
constexpr int kMiddleCrossings = 11;

void buildTrees(Lattice& lattice, Rnd& rnd, maze::Growth growth, int loopsPercent) {
    const maze::TreeOf tree = maze::growTrees(lattice, rnd, growth);
    maze::joinTrees(lattice, tree, rnd);
    // A tree crosses the middle lines wherever it likes; a mirrored one, whose
    // halves are images, only once. Opened up, they stay perfect elsewhere.
    if (lattice.mirror() != Mirror::none) maze::openMiddle(lattice, kMiddleCrossings, rnd);
    maze::openDeadEnds(lattice, std::clamp(loopsPercent, 0, 100), rnd);
}

}  // namespace

Field generateMaze(Rnd& rnd, const MazeOptions& options) {
    MazeStyle style = options.style;
    if (style == MazeStyle::mixed) style = styleInSet(style, 1 + static_cast<int>(rnd.below(3)));
    const int loops = options.loopsPercent == kStyleLoops ? defaultLoopsPercent(style) : options.loopsPercent;
    Lattice lattice(options.mirror);
    switch (style) {
    case MazeStyle::halls: maze::buildHalls(lattice, rnd); break;
    case MazeStyle::galleries: buildTrees(lattice, rnd, maze::Growth::galleries, loops); break;
    case MazeStyle::classic:
    case MazeStyle::mixed: buildTrees(lattice, rnd, maze::Growth::branching, loops); break;
    }
    return lattice.field();
}

}  // namespace krivol
