#include "mazegen/maze_generator.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "mazegen/lattice.h"

namespace krivol {

namespace {

using maze::kNodes;
using maze::Lattice;
using maze::nodeImages;

// Fisher-Yates on draws from `rnd` alone: std::shuffle differs between
// standard libraries, and a seed must give the same maze everywhere.
template <typename T>
void shuffle(std::vector<T>& items, Rnd& rnd) {
    for (size_t k = items.size(); k > 1; --k)
        std::swap(items[k - 1], items[rnd.below(static_cast<std::uint32_t>(k))]);
}

// Which image of the grown tree each node belongs to (0: the tree itself).
using TreeOf = std::array<int, kNodes>;

// A growing tree from the start node: mostly from the newest node, which
// makes long winding corridors, now and then from any, which branches them.
// Every step is carved with its images, and a node is taken only while its
// whole orbit is free, so the images of the tree never touch each other.
TreeOf growTrees(Lattice& lattice, Rnd& rnd) {
    TreeOf tree{};
    std::array<bool, kNodes> taken{};
    const auto take = [&](int node) {
        int k = 0;
        for (int image : nodeImages(node, lattice.mirror())) {
            taken[static_cast<size_t>(image)] = true;
            tree[static_cast<size_t>(image)] = k++;
        }
    };
    std::vector<int> active{maze::kStartNode};
    take(maze::kStartNode);
    while (!active.empty()) {
        const size_t at = rnd.below(4) == 0 ? rnd.below(static_cast<std::uint32_t>(active.size())) : active.size() - 1;
        const int node = active[at];
        std::array<int, 4> free{};
        std::uint32_t count = 0;
        for (int n : maze::neighbours(node))
            if (n >= 0 && !taken[static_cast<size_t>(n)]) free[count++] = n;
        if (count == 0) {
            active.erase(active.begin() + static_cast<std::ptrdiff_t>(at));
            continue;
        }
        const int next = free[rnd.below(count)];
        lattice.open(node, next);
        take(next);
        active.push_back(next);
    }
    return tree;
}

// Passages that are their own mirror image (across the middle lines): one of
// them joins a tree to its image without a mirrored twin beside it, so a
// mirrored maze needs no loop to hold together (but for the four quarters of
// a maze mirrored both ways, which always close one ring round the middle).
std::vector<std::pair<int, int>> selfImagePassages(Mirror mirror) {
    std::vector<std::pair<int, int>> found;
    for (int a = 0; a < kNodes; ++a) {
        for (int b : maze::neighbours(a)) {
            if (b < a) continue;
            const maze::NodeImages as = nodeImages(a, mirror), bs = nodeImages(b, mirror);
            for (int k = 1; k < as.count; ++k)
                if (as.nodes[static_cast<size_t>(k)] == b && bs.nodes[static_cast<size_t>(k)] == a) found.emplace_back(a, b);
        }
    }
    return found;
}

void joinTrees(Lattice& lattice, const TreeOf& tree, Rnd& rnd) {
    std::array<int, 4> joinedTo{0, 1, 2, 3};  // union-find over the images
    const auto root = [&](int t) {
        while (joinedTo[static_cast<size_t>(t)] != t) t = joinedTo[static_cast<size_t>(t)];
        return t;
    };
    std::vector<std::pair<int, int>> passages = selfImagePassages(lattice.mirror());
    shuffle(passages, rnd);
    const auto treeOf = [&](int node) { return root(tree[static_cast<size_t>(node)]); };
    for (const auto& [a, b] : passages) {
        if (treeOf(a) == treeOf(b)) continue;
        lattice.open(a, b);
        const maze::NodeImages as = nodeImages(a, lattice.mirror()), bs = nodeImages(b, lattice.mirror());
        for (int k = 0; k < as.count; ++k)
            joinedTo[static_cast<size_t>(treeOf(as.nodes[static_cast<size_t>(k)]))] = treeOf(bs.nodes[static_cast<size_t>(k)]);
    }
}

std::vector<int> deadEnds(const Lattice& lattice) {
    std::vector<int> ends;
    for (int node = 0; node < kNodes; ++node)
        if (lattice.degree(node) == 1) ends.push_back(node);
    return ends;
}

// Opens the given share of the dead ends into a neighbouring corridor.
void openDeadEnds(Lattice& lattice, int percent, Rnd& rnd) {
    std::vector<int> ends = deadEnds(lattice);
    const auto target = static_cast<int>((ends.size() * static_cast<size_t>(percent) + 50) / 100);
    shuffle(ends, rnd);
    int healed = 0;
    for (int node : ends) {
        if (healed >= target) break;
        if (lattice.degree(node) != 1) continue;  // healed by an earlier one
        std::array<int, 4> walls{};
        std::uint32_t count = 0;
        for (int n : maze::neighbours(node))
            if (n >= 0 && !lattice.isOpen(node, n)) walls[count++] = n;
        healed += lattice.open(node, walls[rnd.below(count)]);
    }
}

}  // namespace

Field generateMaze(Rnd& rnd, const MazeOptions& options) {
    Lattice lattice(options.mirror);
    const TreeOf tree = growTrees(lattice, rnd);
    joinTrees(lattice, tree, rnd);
    openDeadEnds(lattice, std::clamp(options.loopsPercent, 0, 100), rnd);
    return lattice.field();
}

}  // namespace krivol
