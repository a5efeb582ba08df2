#include <QCommandLineParser>
#include <QFile>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/level_input.h"
#include "cli/option_help.h"
#include "cli/replay_run.h"
#include "files/regular_file.h"

namespace krivol {

namespace {

// Every option of `replay`, with its one line of help.
struct ReplayOptionSet {
    QCommandLineOption help = helpOption();
    QCommandLineOption levels = levelsOption();
    QCommandLineOption trace = traceOption();
    QCommandLineOption frame = frameOption();
    QCommandLineOption verify{QStringLiteral("verify"),
                              QStringLiteral("Exit 1 at the first round whose outcome, score or ticks differ.")};
    QList<QCommandLineOption> all() const { return {help, levels, trace, frame, verify}; }
};

QString usage(const ReplayOptionSet& set) {
    return QStringLiteral(
               "Usage: krivol-cli replay FILE [options]\n"
               "Replays a recording made with `krivol --record FILE` without a window and prints\n"
               "one line per round. The level files it names are looked up the way the game\n"
               "looks them up (--levels DIR first). --trace writes the same JSON lines as `play`.\n\n") +
           optionHelp(set.all());
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
    const int code = replayRecording(o, reading, trace);
    if (!trace.finish()) {
        printErr(trace.error() + QLatin1Char('\n'));
        return kExitFailed;
    }
    return code;
}

}  // namespace krivol
