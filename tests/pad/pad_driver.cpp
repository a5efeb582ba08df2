// Test-only: preloaded into the game (LD_PRELOAD), it plugs SDL virtual pads
// into the game's own process and works them by the lines written to the
// FIFO named by KRIVOL_TEST_PAD:
//   plug                      a new pad, numbered from 0
//   unplug N
//   button N NAME 0|1         NAME as SDL says it: a, b, x, start, dpleft, dpup...
//   axis N NAME VALUE         leftx, lefty; -32768 .. 32767
// A pad is plugged only once the game has started SDL's controllers itself,
// so the game's own settings (its signal handling) are what SDL runs with,
// and the lines after it wait until the game has opened the new pad.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

#include "virtual_pad.h"

namespace {

class PadDriver : public QObject {
public:
    PadDriver(int fd) : QObject(QCoreApplication::instance()), fd_(fd), notifier_(fd, QSocketNotifier::Read, this) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, this, [this] { read(); });
        later_.setInterval(20);
        QObject::connect(&later_, &QTimer::timeout, this, [this] { work(); });
    }
    ~PadDriver() override { ::close(fd_); }

private:
    void read() {
        char bytes[512];
        const ssize_t n = ::read(fd_, bytes, sizeof bytes);
        if (n > 0) input_.append(bytes, static_cast<int>(n));
        work();
    }

    void work() {
        for (int end; (end = input_.indexOf('\n')) >= 0;) {
            const QByteArray line = input_.left(end).trimmed();
            const bool gameHasPads = SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0;
            if ((line == "plug" && !gameHasPads) || (!pads_.empty() && pads_.back()->attached() && !pads_.back()->opened())) {
                later_.start();  // the game has not looked yet
                return;
            }
            input_.remove(0, end + 1);
            run(line.split(' '));
        }
        later_.stop();
    }

    void run(const QList<QByteArray>& w) {
        const size_t n = w.size() > 1 ? static_cast<size_t>(w[1].toInt()) : 0;
        if (w[0] == "plug") pads_.push_back(std::make_unique<krivol::test::VirtualPad>());
        else if (n >= pads_.size()) std::fprintf(stderr, "pad driver: no pad %zu\n", n);
        else if (w[0] == "unplug") pads_[n]->unplug();
        else if (w[0] == "button" && w.size() == 4)
            pads_[n]->button(SDL_GameControllerGetButtonFromString(w[2].constData()), w[3] == "1");
        else if (w[0] == "axis" && w.size() == 4)
            pads_[n]->axis(SDL_GameControllerGetAxisFromString(w[2].constData()), w[3].toInt());
        else std::fprintf(stderr, "pad driver: what is '%s'?\n", w.join(' ').constData());
    }

    int fd_;
    QSocketNotifier notifier_;
    QTimer later_;
    QByteArray input_;
    std::vector<std::unique_ptr<krivol::test::VirtualPad>> pads_;
};

void startDriver() {
    const QByteArray fifo = qgetenv("KRIVOL_TEST_PAD");
    if (fifo.isEmpty()) return;
    // Read and write: the FIFO never reads as ended between two writers.
    const int fd = ::open(fifo.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        std::perror(fifo.constData());
        return;
    }
    new PadDriver(fd);  // owned by the application
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)
