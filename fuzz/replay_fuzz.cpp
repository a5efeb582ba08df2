// Any bytes as a recording, replayed headless on the shipped levels, the way
// `krivol-cli replay` takes a file a player was sent, with the invariants
// checked after every tick. Seed corpus: the recorded games of tests/replays.
#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "cli/replay_run.h"
#include "cli/trace_out.h"
#include "support/invariants.h"

namespace {

using namespace krivol;

// A recording may ask for a round of any length; a few thousand ticks reach
// every kind of event and keep each input quick.
constexpr long long kTickBudget = 3000;

struct OutOfTicks {};

class Checker : public TickWatcher {
public:
    void shown(const Session& session, const SessionClock&, const QStringList&) override {
        check(session.s);
        if (++ticks_ > kTickBudget) throw OutOfTicks{};
    }
    void boxShown(const Session& session, const QString&, const QStringList&) override { check(session.s); }
    void cutShown(const Session& session, const QString&) override { check(session.s); }

private:
    static void check(const GameState& s) {
        const std::string broken = test::invariantViolation(s);
        if (broken.empty()) return;
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        __builtin_trap();
    }
    long long ticks_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const ReplayReading reading = readReplay(device);
    if (!reading.error.isEmpty()) return 0;
    ReplayOptions options;
    options.file = QStringLiteral("fuzz input");
    options.folders = DataFolders(QStringLiteral(KRIVOL_SOURCE_DIR "/data"));
    options.traceFile = QStringLiteral("-");  // keeps the summary lines off standard output
    TraceOut nowhere;
    Checker checker;
    try {
        replayRecording(options, reading, nowhere, &checker);
    } catch (const OutOfTicks&) {
    }
    return 0;
}
