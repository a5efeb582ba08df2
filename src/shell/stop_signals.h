#pragma once
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace krivol {

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in the terminal, `kill`) as one
// call in the event loop, so a window can end the way its close button ends
// it. The handler only writes a byte to a pipe; `stop` runs when the loop
// reads it, also inside the nested loop of a modal box. One object at a time;
// its end gives the signals back their earlier handlers.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // What a signal does from now on; nothing (the default) ignores it.
    void onStop(std::function<void()> stop) { stop_ = std::move(stop); }

private:
    void readPipe();

    int readEnd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> stop_;
};

}  // namespace krivol
