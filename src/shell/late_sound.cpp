#include "shell/late_sound.h"

#include "shell/first_paint.h"

namespace krivol {

LateSound::LateSound(QWidget& window, Maker make) : make_(std::move(make)) {
    afterFirstPaint(window, waiting_, [this] { open(); });
}

void LateSound::WAV(const QString& name) {
    open();
    port_->WAV(name);
}

void LateSound::open() {
    if (!port_) port_ = make_();
}

}  // namespace krivol
