#pragma once
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

#include "shell/sound/audio_out.h"
#include "shell/sound/sink_audio_out.h"
#include "shell/sound/sound_switch.h"
#include "shell/sound/wav_clip.h"

namespace krivol {

// One preloaded clip with an audio thread of its own. A request only hands the
// clip over to that thread and returns: opening, feeding and closing the device
// happen there, so a slow or stuck sound server never holds up a tick.
class SinkVoice : public Voice {
public:
    explicit SinkVoice(const WavClip& clip, const AudioOutMaker& make = makeSinkAudioOut);
    ~SinkVoice() override;
    SinkVoice(const SinkVoice&) = delete;
    SinkVoice& operator=(const SinkVoice&) = delete;

    void start() override;
    void stop() override;

private:
    void post(std::function<void()> job);

    const WavClip clip_;
    QThread thread_;
    QObject worker_;                 // lives on thread_, so posted jobs run there
    std::unique_ptr<AudioOut> out_;  // made, used and destroyed on thread_ only
};

}  // namespace krivol
