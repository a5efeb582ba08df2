#include "mazegen/lattice.h"

#include <algorithm>

namespace krivol::maze {

std::array<int, 4> neighbours(int node) {
    const int i = node / kSide, j = node % kSide;
    return {i + 1 < kSide ? nodeAt(i + 1, j) : -1, i > 0 ? nodeAt(i - 1, j) : -1,
            j + 1 < kSide ? nodeAt(i, j + 1) : -1, j > 0 ? nodeAt(i, j - 1) : -1};
}

NodeImages nodeImages(int node, Mirror mirror) {
    NodeImages images;
    for (const QPoint& c : mirrorImages(cellOf(node), mirror)) images.nodes[images.count++] = nodeOf(c.x(), c.y());
    return images;
}

Lattice::Lattice(Mirror mirror) : mirror_(mirror) {
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) FLD_.set(x, y, cell::kWall);
    for (int node = 0; node < kNodes; ++node) FLD_.set(cellOf(node).x(), cellOf(node).y(), cell::kDot);
}

namespace {

// Between two neighbouring nodes lies wall, one cell wide, or two across the
// middle lines.
struct Passage {
    QPoint from, to, step;
};

Passage passage(int a, int b) {
    const QPoint from = cellOf(std::min(a, b)), to = cellOf(std::max(a, b));
    return {from, to, from.x() == to.x() ? QPoint(0, 1) : QPoint(1, 0)};
}

}  // namespace

bool Lattice::isOpen(int a, int b) const {
    const Passage p = passage(a, b);
    return FLD_(p.from.x() + p.step.x(), p.from.y() + p.step.y()) == cell::kDot;
}

void Lattice::setPassage(int a, int b, Integer code) {
    const Passage p = passage(a, b);
    for (QPoint c = p.from + p.step; c != p.to; c += p.step) FLD_.set(c.x(), c.y(), code);
}

bool Lattice::openOne(int a, int b) {
    if (isOpen(a, b)) return false;  // a passage that is its own image
    setPassage(a, b, cell::kDot);
    ++degree_[static_cast<size_t>(a)];
    ++degree_[static_cast<size_t>(b)];
    return true;
}

void Lattice::close(int a, int b) {
    const NodeImages as = nodeImages(a, mirror_), bs = nodeImages(b, mirror_);
    for (int k = 0; k < as.count; ++k) {
        const int x = as.nodes[static_cast<size_t>(k)], y = bs.nodes[static_cast<size_t>(k)];
        if (!isOpen(x, y)) continue;
        setPassage(x, y, cell::kWall);
        --degree_[static_cast<size_t>(x)];
        --degree_[static_cast<size_t>(y)];
    }
}

int Lattice::open(int a, int b) {
    const NodeImages as = nodeImages(a, mirror_), bs = nodeImages(b, mirror_);
    int healed = 0;
    for (int k = 0; k < as.count; ++k) {
        const int x = as.nodes[static_cast<size_t>(k)], y = bs.nodes[static_cast<size_t>(k)];
        const bool deadEnds[] = {degree(x) == 1, degree(y) == 1};
        if (openOne(x, y)) healed += deadEnds[0] + deadEnds[1];
    }
    return healed;
}

}  // namespace krivol::maze
