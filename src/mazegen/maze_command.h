#pragma once
#include <QString>
#include <cstdint>

#include "mazegen/maze_generator.h"

namespace krivol {

// The krivol-cli command that writes to `out` (a .bmp) the maze that
// generateMaze gives for Rnd(seed) and `options`, for a user to make it again.
QString generateCommandLine(std::uint32_t seed, const MazeOptions& options, const QString& out);

}  // namespace krivol
