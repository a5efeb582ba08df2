#pragma once

namespace krivol {

// Where in a session the next key or click takes effect: in the next tick of
// the running round, or, while no round runs, in the first tick of the next
// one, which carries over what it changed.
class SessionClock {
public:
    int nextRound() const { return running_ ? round_ : round_ + 1; }
    long long nextTick() const { return ticks_ + 1; }
    bool running() const { return running_; }
    int round() const { return round_; }  // the last started, 0 before any
    long long ticks() const { return ticks_; }
    long long roundTicks() const { return roundTicks_; }

    void roundStarted() {
        ++round_;
        running_ = true;
        roundTicks_ = 0;
    }
    void tickPlayed() {
        ++ticks_;
        ++roundTicks_;
    }
    void roundEnded() { running_ = false; }

private:
    int round_ = 0;
    long long ticks_ = 0;
    long long roundTicks_ = 0;
    bool running_ = false;
};

}  // namespace krivol
