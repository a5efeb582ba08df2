#include "mazegen/halls.h"

#include <utility>

#include "mazegen/carving.h"

namespace krivol::maze {

namespace {

// The corners between nodes, 25 by 25; those on the edge of the lattice all
// belong to the border ring, one corner for the purpose of joining walls.
constexpr int kCornerSide = kSide + 1;
constexpr int kRing = kCornerSide * kCornerSide;

int corner(int i, int j) {
    return i == 0 || j == 0 || i == kSide || j == kSide ? kRing : i * kCornerSide + j;
}

// The two corners the wall of a closed passage a-b (a < b) runs between.
std::pair<int, int> wallEnds(int a, int b) {
    const int i = a / kSide, j = a % kSide;
    if (b == a + kSide) return {corner(i + 1, j), corner(i + 1, j + 1)};
    return {corner(i, j + 1), corner(i + 1, j + 1)};
}

constexpr int kWallShare = 27;          // percent of the passages walled up again
constexpr std::uint32_t kLongestPiece = 4;  // passages' worth of wall in one piece
constexpr int kLongestStub = 1;          // ... and in one joined to the ring

// Wall pieces as a union-find over the corners, with their sizes.
class WallPieces {
public:
    WallPieces() {
        for (int c = 0; c <= kRing; ++c) parent_[static_cast<size_t>(c)] = c;
    }
    // Adds the wall p-q to a piece of at most `longest` walls; false when that
    // would close a ring of wall or make the piece longer.
    bool join(int p, int q, int longest) {
        int rp = find(p), rq = find(q);
        if (rp == rq) return false;
        if (rp == kRing) std::swap(rp, rq);  // the ring stays a root
        const int joined = size(rp) + size(rq) + 1;
        if (rq == kRing) {
            if (size(rp) + 1 > kLongestStub) return false;
        } else if (joined > longest) {
            return false;
        }
        parent_[static_cast<size_t>(rp)] = rq;
        walls_[static_cast<size_t>(rq)] = joined;
        return true;
    }

private:
    int find(int c) {
        while (parent_[static_cast<size_t>(c)] != c) c = parent_[static_cast<size_t>(c)] = parent_[static_cast<size_t>(parent_[static_cast<size_t>(c)])];
        return c;
    }
    int size(int root) const { return walls_[static_cast<size_t>(root)]; }

    std::array<int, kRing + 1> parent_{};
    std::array<int, kRing + 1> walls_{};
};


// The distinct passages of the orbit of a-b, each as (smaller, larger).
struct Orbit {
    std::array<std::pair<int, int>, 4> passages{};
    int count = 0;
};

Orbit orbitOf(int a, int b, Mirror mirror) {
    const NodeImages as = nodeImages(a, mirror), bs = nodeImages(b, mirror);
    Orbit orbit;
    for (int k = 0; k < as.count; ++k) {
        const int x = as.nodes[static_cast<size_t>(k)], y = bs.nodes[static_cast<size_t>(k)];
        const std::pair<int, int> p{std::min(x, y), std::max(x, y)};
        bool seen = false;
        for (int m = 0; m < orbit.count; ++m) seen = seen || orbit.passages[static_cast<size_t>(m)] == p;
        if (!seen) orbit.passages[static_cast<size_t>(orbit.count++)] = p;
    }
    return orbit;
}

}  // namespace

void buildHalls(Lattice& lattice, Rnd& rnd) {
    std::vector<std::pair<int, int>> passages = allPassages();
    for (const auto& [a, b] : passages) lattice.open(a, b);
    const int wanted = static_cast<int>(passages.size()) * kWallShare / 100;
    shuffle(passages, rnd);
    WallPieces pieces;
    int walled = 0;
    for (const auto& [a, b] : passages) {
        if (walled >= wanted) break;
        if (!lattice.isOpen(a, b)) continue;
        const int longest = 1 + static_cast<int>(rnd.below(kLongestPiece));
        const Orbit orbit = orbitOf(a, b, lattice.mirror());
        WallPieces trial = pieces;
        bool fits = true;
        for (int k = 0; k < orbit.count && fits; ++k) {
            const auto [x, y] = orbit.passages[static_cast<size_t>(k)];
            const auto [p, q] = wallEnds(x, y);
            fits = lattice.degree(x) > 2 && lattice.degree(y) > 2 && trial.join(p, q, longest);
        }
        if (!fits) continue;
        pieces = trial;
        lattice.close(a, b);
        walled += orbit.count;
    }
}

}  // namespace krivol::maze
