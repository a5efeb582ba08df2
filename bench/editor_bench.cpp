// The editor answers a stroke within a frame: the stroke itself, its step in
// the history and the level check that follows it.
#include <benchmark/benchmark.h>

#include "editor/level_draft.h"
#include "render/level_preview.h"

namespace krivol {
namespace {

void loadShippedLevel(LevelDraft& draft) {
    const LevelReading level = readLevelFile(QStringLiteral(KRIVOL_BIN_DIR "/KRIVOL01.BMP"));
    if (level.picture.ok()) draft.reset(level.FLD);
}

// A line of 41 cells, painted four times over by mirror painting.
void BM_LineStrokeAndCheck(benchmark::State& state) {
    LevelDraft draft;
    loadShippedLevel(draft);
    draft.setMirror(Mirror::both);
    const Cells line = lineCells({3, 3}, {23, 23});
    for (auto _ : state) {
        draft.paint(line, cell::kWall, QStringLiteral("line"));
        benchmark::DoNotOptimize(draft.check().dots);
        draft.undo();
    }
}
BENCHMARK(BM_LineStrokeAndCheck)->Unit(benchmark::kMicrosecond);

// The smallest stroke, a click of the pen, and its undo: two checks.
void BM_ClickStrokeAndUndo(benchmark::State& state) {
    LevelDraft draft;
    loadShippedLevel(draft);
    for (auto _ : state) {
        draft.paint({QPoint(2, 2)}, cell::kWall, QStringLiteral("pen"));
        benchmark::DoNotOptimize(draft.check().dots);
        draft.undo();
    }
}
BENCHMARK(BM_ClickStrokeAndUndo)->Unit(benchmark::kMicrosecond);

// The largest stroke there is: a fill over every corridor cell.
void BM_FillStrokeAndCheck(benchmark::State& state) {
    LevelDraft draft;
    loadShippedLevel(draft);
    for (auto _ : state) {
        draft.paint(floodCells(draft.grid(), kHeroStartCell), cell::kFloor, QStringLiteral("fill"));
        benchmark::DoNotOptimize(draft.check().reachableDots);
        draft.undo();
    }
}
BENCHMARK(BM_FillStrokeAndCheck)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace krivol
