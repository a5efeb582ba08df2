#pragma once
#include <QString>

#include <functional>
#include <memory>

#include "round/ports.h"
#include "state/data_folders.h"
#include "shell/sound/sound_switch.h"

namespace krivol {

// Builds the voice for one wave file given its full path; null if it cannot play.
using VoiceMaker = std::function<std::unique_ptr<Voice>(const QString& path)>;

// The game's sounds, read from the data folders once at start-up, so a request
// costs no disk access. A missing or broken file is simply silent.
class SoundPlayer : public SoundPort {
public:
    explicit SoundPlayer(const DataFolders& folders);
    SoundPlayer(const DataFolders& folders, const VoiceMaker& make);

    void WAV(const QString& name) override;

private:
    SoundSwitch switch_;
};

}  // namespace krivol
