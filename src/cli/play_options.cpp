#include "cli/play_options.h"

#include <QCommandLineParser>

#include "cli/cli_io.h"
#include "cli/headless_run.h"
#include "cli/level_input.h"
#include "cli/number_text.h"
#include "cli/option_help.h"

namespace krivol {

namespace {

QString usage(const QList<QCommandLineOption>& options) {
    return QStringLiteral(
               "Usage: krivol-cli play LEVEL --seed N [options]\n"
               "Plays rounds on LEVEL without a window, seeded with N, the way the window's\n"
               "start button and timer would.\n\n") +
           optionHelp(options) + QLatin1Char('\n') + levelArgumentHelp();
}

// Every option of `play`, with its one line of help.
struct PlayOptionSet {
    QCommandLineOption help = helpOption();
    QCommandLineOption seed{QStringLiteral("seed"),
                            QStringLiteral("Start the random sequence with N (0 to 4294967295); required."),
                            QStringLiteral("N")};
    QCommandLineOption keys{QStringLiteral("keys"),
                            QStringLiteral("Press keys as FILE says: lines \"T down CODE\", \"T up CODE\"."),
                            QStringLiteral("FILE")};
    QCommandLineOption ticks{QStringLiteral("ticks"),
                             QStringLiteral("Stop after tick T (default: play every round to its end)."),
                             QStringLiteral("T")};
    QCommandLineOption rounds{QStringLiteral("rounds"), QStringLiteral("Play R rounds one after another (default 1)."),
                              QStringLiteral("R")};
    QCommandLineOption trace = traceOption();
    QCommandLineOption frame = frameOption();
    QCommandLineOption levels = levelsOption();

    QList<QCommandLineOption> all() const { return {help, seed, keys, ticks, rounds, trace, frame, levels}; }
};

}  // namespace

ParsedPlay parsePlayOptions(const QStringList& args, const DataFolders& folders) {
    const PlayOptionSet set;
    const QList<QCommandLineOption> all = set.all();
    QCommandLineParser parser;
    parser.addOptions(all);
    const auto usageError = [&all](const QString& why) {
        printErr(why + QLatin1Char('\n') + usage(all));
        return ParsedPlay{{}, kExitUsage};
    };
    if (!parser.parse(args)) return usageError(parser.errorText());
    if (parser.isSet(set.help)) {
        printOut(usage(all));
        return {{}, kExitOk};
    }
    if (parser.positionalArguments().size() != 1) return usageError(QStringLiteral("expected exactly one LEVEL file"));
    if (!parser.isSet(set.seed)) return usageError(QStringLiteral("--seed N is required"));
    PlayOptions o;
    auto seedValue = number<std::uint32_t>(parser.value(set.seed), 0, 4294967295LL);
    if (!seedValue) return usageError(QStringLiteral("--seed takes a number from 0 to 4294967295"));
    o.seed = *seedValue;
    if (parser.isSet(set.ticks)) {
        o.ticks = number<long long>(parser.value(set.ticks), 0, 1LL << 62);
        if (!o.ticks) return usageError(QStringLiteral("--ticks takes a number of ticks"));
    }
    if (parser.isSet(set.rounds)) {
        auto r = number<int>(parser.value(set.rounds), 1, 1 << 30);
        if (!r) return usageError(QStringLiteral("--rounds takes a number of rounds, at least 1"));
        o.rounds = *r;
    }
    o.keysFile = parser.value(set.keys);
    o.traceFile = parser.value(set.trace);
    o.framePng = parser.value(set.frame);
    o.folders = folders;
    if (const QString error = applyLevelsOption(parser, set.levels, o.folders); !error.isEmpty())
        return usageError(error);
    o.level = levelFileFor(parser.positionalArguments().first(), o.folders);
    return {o, std::nullopt};
}

}  // namespace krivol
