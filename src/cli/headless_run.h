#pragma once
#include <QCommandLineOption>
#include <QImage>
#include <QString>
#include <cstdint>

#include "cli/tick_watcher.h"
#include "cli/trace_out.h"
#include "replay/session_clock.h"
#include "round/session.h"
#include "state/data_folders.h"

namespace krivol {

// Whatever the player did, handed to the game in the event step of its tick.
class EventFeed {
public:
    virtual ~EventFeed() = default;
    // Applies every input that takes effect in the event step of `tick`.
    virtual void eventStep(long long tick, Game& game) = 0;
};

// Drives rounds without a window, the way the window's start button and
// timer do, and writes the trace: one line after each setup and each tick,
// one at each round's end. `play` and `replay` both run on it.
class HeadlessRun {
public:
    HeadlessRun(std::uint32_t seed, const DataFolders& folders, TraceOut& trace, bool keepFrame);

    // The start button on `levelFile`; writes the setup line of round `round`.
    StartResult start(int round, const QString& levelFile);
    // Plays the running round until it ends or tick `lastTick` (counted over
    // the whole session) has been played; RoundEnd::None in the second case.
    RoundEnd play(EventFeed& feed, long long lastTick);

    void watch(TickWatcher* watcher) { watcher_ = watcher; }

    Game& game() { return session_.game; }
    const Session& session() const { return session_; }
    const GameState& state() const { return session_.s; }
    const SessionClock& clock() const { return clock_; }
    // False once a trace line could not be written; the run plays no further.
    bool traceOk() const { return traceOk_; }
    // Pic1 as the last trace line saw it (the end of a round clears it).
    const QImage& frame() const { return lastFrame_.isNull() ? session_.pics.Pic1 : lastFrame_; }

private:
    void write(const QByteArray& line);
    // The trace line and the watcher's view of the field as it now stands.
    void show(int round, bool setup);
    // The end boxes; each watcher box waits for what finish() asks first.
    void finishRound(RoundEnd end);
    QStringList newSounds();

    Session session_;
    SessionClock clock_;
    TraceOut& trace_;
    bool keepFrame_;
    bool traceOk_ = true;
    QImage lastFrame_;
    TickWatcher* watcher_ = nullptr;
    qsizetype soundsWatched_ = 0;  // of the requests the trace has not taken yet
};

const char* roundEndName(RoundEnd end);

// --trace FILE and --frame PNG, as play and replay both take them.
QCommandLineOption traceOption();
QCommandLineOption frameOption();

// Saves the last frame as a PNG; an error in one line, or empty.
QString saveFrame(const QImage& frame, const QString& path);

}  // namespace krivol
