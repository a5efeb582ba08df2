#pragma once
#include <QObject>

#include <functional>
#include <memory>

#include "round/ports.h"

class QWidget;

namespace krivol {

// Opens the real sound port only once the window has painted its first frame,
// so the window shows without waiting for the sound libraries, the sound
// server and the wave files. A request that comes earlier opens it at once.
class LateSound : public SoundPort {
public:
    using Maker = std::function<std::unique_ptr<SoundPort>()>;
    LateSound(QWidget& window, Maker make);

    void WAV(const QString& name) override;

private:
    void open();

    Maker make_;
    std::unique_ptr<SoundPort> port_;
    QObject waiting_;  // ends the wait for the first frame with this object
};

}  // namespace krivol
