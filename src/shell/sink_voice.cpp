#include "shell/sink_voice.h"

#include <QMediaDevices>

namespace krivol {

SinkVoice::SinkVoice(const WavClip& clip) : format_(clip.format) {
    reader_.setData(clip.pcm);
    reader_.open(QIODevice::ReadOnly);
}

void SinkVoice::start() {
    stop();
    // Without an output (no sound server) a sink would only log a warning per request.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    reader_.seek(0);
    sink_ = std::make_unique<QAudioSink>(device, format_);
    sink_->start(&reader_);
}

void SinkVoice::stop() {
    if (!sink_) return;
    sink_->stop();
    sink_.reset();
}

}  // namespace krivol
