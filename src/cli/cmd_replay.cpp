#include <QCommandLineParser>
#include <QFile>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/replay_run.h"
#include "files/local_path.h"
#include "files/regular_file.h"

namespace krivol {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: krivol-cli replay FILE [--levels DIR] [--trace FILE|-] [--frame PNG] [--verify]\n"
    "Replays a recording made with `krivol --record FILE` without a window and prints\n"
    "one line per round. The level files it names are looked up in DIR (the program's\n"
    "folder unless given). --trace writes the same JSON lines as `play`; --verify\n"
    "exits 1 at the first round whose outcome, score or ticks differ from the recording.\n");

std::optional<int> parseReplayOptions(const QStringList& args, ReplayOptions& o) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption levels(QStringLiteral("levels"), QStringLiteral("Level folder."), QStringLiteral("DIR"));
    const QCommandLineOption trace(QStringLiteral("trace"), QStringLiteral("Trace file."), QStringLiteral("FILE"));
    const QCommandLineOption frame(QStringLiteral("frame"), QStringLiteral("Last frame."), QStringLiteral("PNG"));
    const QCommandLineOption verify(QStringLiteral("verify"), QStringLiteral("Compare with the recording."));
    parser.addOptions({help, levels, trace, frame, verify});
    if (!parser.parse(args)) {
        printErr(parser.errorText() + QLatin1Char('\n') + kUsage);
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        printOut(kUsage);
        return kExitOk;
    }
    if (parser.positionalArguments().size() != 1) {
        printErr(QStringLiteral("expected exactly one replay FILE\n") + kUsage);
        return kExitUsage;
    }
    o.file = parser.positionalArguments().first();
    o.levels = parser.isSet(levels) ? parser.value(levels) : programFolder();
    o.traceFile = parser.value(trace);
    o.framePng = parser.value(frame);
    o.verify = parser.isSet(verify);
    return std::nullopt;
}

ReplayReading readReplayFile(const QString& path) {
    QFile file;
    if (const FileProblem problem = openForReading(path, file)) {
        ReplayReading reading;
        reading.error = QStringLiteral("cannot read the recording (%1)").arg(describe(problem));
        return reading;
    }
    return readReplay(file);
}

}  // namespace

int runReplay(const QStringList& args) {
    ReplayOptions o;
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
    const int code = replayRecording(o, reading, trace);
    if (!trace.finish()) {
        printErr(trace.error() + QLatin1Char('\n'));
        return kExitFailed;
    }
    return code;
}

}  // namespace krivol
