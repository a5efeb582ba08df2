#include "shell/stop_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace krivol {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler reaches nothing but what is static; the write end of the
// pipe is all it needs.
int writeEnd = -1;
std::array<struct sigaction, kSignals.size()> earlier{};

extern "C" void noteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a stop; the byte is not needed.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

}  // namespace

StopSignals::StopSignals() {
    int ends[2];
    if (writeEnd != -1 || ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("krivol: signals are not handled");
        return;
    }
    readEnd_ = ends[0];
    writeEnd = ends[1];
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { readPipe(); });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &earlier[i]);
}

StopSignals::~StopSignals() {
    if (readEnd_ == -1) return;
    for (size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &earlier[i], nullptr);
    notifier_.reset();
    ::close(writeEnd);
    ::close(readEnd_);
    writeEnd = -1;
}

void StopSignals::readPipe() {
    std::array<char, 64> bytes;
    bool raised = false;
    while (::read(readEnd_, bytes.data(), bytes.size()) > 0) raised = true;
    if (raised && stop_) stop_();
}

}  // namespace krivol
