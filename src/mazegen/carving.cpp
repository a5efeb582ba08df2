#include "mazegen/carving.h"

#include <algorithm>
#include <cstdint>

namespace krivol::maze {

namespace {

// Directions in the order neighbours() gives them: right, left, down, up.
constexpr int kNoHeading = -1;
constexpr int clockwise(int d) { return d == 0 ? 2 : d == 2 ? 1 : d == 1 ? 3 : 0; }
constexpr int anticlockwise(int d) { return clockwise(clockwise(clockwise(d))); }

// What a gallery remembers of the step that reached a node.
struct Bearing {
    int heading = kNoHeading;
    bool turnsClockwise = true;
};

constexpr std::uint32_t kStraightOdds = 8;  // 7 in 8 straight on while free
constexpr std::uint32_t kSameTurnOdds = 6;  // 5 in 6 the way it last turned
constexpr std::uint32_t kCrossOdds = 2;     // 1 in 2 across a middle line when beside it

// The direction from `node` across a middle line, if it is beside one.
int middleCrossing(int node) {
    const int i = node / kSide, j = node % kSide;
    if (i == kBeforeMiddle) return 0;
    if (i == kBeforeMiddle + 1) return 1;
    if (j == kBeforeMiddle) return 2;
    if (j == kBeforeMiddle + 1) return 3;
    return kNoHeading;
}

// The direction of the next step of a gallery among the free ones. Long
// corridors beside a middle line would seldom cross it and leave a thick
// double wall there, so they are sent across often.
int galleryStep(int node, const std::array<int, 4>& freeDirs, std::uint32_t count, Bearing bearing, Rnd& rnd) {
    const auto isFree = [&](int d) {
        for (std::uint32_t k = 0; k < count; ++k)
            if (freeDirs[k] == d) return true;
        return false;
    };
    const int across = middleCrossing(node);
    if (across != kNoHeading && isFree(across) && rnd.below(kCrossOdds) == 0) return across;
    // Beside a middle line it cannot cross (its own mirror image lies there)
    // a gallery turns away rather than run along its twin.
    const bool alongTwin = across != kNoHeading && !isFree(across) && bearing.heading / 2 != across / 2;
    if (bearing.heading != kNoHeading) {
        if (!alongTwin && isFree(bearing.heading) && rnd.below(kStraightOdds) != 0) return bearing.heading;
        const int same = bearing.turnsClockwise ? clockwise(bearing.heading) : anticlockwise(bearing.heading);
        if (isFree(same) && rnd.below(kSameTurnOdds) != 0) return same;
    }
    return freeDirs[rnd.below(count)];
}

Bearing bearingAfter(Bearing from, int d) {
    if (from.heading == kNoHeading || d == from.heading) return {d, from.turnsClockwise};
    return {d, clockwise(from.heading) == d};
}

}  // namespace

// A growing tree from the start node. Branching grows mostly from the newest
// node, which makes long winding corridors, now and then from any, which
// branches them; galleries always from the newest. Every step is carved with
// its images, and a node is taken only while its whole orbit is free, so the
// images of the tree never touch each other.
TreeOf growTrees(Lattice& lattice, Rnd& rnd, Growth growth) {
    TreeOf tree{};
    std::array<bool, kNodes> taken{};
    std::array<Bearing, kNodes> bearing{};
    const auto take = [&](int node) {
        int k = 0;
        for (int image : nodeImages(node, lattice.mirror())) {
            taken[static_cast<size_t>(image)] = true;
            tree[static_cast<size_t>(image)] = k++;
        }
    };
    std::vector<int> active{kStartNode};
    take(kStartNode);
    while (!active.empty()) {
        const bool anyNode = growth == Growth::branching && rnd.below(4) == 0;
        const size_t at = anyNode ? rnd.below(static_cast<std::uint32_t>(active.size())) : active.size() - 1;
        const int node = active[at];
        const std::array<int, 4> around = neighbours(node);
        std::array<int, 4> freeDirs{};
        std::uint32_t count = 0;
        for (int d = 0; d < 4; ++d)
            if (around[static_cast<size_t>(d)] >= 0 && !taken[static_cast<size_t>(around[static_cast<size_t>(d)])])
                freeDirs[count++] = d;
        if (count == 0) {
            active.erase(active.begin() + static_cast<std::ptrdiff_t>(at));
            continue;
        }
        const Bearing here = bearing[static_cast<size_t>(node)];
        const int d = growth == Growth::branching ? freeDirs[rnd.below(count)] : galleryStep(node, freeDirs, count, here, rnd);
        const int next = around[static_cast<size_t>(d)];
        lattice.open(node, next);
        take(next);
        bearing[static_cast<size_t>(next)] = bearingAfter(here, d);
        active.push_back(next);
    }
    return tree;
}

namespace {

// Passages that are their own mirror image (across the middle lines): one of
// them joins a tree to its image without a mirrored twin beside it, so a
// mirrored maze needs no loop to hold together (but for the four quarters of
// a maze mirrored both ways, which always close one ring round the middle).
std::vector<std::pair<int, int>> selfImagePassages(Mirror mirror) {
    std::vector<std::pair<int, int>> found;
    for (const auto& [a, b] : allPassages()) {
        const NodeImages as = nodeImages(a, mirror), bs = nodeImages(b, mirror);
        for (int k = 1; k < as.count; ++k)
            if (as.nodes[static_cast<size_t>(k)] == b && bs.nodes[static_cast<size_t>(k)] == a) found.emplace_back(a, b);
    }
    return found;
}

bool crossesMiddle(int a, int b, bool acrossColumns) {
    const int ia = acrossColumns ? a / kSide : a % kSide, ib = acrossColumns ? b / kSide : b % kSide;
    return std::min(ia, ib) == kBeforeMiddle && std::max(ia, ib) == kBeforeMiddle + 1;
}

// How much a crossing from `node` costs the look of the middle: none from a
// dead end, little from a turn, most from a corridor running along the line,
// where crossings side by side would make a ladder of its mirrored twin.
int crossingCost(const Lattice& lattice, int node, bool acrossColumns) {
    if (lattice.degree(node) == 1) return 0;
    const std::array<int, 4> around = neighbours(node);
    const int along[2] = {around[acrossColumns ? 2 : 0], around[acrossColumns ? 3 : 1]};
    const bool runsAlong = along[0] >= 0 && along[1] >= 0 && lattice.isOpen(node, along[0]) && lattice.isOpen(node, along[1]);
    return runsAlong ? 2 : 1;
}

}  // namespace

std::vector<std::pair<int, int>> allPassages() {
    std::vector<std::pair<int, int>> passages;
    for (int a = 0; a < kNodes; ++a)
        for (int b : neighbours(a))
            if (b > a) passages.emplace_back(a, b);
    return passages;
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
        const NodeImages as = nodeImages(a, lattice.mirror()), bs = nodeImages(b, lattice.mirror());
        for (int k = 0; k < as.count; ++k)
            joinedTo[static_cast<size_t>(treeOf(as.nodes[static_cast<size_t>(k)]))] = treeOf(bs.nodes[static_cast<size_t>(k)]);
    }
}

