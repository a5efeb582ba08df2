#include <QCommandLineParser>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/level_input.h"
#include "cli/option_help.h"
#include "cli/replay_run.h"
#include "cli/round_list.h"
#include "cli/video_format.h"
#include "cli/video_run.h"

namespace krivol {

namespace {

// Every option of `replay`, with its one line of help.
struct ReplayOptionSet {
    QCommandLineOption help = helpOption();
    QCommandLineOption levels = levelsOption();
    QCommandLineOption trace = traceOption();
    QCommandLineOption frame = frameOption();
    QCommandLineOption verify{QStringLiteral("verify"),
                              QStringLiteral("Exit 1 at the first round whose outcome, score or ticks differ, or that the recording does not finish.")};
    QCommandLineOption video{QStringLiteral("video"),
                             QStringLiteral("Write the rounds with their sounds as a video: OUT.mp4 or OUT.webm."),
                             QStringLiteral("OUT")};
    QCommandLineOption rounds{QStringLiteral("rounds"),
                              QStringLiteral("Only these rounds in the video or the check, such as 2,3 or 2-3."),
                              QStringLiteral("LIST")};
    QCommandLineOption scale{QStringLiteral("scale"),
                             QStringLiteral("Every pixel of the video's field K by K (1 to 8, 2 unless given)."),
                             QStringLiteral("K")};
    QList<QCommandLineOption> all() const { return {help, levels, trace, frame, verify, video, rounds, scale}; }
};

QString usage(const ReplayOptionSet& set) {
    return QStringLiteral(
               "Usage: krivol-cli replay FILE [options]\n"
               "Replays a recording made with `krivol --record FILE` without a window and prints\n"
               "one line per round. The level files it names are looked up the way the game\n"
               "looks them up (--levels DIR first). --trace writes the same JSON lines as `play`.\n"
               "--video makes a video of it with the game's sounds, 25 pictures a second.\n\n") +
           optionHelp(set.all());
}

// What is wrong with --video, --rounds and --scale, or empty.
QString applyVideoOptions(const QCommandLineParser& parser, const ReplayOptionSet& set, ReplayOptions& o) {
    o.videoFile = parser.value(set.video);
    if (o.videoFile.isEmpty() && parser.isSet(set.scale)) return QStringLiteral("--scale needs --video");
    if (o.videoFile.isEmpty() && !o.verify && parser.isSet(set.rounds))
        return QStringLiteral("--rounds needs --video or --verify");
    if (!o.videoFile.isEmpty() && !videoFormatFor(o.videoFile))
        return QStringLiteral("--video: OUT must end in .mp4 or .webm");
    if (parser.isSet(set.rounds)) {
        const std::optional<std::set<int>> rounds = parseRoundList(parser.value(set.rounds));
        if (!rounds) return QStringLiteral("--rounds: expected round numbers such as 2,3 or 2-3");
        o.rounds = *rounds;
    }
    if (parser.isSet(set.scale)) {
        bool ok = false;
        o.scale = parser.value(set.scale).toInt(&ok);
        if (!ok || o.scale < 1 || o.scale > 8) return QStringLiteral("--scale: expected a whole number from 1 to 8");
        if (const auto format = videoFormatFor(o.videoFile); format && o.scale > format->maxScale)
            return QStringLiteral("--scale: a .webm video is made at scales 1 to %1; .mp4 takes up to 8")
                .arg(format->maxScale);
    }
    return {};
}

std::optional<int> parseReplayOptions(const QStringList& args, ReplayOptions& o) {
    const ReplayOptionSet set;
    QCommandLineParser parser;
    parser.addOptions(set.all());
    const auto usageError = [&set](const QString& why) {
        printErr(why + QLatin1Char('\n') + usage(set));
        return kExitUsage;
    };
    if (!parser.parse(args)) return usageError(parser.errorText());
    if (parser.isSet(set.help)) {
        printOut(usage(set));
        return kExitOk;
    }
    if (parser.positionalArguments().size() != 1) return usageError(QStringLiteral("expected exactly one replay FILE"));
    if (const QString error = applyLevelsOption(parser, set.levels, o.folders); !error.isEmpty())
        return usageError(error);
    o.file = parser.positionalArguments().first();
    o.traceFile = parser.value(set.trace);
    o.framePng = parser.value(set.frame);
    o.verify = parser.isSet(set.verify);
    if (const QString error = applyVideoOptions(parser, set, o); !error.isEmpty()) return usageError(error);
    return std::nullopt;
}

}  // namespace

int runReplay(const QStringList& args, const DataFolders& folders) {
    ReplayOptions o;
    o.folders = folders;
    if (const std::optional<int> exitNow = parseReplayOptions(args, o)) return *exitNow;
    const ReplayReading reading = readReplayFile(o.file);
    if (!reading.error.isEmpty()) {
        printErr(QStringLiteral("%1: %2\n").arg(o.file, reading.error));
        return kExitFailed;
    }
    TraceOut trace;
    if (!trace.open(o.traceFile)) {
        printErr(trace.error() + QLatin1Char('\n'));
        return kExitFailed;
    }
    const int code = o.videoFile.isEmpty() ? replayRecording(o, reading, trace) : replayToVideo(o, reading, trace);
    if (!trace.finish()) {
        printErr(trace.error() + QLatin1Char('\n'));
        return kExitFailed;
    }
    return code;
}

}  // namespace krivol
