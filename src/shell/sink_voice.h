#pragma once
#include <QAudioSink>
#include <QBuffer>

#include <memory>

#include "shell/sound_switch.h"
#include "shell/wav_clip.h"

namespace krivol {

// Plays a decoded clip through a fresh audio sink per start. A new sink each
// time means nothing queued by an earlier, cut-off start can leak into this one,
// and a sink left to run dry plays its clip to the very last sample.
class SinkVoice : public Voice {
public:
    explicit SinkVoice(const WavClip& clip);
    void start() override;
    void stop() override;

private:
    QAudioFormat format_;
    QBuffer reader_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace krivol
