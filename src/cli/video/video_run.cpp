#include "cli/video/video_run.h"

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/video/video_recorder.h"
#include "files/file_beside.h"

namespace krivol {

namespace {

std::vector<const Record*> startsOf(const Recording& recording) {
    std::vector<const Record*> starts;
    for (const Record& r : recording.records)
        if (r.kind == Record::Kind::start) starts.push_back(&r);
    return starts;
}

// The ticks the chosen rounds last, as far as the recording tells.
long long recordedTicks(const Recording& recording, const std::set<int>& rounds) {
    long long ticks = 0;
    for (const Record& r : recording.records)
        if (r.kind == Record::Kind::end && (rounds.empty() || rounds.count(r.round))) ticks += r.ticks;
    return ticks;
}

int failed(const QString& line) {
    printErr(line + QLatin1Char('\n'));
    return kExitFailed;
}

}  // namespace

int replayToVideo(const ReplayOptions& o, const ReplayReading& reading, TraceOut& trace) {
    const auto cannotWrite = [&o](const QString& why) {
        return failed(QStringLiteral("cannot write the video to %1 (%2)").arg(o.videoFile, why));
    };
    const std::optional<VideoFormat> format = videoFormatFor(o.videoFile);
    const auto rounds = static_cast<int>(startsOf(reading.recording).size());
    if (!o.rounds.empty() && *o.rounds.rbegin() > rounds)
        return failed(QStringLiteral("%1: there is no round %2; the recording holds %3")
                          .arg(o.file)
                          .arg(*o.rounds.rbegin())
                          .arg(rounds));
    FileBeside out;
    if (const FileProblem problem = out.open(o.videoFile)) return cannotWrite(describe(problem));
    SoundTrack track(o.folders);
    ProgressLine progress(recordedTicks(reading.recording, o.rounds),
                          o.rounds.empty() ? rounds : static_cast<int>(o.rounds.size()));
    VideoFile file;
    VideoRecorder recorder(file, track, o.rounds, progress);
    if (const QString error = file.open(out.tempPath(), *format, recorder.pictureSize(), o.scale); !error.isEmpty())
        return cannotWrite(error);
    const int code = replayRecording(o, reading, trace, &recorder);
    QString error = recorder.finish();
    if (code != kExitOk) return code;  // told already; the file beside goes
    if (error.isEmpty()) error = file.finish();
    if (error.isEmpty())
        if (const FileProblem problem = out.commit()) error = describe(problem);
    return error.isEmpty() ? kExitOk : cannotWrite(error);
}

}  // namespace krivol
