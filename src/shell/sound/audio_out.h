#pragma once
#include <functional>
#include <memory>

#include "shell/sound/wav_clip.h"

namespace krivol {

// The device end of a voice. Either call may wait for the sound server, so a
// voice makes them only on its own audio thread, never on the game's.
class AudioOut {
public:
    virtual ~AudioOut() = default;
    virtual void play(const WavClip& clip) = 0;  // from the start, replacing what sounds
    virtual void stop() = 0;
};

// Called on the audio thread, which then owns what it returns.
using AudioOutMaker = std::function<std::unique_ptr<AudioOut>()>;

}  // namespace krivol
