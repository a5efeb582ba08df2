#pragma once

namespace krivol {

// While alive, SIGINT and SIGTERM end nothing by themselves: they are only
// noted, so that the work under way can stop at its next step and clean up
// what it has half made. One at a time.
class InterruptFlag {
public:
    InterruptFlag();
    ~InterruptFlag();  // the signals act as before again
    InterruptFlag(const InterruptFlag&) = delete;
    InterruptFlag& operator=(const InterruptFlag&) = delete;

    // The signal that came, or 0.
    int signal() const;
    // The exit code the shells give a program ended by that signal.
    int exitCode() const { return 128 + signal(); }
};

}  // namespace krivol
