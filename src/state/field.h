#pragma once
#include <array>

#include "state/cell_codes.h"

namespace krivol {

// FLD(0 To 50, 0 To 50). Reads outside the bounds see a wall and writes there
// are dropped, so no level, however made, lets a figure corrupt memory.
class Field {
public:
    Integer operator()(int x, int y) const {
        return inside(x, y) ? cells_[x][y] : cell::kWall;
    }
    void set(int x, int y, Integer code) {
        if (inside(x, y)) cells_[x][y] = code;
    }
    void clear() {
        for (auto& column : cells_) column.fill(cell::kFloor);
    }
    static bool inside(int x, int y) { return x >= 0 && x <= kGridMax && y >= 0 && y <= kGridMax; }

private:
    std::array<std::array<Integer, kGridMax + 1>, kGridMax + 1> cells_{};
};

}  // namespace krivol
