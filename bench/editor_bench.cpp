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
    for (auto _ : state) {
        draft.paint(Tool::line, cell::kWall, {3, 3}, {23, 23});
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
        draft.paint(Tool::pen, cell::kWall, {2, 2}, {2, 2});
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
        draft.paint(Tool::fill, cell::kFloor, kHeroStartCell, kHeroStartCell);
        benchmark::DoNotOptimize(draft.check().reachableDots);
        draft.undo();
    }
}
BENCHMARK(BM_FillStrokeAndCheck)->Unit(benchmark::kMicrosecond);

// One move of a drag: a filled rectangle of up to 48 x 48 cells takes its new
// corner, and its step in the history follows.
void BM_DragMoveOfAFilledRectangle(benchmark::State& state) {
    LevelDraft draft;
    loadShippedLevel(draft);
    draft.beginStroke(Tool::filledRectangle, cell::kWall, {2, 2}, StrokeInput::mouse);
    int corner = 2;
    for (auto _ : state) {
        corner = corner == 49 ? 3 : corner + 1;
        draft.strokeTo({corner, corner});
        benchmark::DoNotOptimize(draft.check().dots);
    }
    draft.endStroke();
}
BENCHMARK(BM_DragMoveOfAFilledRectangle)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace krivol
