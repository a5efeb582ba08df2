#pragma once
#include <QTimer>

#include "round/round.h"
#include "shell/game_watcher.h"

namespace krivol {

// Runs a round from the event loop instead of a blocking loop: each tick is
// one single-shot timer of UGAME ms, armed after the previous tick's work, so
// the window handles its pending events (keys, clicks, closing) during the
// wait. At the end the timer is idle before any end box opens.
class RoundDriver {
public:
    RoundDriver(Round& round, const GameState& s, EndDialogPort& dialogs, GameWatcher& watcher);

    // The start button: refused (nothing happens) while a round runs or
    // after stop(); otherwise what Round::start() says.
    StartResult start();
    // The window is closing: no further tick.
    void stop();
    bool ticking() const { return timer_.isActive(); }

private:
    void tick();

    Round& round_;
    const GameState& s_;
    EndDialogPort& dialogs_;
    GameWatcher& watcher_;
    QTimer timer_;
    bool stopped_ = false;
};

}  // namespace krivol
