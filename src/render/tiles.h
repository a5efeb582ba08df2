#pragma once
#include "render/surfaces.h"
#include "state/game_state.h"

namespace krivol {

// Strip offset of the tile for a cell code; unknown codes get the floor tile.
Integer TS(Integer NS);

// Top-left pixel of cell (x, y).
inline QPoint cellOrigin(int x, int y, int SP) { return {x * SP - SP, y * SP - SP}; }

// Copies the tile of `code` into PicBUF at cell (x, y).
void redrawCell(Surfaces& pics, int SP, int x, int y, Integer code);
// The tile of every cell of FLD into `dst` (600 x 600 for SP = 12).
void drawCells(QImage& dst, const QImage& strip, const Field& FLD, int SP);
// Every cell onto Pic1, then the whole of Pic1 into PicBUF.
void fullDraw(Surfaces& pics, const GameState& s);
// PicBUF onto Pic1: removes the sprites of the previous tick.
void restoreBackground(Surfaces& pics);
// Pic1 cleared to its background at the end of a round.
void clearPic1(Surfaces& pics);

}  // namespace krivol
