#pragma once
#include <QAudioSink>
#include <QBuffer>

#include <memory>

#include "shell/sound/audio_out.h"

namespace krivol {

// Plays through a fresh Qt audio sink per start. A new sink each time means
// nothing queued by an earlier, cut-off start can leak into this one, and a
// sink left to run dry plays its clip to the very last sample.
class SinkAudioOut : public AudioOut {
public:
    void play(const WavClip& clip) override;
    void stop() override;

private:
    QBuffer reader_;
    std::unique_ptr<QAudioSink> sink_;
};

std::unique_ptr<AudioOut> makeSinkAudioOut();

}  // namespace krivol
