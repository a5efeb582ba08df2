#include "state/level_stats.h"

#include <algorithm>
#include <vector>

namespace krivol {

namespace {

constexpr int kInner = kGridMax - 2;  // columns and rows 2..49

bool wall(const Field& FLD, int x, int y) { return FLD(x, y) == cell::kWall; }

int deadEnds(const Field& FLD) {
    int ends = 0;
    for (int x = 2; x < kGridMax; ++x)
        for (int y = 2; y < kGridMax; ++y) {
            if (wall(FLD, x, y)) continue;
            const int ways = !wall(FLD, x + 1, y) + !wall(FLD, x - 1, y) + !wall(FLD, x, y + 1) + !wall(FLD, x, y - 1);
            ends += ways == 1;
        }
    return ends;
}

// The lengths of the straight runs along rows (across) or columns.
void collectRuns(const Field& FLD, bool across, std::vector<int>& runs) {
    for (int line = 1; line <= kGridMax; ++line) {
        int run = 0;
        for (int k = 1; k <= kGridMax + 1; ++k) {
            const bool open = k <= kGridMax && !(across ? wall(FLD, k, line) : wall(FLD, line, k));
            if (open) {
                ++run;
                continue;
            }
            if (run >= 2) runs.push_back(run);
            run = 0;
        }
    }
}

bool onRing(int x, int y) { return x == 1 || y == 1 || x == kGridMax || y == kGridMax; }

// Flood fills each wall piece once; counts those that never touch the ring.
void countIslands(const Field& FLD, LevelStats& stats) {
    std::array<std::array<bool, kGridMax + 1>, kGridMax + 1> seen{};
    std::vector<std::pair<int, int>> stack;
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) {
            if (seen[x][y] || !wall(FLD, x, y)) continue;
            seen[x][y] = true;
            stack.assign(1, {x, y});
            int cells = 0;
            bool ring = false;
            while (!stack.empty()) {
                const auto [cx, cy] = stack.back();
                stack.pop_back();
                ++cells;
                ring = ring || onRing(cx, cy);
                for (const auto& [nx, ny] : {std::pair{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}}) {
                    if (nx < 1 || ny < 1 || nx > kGridMax || ny > kGridMax || seen[nx][ny] || !wall(FLD, nx, ny)) continue;
                    seen[nx][ny] = true;
                    stack.emplace_back(nx, ny);
                }
            }
            if (ring) continue;
            ++stats.islands;
            stats.pillars += cells <= kPillarCells;
        }
}

int doubleWallPercent(const Field& FLD) {
    int most = 0;
    for (int a = 2; a + 1 < kGridMax; ++a) {
        int rows = 0, columns = 0;
        for (int k = 2; k < kGridMax; ++k) {
            rows += wall(FLD, k, a) && wall(FLD, k, a + 1);
            columns += wall(FLD, a, k) && wall(FLD, a + 1, k);
        }
        most = std::max({most, rows, columns});
    }
    return most * 100 / kInner;
}

}  // namespace

LevelStats levelStats(const Field& FLD) {
    LevelStats stats;
    stats.deadEnds = deadEnds(FLD);
    std::vector<int> runs;
    collectRuns(FLD, true, runs);
    collectRuns(FLD, false, runs);
    stats.runs = static_cast<int>(runs.size());
    for (int run : runs) stats.runCells += run;
    if (!runs.empty()) {
        const size_t rank = (runs.size() * 9 + 9) / 10;  // ceil(0.9 n), counted from 1
        std::nth_element(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(rank - 1), runs.end());
        stats.run90 = runs[rank - 1];
    }
    countIslands(FLD, stats);
    stats.doubleWallPercent = doubleWallPercent(FLD);
    return stats;
}

}  // namespace krivol
