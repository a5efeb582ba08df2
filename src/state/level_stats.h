#pragma once
#include "state/field.h"

namespace krivol {

// Figures that tell a level's character: how many dead ends, how long its
// straight corridors, how many free-standing walls. Corridor is any cell
// that is not wall.
struct LevelStats {
    int deadEnds = 0;   // corridor cells in 2..49 with one corridor neighbour
    int runs = 0;       // maximal straight runs of corridor cells, 2 or more long
    int runCells = 0;   // the cells of those runs, a cell counted once per direction
    int run90 = 0;      // the 90th percentile run length (nearest rank)
    int islands = 0;    // wall pieces (side by side) not joined to the border ring
    int pillars = 0;    // islands of at most kPillarCells
    // The most two neighbouring rows or columns inside the ring are both wall
    // at the same place, in percent of the 48 cells between the ring.
    int doubleWallPercent = 0;
    int meanRunTenths() const { return runs == 0 ? 0 : (10 * runCells + runs / 2) / runs; }
};
constexpr int kPillarCells = 4;

LevelStats levelStats(const Field& FLD);

}  // namespace krivol
