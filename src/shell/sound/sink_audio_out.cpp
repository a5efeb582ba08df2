#include "shell/sound/sink_audio_out.h"

#include <QMediaDevices>

namespace krivol {

void SinkAudioOut::play(const WavClip& clip) {
    stop();
    // Without an output (no sound server) a sink would only log a warning per request.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    reader_.close();
    reader_.setData(clip.pcm);
    reader_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, clip.format);
    sink_->start(&reader_);
}

void SinkAudioOut::stop() {
    if (!sink_) return;
    sink_->stop();
    sink_.reset();
}

std::unique_ptr<AudioOut> makeSinkAudioOut() { return std::make_unique<SinkAudioOut>(); }

}  // namespace krivol
