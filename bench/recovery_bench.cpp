// The editor's recovery copy is written on a timer in the window's thread:
// the whole write, synced and renamed, must stay well under a frame.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "editor/level_draft.h"
#include "editor/recovery_copy.h"

namespace krivol {
namespace {

RecoveryCopy aCopy() {
    return {LevelDraft::newLevel(), QStringLiteral("/home/player/levels/KRIVOL07.BMP"), true,
            QDateTime(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC)};
}

void BM_RecoveryBytes(benchmark::State& state) {
    const RecoveryCopy copy = aCopy();
    for (auto _ : state) benchmark::DoNotOptimize(recoveryBytes(copy));
}
BENCHMARK(BM_RecoveryBytes)->Unit(benchmark::kMicrosecond);

// Beside, synced, renamed over the last copy: what the timer does.
void BM_RecoveryWrite(benchmark::State& state) {
    QTemporaryDir dir;
    RecoverySlot slot(dir.path(), 1);
    const RecoveryCopy copy = aCopy();
    for (auto _ : state)
        if (slot.write(copy)) state.SkipWithError("the copy was not written");
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace krivol
