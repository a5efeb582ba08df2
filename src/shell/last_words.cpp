#include "shell/last_words.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace krivol {

namespace {

// Reached from exit handlers and Qt's message handler, which have no object.
std::vector<LastWords*>& waiting() {
    static std::vector<LastWords*> all;
    return all;
}

}  // namespace

LastWords::LastWords(std::function<void()> say) : say_(std::move(say)) { waiting().push_back(this); }

LastWords::~LastWords() { std::erase(waiting(), this); }

void LastWords::say() {
    std::erase(waiting(), this);
    if (auto once = std::exchange(say_, nullptr)) once();
}

void LastWords::sayAll() {
    while (!waiting().empty()) waiting().back()->say();
}

void LastWords::sayAllOnExit() {
    // Made first, so that it is destroyed after the handler has run.
    waiting();
    std::atexit([] { sayAll(); });
}

void LastWords::sayAllFromAnyThread() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        sayAll();
        return;
    }
    auto said = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        app, [said] { sayAll(), said->release(); }, Qt::QueuedConnection);
    said->tryAcquire(1, 1000);
}

}  // namespace krivol
