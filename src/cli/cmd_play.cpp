#include <limits>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/headless_run.h"
#include "cli/key_script.h"
#include "cli/play_options.h"
#include "cli/round_summary.h"
#include "round/keys.h"

namespace krivol {

namespace {

// The keys file's events, each in the event step of its tick.
class KeyFeed : public EventFeed {
public:
    explicit KeyFeed(std::vector<KeyEvent> keys) : keys_(std::move(keys)) {}
    void eventStep(long long tick, Game& game) override {
        for (; next_ < keys_.size() && keys_[next_].tick <= tick; ++next_) {
            const KeyEvent& e = keys_[next_];
            if (e.tick < tick) continue;
            if (e.down) keyDown(game.s, e.code);
            else keyUp(game.s, e.code);
        }
    }

private:
    std::vector<KeyEvent> keys_;
    size_t next_ = 0;
};

// Rounds follow each other at once, as if Старт were pressed when each box
// closed. The first round is always set up (--ticks 0 shows just its
// setup); a later one only while ticks remain.
int playRounds(const PlayOptions& o, HeadlessRun& run, KeyFeed& keys, bool summaries) {
    const long long lastTick = o.ticks.value_or(std::numeric_limits<long long>::max());
    for (int r = 1; r <= o.rounds && (r == 1 || run.clock().ticks() < lastTick); ++r) {
        const StartResult started = run.start(r, o.level);
        if (!started.started) {
            printErr(QStringLiteral("cannot play %1\n").arg(started.error));
            return kExitFailed;
        }
        const RoundEnd end = run.play(keys, lastTick);
        if (!run.traceOk()) return kExitFailed;
        if (summaries) printOut(summaryLine(summarize(run, o.level, end, QStringLiteral("unfinished"))));
    }
    return kExitOk;
}

}  // namespace

int runPlay(const QStringList& args, const DataFolders& folders) {
    const ParsedPlay parsed = parsePlayOptions(args, folders);
    if (parsed.exitNow) return *parsed.exitNow;
    const PlayOptions& o = parsed.options;
    KeyScript keys;
    if (!o.keysFile.isEmpty()) {
        keys = readKeyScript(o.keysFile);
        if (!keys.error.isEmpty()) {
            printErr(keys.error + QLatin1Char('\n'));
            return kExitUsage;
        }
    }
    TraceOut trace;
    if (!trace.open(o.traceFile)) {
        printErr(trace.error() + QLatin1Char('\n'));
        return kExitFailed;
    }
    HeadlessRun run(o.seed, o.folders, trace, !o.framePng.isEmpty());
    KeyFeed feed(std::move(keys.events));
    int code = playRounds(o, run, feed, !trace.toStdout());
    if (code == kExitOk && !o.framePng.isEmpty()) {
        if (const QString error = saveFrame(run.frame(), o.framePng); !error.isEmpty()) {
            printErr(error + QLatin1Char('\n'));
            code = kExitFailed;
        }
    }
    if (!trace.finish()) {
        printErr(trace.error() + QLatin1Char('\n'));
        return kExitFailed;
    }
    return code;
}

}  // namespace krivol
