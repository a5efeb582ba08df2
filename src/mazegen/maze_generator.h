#pragma once
#include "mazegen/maze_style.h"
#include "state/field.h"
#include "state/mirror.h"
#include "state/rnd.h"

namespace krivol {

// Loops as the style has them by default.
constexpr int kStyleLoops = -1;

struct MazeOptions {
    int loopsPercent = defaultLoopsPercent(MazeStyle::classic);  // share of dead ends opened into loops, 0..100, or kStyleLoops
    Mirror mirror = Mirror::none;
    MazeStyle style = MazeStyle::classic;  // mixed: one of the three, by a draw
};

// A playable maze: walls (cell::kWall) and dots (cell::kDot) only. Every
// corridor cell, the hero's start (24, 27) among them, is reachable from every
// other, and the outer ring is wall. All draws come from `rnd` alone, so a
// seed gives the same maze with any standard library. Halls have no dead end
// whatever `loopsPercent` says; a mirrored maze always has some loops across
// its middle, so that the middle looks like the rest.
Field generateMaze(Rnd& rnd, const MazeOptions& options);

}  // namespace krivol
