#pragma once
#include "state/field.h"
#include "state/mirror.h"
#include "state/rnd.h"

namespace krivol {

struct MazeOptions {
    int loopsPercent = 60;  // share of dead ends opened into loops, 0..100
    Mirror mirror = Mirror::none;
};

// A playable maze: walls (cell::kWall) and dots (cell::kDot) only. Every
// corridor cell, the hero's start (24, 27) among them, is reachable from every
// other, and the outer ring is wall. All draws come from `rnd` alone, so a
// seed gives the same maze with any standard library.
Field generateMaze(Rnd& rnd, const MazeOptions& options);

}  // namespace krivol
