#include "shell/sound/sink_voice.h"

#include <utility>

namespace krivol {

SinkVoice::SinkVoice(const WavClip& clip, const AudioOutMaker& make) : clip_(clip) {
    worker_.moveToThread(&thread_);
    // After the last job, before the thread ends: the device is closed where it was opened.
    QObject::connect(&thread_, &QThread::finished, &worker_, [this] { out_.reset(); },
                     Qt::DirectConnection);
    post([this, make] { out_ = make(); });
    thread_.setObjectName("krivol audio");
    thread_.start();
}

SinkVoice::~SinkVoice() {
    // Behind every request already handed over, so none of them is dropped.
    post([this] { thread_.quit(); });
    thread_.wait();
}

void SinkVoice::start() {
    post([this] {
        if (out_) out_->play(clip_);
    });
}

void SinkVoice::stop() {
    post([this] {
        if (out_) out_->stop();
    });
}

void SinkVoice::post(std::function<void()> job) {
    QMetaObject::invokeMethod(&worker_, std::move(job), Qt::QueuedConnection);
}

}  // namespace krivol
