#pragma once
#include "state/types.h"

namespace krivol {

// Codes held in FLD.
namespace cell {
constexpr Integer kFloor = 0;
constexpr Integer kDot = 1;
constexpr Integer kBonus = 5;
constexpr Integer kAmmo = 6;
constexpr Integer kProtection = 7;
constexpr Integer kTrap = 20;
constexpr Integer kWall = 100;
}  // namespace cell

constexpr int kGridMax = 50;     // cells are 1..50, index 0 exists and stays floor
constexpr int kCellSize = 12;    // SP: a cell's pixels, across and down
constexpr int kFieldPixels = kGridMax * kCellSize;

}  // namespace krivol
