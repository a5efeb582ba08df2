#include "cli/headless_run.h"

#include <functional>

#include "cli/cli_io.h"
#include "cli/trace.h"
#include "files/regular_file.h"
#include "round/end_texts.h"
#include "round/startup.h"

namespace krivol {

namespace {

// The end boxes as the watcher sees them, each with the sounds asked before it.
class WatchedBoxes : public EndDialogPort {
public:
    explicit WatchedBoxes(std::function<void(const QString&)> show) : show_(std::move(show)) {}
    void showVictory() override { show_(victoryText()); }
    void showDefeat() override { show_(defeatText()); }

private:
    std::function<void(const QString&)> show_;
};

}  // namespace

HeadlessRun::HeadlessRun(std::uint32_t seed, const DataFolders& folders, TraceOut& trace, bool keepFrame)
    : session_(seed, folders), trace_(trace), keepFrame_(keepFrame) {
    // Start-up without reading a level for the preview: the round names its file.
    startDefaults(session_.game);
}

StartResult HeadlessRun::start(int round, const QString& levelFile) {
    session_.round.pinLevelFile(levelFile);
    const StartResult started = [this] {
        QuietStderr quiet;
        return session_.round.start();
    }();
    if (!started.started) return started;
    clock_.roundStarted();
    show(round, true);
    return started;
}

RoundEnd HeadlessRun::play(EventFeed& feed, long long lastTick) {
    while (traceOk_ && clock_.running() && clock_.ticks() < lastTick && !(watcher_ && watcher_->stopAsked())) {
        feed.eventStep(clock_.nextTick(), session_.game);
        const RoundEnd end = session_.round.tick();
        clock_.tickPlayed();
        show(clock_.round(), false);
        if (end == RoundEnd::None) continue;
        write(endLine(clock_.ticks(), clock_.round(), roundEndName(end), session_.s.SCORE));
        if (keepFrame_) lastFrame_ = session_.pics.Pic1.copy();
        finishRound(end);
        clock_.roundEnded();
        if (watcher_) watcher_->stopped();
        return end;
    }
    if (watcher_) watcher_->stopped();
    return RoundEnd::None;
}

void HeadlessRun::write(const QByteArray& line) {
    lastFrame_ = {};  // Pic1 itself now stands as the last line saw it
    if (traceOk_) traceOk_ = trace_.write(line);
}

void HeadlessRun::show(int round, bool setup) {
    const QStringList fresh = newSounds();
    write(traceLine(session_.s, clock_.ticks(), round, std::exchange(session_.sound.requests, {}), setup));
    soundsWatched_ = 0;
    if (watcher_) watcher_->shown(session_, clock_, fresh);
}

void HeadlessRun::finishRound(RoundEnd end) {
    // The trace keeps a round's last sounds for the next line it writes, as it
    // always has; the watcher hears them with the box they came before.
    WatchedBoxes boxes([this](const QString& text) {
        if (watcher_) watcher_->boxShown(session_, text, newSounds());
    });
    session_.round.finish(end, boxes);
}

QStringList HeadlessRun::newSounds() {
    const QStringList fresh = session_.sound.requests.mid(soundsWatched_);
    soundsWatched_ = session_.sound.requests.size();
    return fresh;
}

const char* roundEndName(RoundEnd end) {
    switch (end) {
    case RoundEnd::Victory: return "victory";
    case RoundEnd::Defeat: return "defeat";
    case RoundEnd::VictoryAndDefeat: return "victory+defeat";
    case RoundEnd::None: break;
    }
    return "";
}

QString saveFrame(const QImage& frame, const QString& path) {
    QFile file;
    const FileProblem problem = openForWriting(path, file);
    if (!problem && frame.save(&file, "PNG") && file.flush()) return {};
    const QString why = problem ? describe(problem) : file.errorString();
    return QStringLiteral("cannot write the frame to %1 (%2)").arg(path, why);
}

QCommandLineOption traceOption() {
    return {QStringLiteral("trace"), QStringLiteral("Write one JSON line per tick to FILE (- for standard output)."),
            QStringLiteral("FILE")};
}

QCommandLineOption frameOption() {
    return {QStringLiteral("frame"), QStringLiteral("Save the play field as it last looked to PNG."),
            QStringLiteral("PNG")};
}

}  // namespace krivol
