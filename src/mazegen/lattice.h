#pragma once
#include <array>

#include "state/field.h"
#include "state/level.h"
#include "state/mirror.h"

namespace krivol::maze {

// The corridor crossings of a generated maze, 24 by 24: columns and rows
// 2, 4 .. 24 in the top left half and 27, 29 .. 49 in the bottom right, so a
// double wall runs along 25 and 26. The lattice maps onto itself under every
// mirror, and the hero's start (24, 27) is one of its nodes.
constexpr int kSide = 24;
constexpr int kNodes = kSide * kSide;

constexpr int nodeCell(int index) { return index < kSide / 2 ? 2 + 2 * index : 27 + 2 * (index - kSide / 2); }
constexpr int nodeIndex(int cell) { return cell <= 24 ? (cell - 2) / 2 : kSide / 2 + (cell - 27) / 2; }

// A node as one number: column index * kSide + row index.
constexpr int nodeAt(int i, int j) { return i * kSide + j; }
constexpr int nodeOf(int x, int y) { return nodeAt(nodeIndex(x), nodeIndex(y)); }
inline QPoint cellOf(int node) { return {nodeCell(node / kSide), nodeCell(node % kSide)}; }

constexpr int kStartNode = nodeOf(kHeroStartCell.x(), kHeroStartCell.y());
// The last index before the middle lines.
constexpr int kBeforeMiddle = kSide / 2 - 1;

// The neighbours of a node: right, left, down, up; -1 beyond the lattice.
std::array<int, 4> neighbours(int node);

// A node and its mirror images, the node first; images of two neighbours
// taken at the same place are neighbours again.
struct NodeImages {
    std::array<int, 4> nodes{};
    int count = 0;
    const int* begin() const { return nodes.data(); }
    const int* end() const { return nodes.data() + count; }
};
NodeImages nodeImages(int node, Mirror mirror);

// The passages carved so far, kept symmetric: every passage is opened with all
// of its mirror images. Corridor cells are dots, everything else wall.
class Lattice {
public:
    explicit Lattice(Mirror mirror);
    bool isOpen(int a, int b) const;
    int degree(int node) const { return degree_[static_cast<size_t>(node)]; }
    Mirror mirror() const { return mirror_; }
    // Opens the passage a-b and its images; returns the nodes that were dead
    // ends and no longer are.
    int open(int a, int b);
    // Walls the passage a-b and its images up again.
    void close(int a, int b);
    const Field& field() const { return FLD_; }

private:
    bool openOne(int a, int b);
    void setPassage(int a, int b, Integer code);

    Mirror mirror_;
    Field FLD_;
    std::array<int, kNodes> degree_{};
};

}  // namespace krivol::maze
