#include "cli/interrupt_flag.h"

#include <csignal>

namespace krivol {

namespace {

// A handler may only set this: everything else waits for the work's next step.
volatile std::sig_atomic_t caught = 0;

constexpr int kSignals[] = {SIGINT, SIGTERM};
struct sigaction before[2];

void note(int signal) { caught = signal; }

}  // namespace

InterruptFlag::InterruptFlag() {
    caught = 0;
    struct sigaction noted = {};
    noted.sa_handler = note;
    sigemptyset(&noted.sa_mask);
    for (int i = 0; i < 2; ++i) sigaction(kSignals[i], &noted, &before[i]);
}

InterruptFlag::~InterruptFlag() {
    for (int i = 0; i < 2; ++i) sigaction(kSignals[i], &before[i], nullptr);
}

int InterruptFlag::signal() const { return caught; }

}  // namespace krivol
