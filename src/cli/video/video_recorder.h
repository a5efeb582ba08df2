#pragma once
#include <QString>
#include <set>

#include "cli/headless_run.h"
#include "cli/video/progress_line.h"
#include "cli/video/sound_track.h"
#include "cli/video/video_file.h"
#include "cli/video/video_picture.h"

namespace krivol {

// Pictures an end box holds the round's last field: two seconds.
constexpr int kBoxFrames = 2 * kFramesPerSecond;

// Turns the rounds it is asked for into pictures and sound as the replay
// plays them: the setup and every second tick make a picture, each picture
// lasts two ticks of sound, and every end box holds the round's last field
// for kBoxFrames. A picture is written only once the sound of both its ticks
// is known, so one waits at a time.
class VideoRecorder : public TickWatcher {
public:
    // `rounds` empty: all of them.
    VideoRecorder(VideoFile& file, SoundTrack& track, std::set<int> rounds, ProgressLine& progress);

    void shown(const Session& session, const SessionClock& clock, const QStringList& sounds) override;
    void boxShown(const Session& session, const QString& text, const QStringList& sounds) override;
    void stopped() override { progress_.endLine(); }  // before the round's summary line
    // Writes what still waits; the first error met on the way, or empty.
    QString finish();

    QSize pictureSize() const { return picture_.size(); }

private:
    void compose(const Session& session);
    void flush();
    void write(const QImage& picture);

    VideoFile& file_;
    SoundTrack& track_;
    VideoPicture picture_;
    std::set<int> rounds_;
    ProgressLine& progress_;
    bool showing_ = false;  // the running round is one of rounds_
    bool waiting_ = false;  // the composed picture is not written yet
    int roundsShown_ = 0;
    long long ticksShown_ = 0;
    long long roundStart_ = 0;  // the round's first sample
    long long pictures_ = 0;
    QString error_;
};

}  // namespace krivol
