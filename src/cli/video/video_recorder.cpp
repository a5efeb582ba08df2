#include "cli/video/video_recorder.h"

namespace krivol {

QString VideoRecorder::open(const VideoSettings& settings) {
    return file_.open(settings.path, settings.format, picture_.size(), settings.scale);
}

void VideoRecorder::shown(const Session& session, const SessionClock& clock, const QStringList& sounds) {
    const long long tick = clock.roundTicks();
    if (tick == 0) {
        flush();
        roundStart_ = pictures_ * kSamplesPerFrame;
    }
    if (!error_.isEmpty()) return;
    for (const QString& name : sounds) track_.request(name, roundStart_ + tick * kSamplesPerTick);
    if (tick % kTicksPerFrame != 0) return;
    flush();
    compose(session);
}

void VideoRecorder::boxShown(const Session& session, const QString& text, const QStringList& sounds) {
    if (!error_.isEmpty()) return;
    flush();
    for (const QString& name : sounds) track_.request(name, pictures_ * kSamplesPerFrame);
    hold(session, &VideoPicture::withBox, text);
}

void VideoRecorder::cutShown(const Session& session, const QString& caption) {
    if (!error_.isEmpty()) return;
    flush();
    hold(session, &VideoPicture::withCaption, caption);
}

void VideoRecorder::hold(const Session& session, QImage (VideoPicture::*held)(const QString&) const,
                         const QString& text) {
    compose(session);  // the last tick, which a count not a multiple of four has not shown yet
    waiting_ = false;
    const QImage picture = (picture_.*held)(text);
    for (int i = 0; i < kHeldFrames; ++i) write(picture);
}

QString VideoRecorder::finish() {
    flush();
    if (error_.isEmpty()) error_ = file_.finish();
    return error_;
}

void VideoRecorder::compose(const Session& session) {
    picture_.compose(session.pics.Pic1, session.labels.label1, session.labels.labP);
    waiting_ = true;
}

void VideoRecorder::flush() {
    if (!waiting_) return;
    waiting_ = false;
    write(picture_.current());
}

void VideoRecorder::write(const QImage& picture) {
    if (!error_.isEmpty()) return;
    error_ = file_.writePicture(picture);
    if (error_.isEmpty()) error_ = file_.writeSound(track_.render(kSamplesPerFrame).data(), kSamplesPerFrame);
    ++pictures_;
}

}  // namespace krivol
