#include "cli/video/video_recorder.h"

namespace krivol {

VideoRecorder::VideoRecorder(VideoFile& file, SoundTrack& track, std::set<int> rounds, ProgressLine& progress)
    : file_(file), track_(track), rounds_(std::move(rounds)), progress_(progress) {}

void VideoRecorder::shown(const Session& session, const SessionClock& clock, const QStringList& sounds) {
    const long long tick = clock.roundTicks();
    if (tick == 0) {
        flush();
        showing_ = rounds_.empty() || rounds_.count(clock.round()) > 0;
        if (showing_) ++roundsShown_;
        roundStart_ = pictures_ * kSamplesPerFrame;
    }
    if (!showing_ || !error_.isEmpty()) return;
    for (const QString& name : sounds) track_.request(name, roundStart_ + tick * kSamplesPerTick);
    if (tick > 0) progress_.tick(roundsShown_, ++ticksShown_);
    if (tick % kTicksPerFrame != 0) return;
    flush();
    compose(session);
}

void VideoRecorder::boxShown(const Session& session, const QString& text, const QStringList& sounds) {
    if (!showing_ || !error_.isEmpty()) return;
    flush();
    compose(session);  // the last tick, which an odd count has not shown yet
    waiting_ = false;
    for (const QString& name : sounds) track_.request(name, pictures_ * kSamplesPerFrame);
    const QImage boxed = picture_.withBox(text);
    for (int i = 0; i < kBoxFrames; ++i) write(boxed);
}

QString VideoRecorder::finish() {
    flush();
    progress_.endLine();
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
