#include "cli/video_run.h"

#include <memory>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/interrupt_flag.h"
#include "cli/progress_line.h"
#include "cli/video_module.h"
#include "files/file_beside.h"
#include "files/local_path.h"
#include "files/module_entry.h"

namespace krivol {

namespace {

// The ticks the chosen rounds last, as far as the recording tells.
long long recordedTicks(const ReplayReading& reading, const std::set<int>& rounds) {
    const auto chosen = [&rounds](int round) { return rounds.empty() || rounds.count(round) > 0; };
    long long ticks = 0;
    for (const Record& r : reading.recording.records)
        if (r.kind == Record::Kind::end && chosen(r.round)) ticks += r.ticks;
    if (reading.cutShort && reading.cutShort->unfinished && chosen(reading.cutShort->round))
        ticks += reading.cutShort->roundTicks;
    return ticks;
}

// Hands the writer only the rounds asked for, and shows how far it is.
class ChosenRounds : public TickWatcher {
public:
    ChosenRounds(TickWatcher& writer, const std::set<int>& rounds, ProgressLine& progress,
                 const InterruptFlag& interrupt)
        : writer_(writer), rounds_(rounds), progress_(progress), interrupt_(interrupt) {}

    void shown(const Session& session, const SessionClock& clock, const QStringList& sounds) override {
        if (clock.roundTicks() == 0) {
            showing_ = rounds_.empty() || rounds_.count(clock.round()) > 0;
            roundsShown_ += showing_;
        }
        if (!showing_) return;
        if (clock.roundTicks() > 0) progress_.tick(roundsShown_, ++ticksShown_);
        writer_.shown(session, clock, sounds);
    }
    void boxShown(const Session& session, const QString& text, const QStringList& sounds) override {
        if (showing_) writer_.boxShown(session, text, sounds);
    }
    void cutShown(const Session& session, const QString& caption) override {
        if (showing_) writer_.cutShown(session, caption);
    }
    void stopped() override { progress_.endLine(); }  // before the round's summary line
    bool stopAsked() const override { return interrupt_.signal() != 0; }

private:
    TickWatcher& writer_;
    const std::set<int>& rounds_;
    ProgressLine& progress_;
    const InterruptFlag& interrupt_;
    bool showing_ = false;
    int roundsShown_ = 0;
    long long ticksShown_ = 0;
};

int failed(const QString& line) {
    printErr(line + QLatin1Char('\n'));
    return kExitFailed;
}

// Pictures larger than this play on few phones and browsers.
constexpr QSize kWidestPlayed{3840, 2160};

}  // namespace

int replayToVideo(const ReplayOptions& o, const ReplayReading& reading, TraceOut& trace) {
    QString why;
    const auto makeWriter = reinterpret_cast<MakeVideoWriter>(
        moduleEntry(programFolder(), QStringLiteral("krivol-video"), kMakeVideoWriterSymbol, why));
    if (!makeWriter) return failed(QStringLiteral("cannot make videos: the video module krivol-video.so: %1").arg(why));
    const auto cannotWrite = [&o](const QString& error) {
        return failed(QStringLiteral("cannot write the video to %1 (%2)").arg(o.videoFile, error));
    };
    if (const QString error = checkRoundsExist(o, reading); !error.isEmpty()) return failed(error);
    const InterruptFlag interrupt;  // from here on, an interrupt removes the file beside
    FileBeside out;
    if (const FileProblem problem = out.open(o.videoFile)) return cannotWrite(describe(problem));
    const std::unique_ptr<VideoWriter> writer(
        makeWriter(VideoSettings{out.tempPath(), *videoFormatFor(o.videoFile), o.scale, o.folders}, why));
    if (!writer) return cannotWrite(why);
    if (const QSize size = writer->size(); size.width() * size.height() > kWidestPlayed.width() * kWidestPlayed.height())
        printErr(QStringLiteral("note: pictures of %1 x %2 have more pixels than %3 x %4, which few phones and browsers play\n")
                     .arg(size.width()).arg(size.height()).arg(kWidestPlayed.width()).arg(kWidestPlayed.height()));
    const int rounds = static_cast<int>(o.rounds.empty() ? countRounds(reading) : o.rounds.size());
    ProgressLine progress(recordedTicks(reading, o.rounds), rounds);
    ChosenRounds chosen(*writer, o.rounds, progress, interrupt);
    const int code = replayRecording(o, reading, trace, &chosen);
    QString error = interrupt.signal() ? QString() : writer->finish();
    progress.endLine();
    if (interrupt.signal()) return interrupt.exitCode();
    if (code != kExitOk) return code;  // told already; the file beside goes
    if (error.isEmpty())
        if (const FileProblem problem = out.commit()) error = describe(problem);
    return error.isEmpty() ? kExitOk : cannotWrite(error);
}

}  // namespace krivol
