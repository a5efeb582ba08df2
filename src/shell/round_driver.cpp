#include "shell/round_driver.h"

namespace krivol {

RoundDriver::RoundDriver(Round& round, const GameState& s, EndDialogPort& dialogs, GameWatcher& watcher)
    : round_(round), s_(s), dialogs_(dialogs), watcher_(watcher) {
    timer_.setSingleShot(true);
    // A coarse timer may fire 5 % late; the game's pace is the wait itself.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
}

StartResult RoundDriver::start() {
    if (stopped_ || round_.running()) return {};
    StartResult result = round_.start();
    if (!result.started) return result;
    watcher_.roundStarted(result.level);
    timer_.start(static_cast<int>(s_.UGAME));
    return result;
}

void RoundDriver::stop() {
    stopped_ = true;
    timer_.stop();
}

void RoundDriver::tick() {
    watcher_.beforeTick();
    const RoundEnd end = round_.tick();
    watcher_.tickPlayed(end);
    if (end == RoundEnd::None) {
        if (!stopped_ && round_.running()) timer_.start(static_cast<int>(s_.UGAME));
        return;
    }
    // The single-shot timer is idle here, so no tick runs behind the box.
    round_.finish(end, dialogs_);
    if (!stopped_) watcher_.roundFinished();
}

}  // namespace krivol
