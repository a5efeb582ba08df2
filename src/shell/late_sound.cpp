#include "shell/late_sound.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace krivol {

LateSound::LateSound(QWidget& window, Maker make) : make_(std::move(make)) { window.installEventFilter(this); }

void LateSound::WAV(const QString& name) {
    open();
    port_->WAV(name);
}

bool LateSound::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued behind the paint, so the frame reaches the screen first.
        QTimer::singleShot(0, this, [this] { open(); });
    }
    return false;
}

void LateSound::open() {
    if (!port_) port_ = make_();
}

}  // namespace krivol
