#include "shell/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace krivol {

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, QObject& owner, std::function<void()> then) : QObject(&owner), then_(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        watched->removeEventFilter(this);
        // Queued behind the paint, so the frame reaches the screen first.
        QTimer::singleShot(0, this, [this] {
            then_();
            deleteLater();
        });
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void afterFirstPaint(QWidget& window, QObject& owner, std::function<void()> then) {
    new FirstPaint(window, owner, std::move(then));  // owned by `owner`, or gone once done
}

}  // namespace krivol
