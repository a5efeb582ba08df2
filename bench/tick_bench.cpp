#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "cli/trace.h"
#include "round/keys.h"
#include "round/session.h"

namespace krivol {
namespace {

// An open room: every ghost stays alive and in sight of the hero.
QString writeRoom(const QTemporaryDir& dir) {
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(0xFFFFFFFF);
    for (int i = 0; i < 50; ++i) {
        for (QPoint p : {QPoint(i, 0), QPoint(i, 49), QPoint(0, i), QPoint(49, i)}) image.setPixel(p, 0xFF000000);
    }
    const QString path = dir.filePath(QStringLiteral("KRIVOL01.BMP"));
    image.save(path, "BMP");
    return path;
}

struct BusyRound {
    BusyRound(int ghosts, bool fullRestore) : session(7, dir.path()) {
        writeRoom(dir);
        session.s.SP = 12;
        session.s.N_KRI = 1;
        session.pics.fullRestore = fullRestore;
        session.round.start();
        for (int n = 1; n <= ghosts; ++n) {
            GhostSlot& G = session.s.GHOST[static_cast<size_t>(n)];
            G = GhostSlot{100, 0, 0, static_cast<Integer>(30 + 11 * n), static_cast<Integer>(40 + 10 * n)};
        }
        session.s.K0G = static_cast<Integer>(ghosts);
        session.s.TTG = -1000000000;
        session.s.UX = 1;
        keyDown(session.s, key::kFire);
    }
    void tick() {
        session.s.PLAMA = 1000;  // sparkling and uncatchable
        session.s.K0P = 100;
        if (session.round.tick() != RoundEnd::None) {
            EndDialogPort none;
            session.round.finish(RoundEnd::None, none);
            session.round.start();
        }
    }
    QTemporaryDir dir;
    Session session;
};

void BM_Tick(benchmark::State& state) {
    BusyRound round(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) round.tick();
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(1) ? "whole-field restore" : "changed-area restore");
}
BENCHMARK(BM_Tick)->ArgsProduct({{5, 50}, {0, 1}})->ArgNames({"ghosts", "full"});

// What `krivol-cli play --trace` does per tick, trace line included.
void BM_PlayThroughput(benchmark::State& state) {
    BusyRound round(5, false);
    long long t = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        round.tick();
        const QByteArray line = traceLine(round.session.s, ++t, 1, round.session.sound.requests, false);
        round.session.sound.requests.clear();
        bytes += static_cast<std::size_t>(line.size());
        benchmark::DoNotOptimize(line.constData());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["bytes_per_tick"] = static_cast<double>(bytes) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PlayThroughput);

}  // namespace
}  // namespace krivol
