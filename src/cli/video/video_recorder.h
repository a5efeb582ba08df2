#pragma once
#include <QString>

#include "cli/video/sound_track.h"
#include "cli/video/video_file.h"
#include "cli/video/video_picture.h"
#include "cli/video_module.h"

namespace krivol {

// Pictures an end box, or the caption of a recording that stops, holds the
// round's last field: two seconds.
constexpr int kHeldFrames = 2 * kFramesPerSecond;

// Turns the rounds it is shown into pictures and sound: the setup and every
// fourth tick make a picture, each picture lasts four ticks of sound, and
// every end box holds the round's last field for kHeldFrames. A picture is
// written only once the sound of all its ticks is known, so one waits at a
// time.
class VideoRecorder : public VideoWriter {
public:
    explicit VideoRecorder(const DataFolders& sounds) : track_(sounds) {}

    QString open(const VideoSettings& settings);

    void shown(const Session& session, const SessionClock& clock, const QStringList& sounds) override;
    void boxShown(const Session& session, const QString& text, const QStringList& sounds) override;
    void cutShown(const Session& session, const QString& caption) override;
    QSize size() const override { return file_.size(); }
    QString finish() override;

private:
    void compose(const Session& session);
    // The round's last field, composed anew, as `held` makes it of the picture.
    void hold(const Session& session, QImage (VideoPicture::*held)(const QString&) const, const QString& text);
    void flush();
    void write(const QImage& picture);

    VideoFile file_;
    SoundTrack track_;
    VideoPicture picture_;
    bool waiting_ = false;  // the composed picture is not written yet
    long long roundStart_ = 0;  // the round's first sample
    long long pictures_ = 0;
    QString error_;
};

}  // namespace krivol