void openMiddle(Lattice& lattice, int wanted, Rnd& rnd) {
    for (bool acrossColumns : {true, false}) {
        std::vector<std::pair<int, int>> crossings;
        for (const auto& [a, b] : allPassages())
            if (crossesMiddle(a, b, acrossColumns)) crossings.emplace_back(a, b);
        const auto openCount = [&] {
            int open = 0;
            for (const auto& [a, b] : crossings) open += lattice.isOpen(a, b);
            return open;
        };
        shuffle(crossings, rnd);
        const auto cost = [&](const std::pair<int, int>& c) {
            return crossingCost(lattice, c.first, acrossColumns) + crossingCost(lattice, c.second, acrossColumns);
        };
        std::stable_sort(crossings.begin(), crossings.end(), [&](const auto& x, const auto& y) { return cost(x) < cost(y); });
        for (const auto& [a, b] : crossings) {
            if (openCount() >= wanted) break;
            lattice.open(a, b);
        }
    }
}

namespace {

std::vector<int> deadEnds(const Lattice& lattice) {
    std::vector<int> ends;
    for (int node = 0; node < kNodes; ++node)
        if (lattice.degree(node) == 1) ends.push_back(node);
    return ends;
}

}  // namespace

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
        for (int n : neighbours(node))
            if (n >= 0 && !lattice.isOpen(node, n)) walls[count++] = n;
        healed += lattice.open(node, walls[rnd.below(count)]);
    }
}

}  // namespace krivol::maze
