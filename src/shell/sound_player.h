#pragma once
#include <QString>

#include <functional>
#include <memory>

#include "round/ports.h"
#include "shell/sound_switch.h"

namespace krivol {

// Builds the voice for one wave file given its full path; null if it cannot play.
using VoiceMaker = std::function<std::unique_ptr<Voice>(const QString& path)>;

// The game's sounds, read from the program folder once at start-up, so a request
// costs no disk access. A missing or broken file is simply silent.
class SoundPlayer : public SoundPort {
public:
    explicit SoundPlayer(const QString& folder);
    SoundPlayer(const QString& folder, const VoiceMaker& make);

    void WAV(const QString& name) override;

private:
    SoundSwitch switch_;
};

}  // namespace krivol
