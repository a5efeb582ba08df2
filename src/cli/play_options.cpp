#include "cli/play_options.h"

#include <QCommandLineParser>

#include "cli/cli_io.h"

namespace krivol {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: krivol-cli play LEVEL --seed N [--keys FILE] [--ticks T] [--rounds R]\n"
    "                       [--trace FILE|-] [--frame PNG]\n"
    "Plays rounds on LEVEL without a window, seeded with N, and writes a JSON Lines\n"
    "trace of every tick. Keys file lines: \"T down CODE\" or \"T up CODE\".\n");

ParsedPlay usageError(const QString& why) {
    printErr(why + QLatin1Char('\n') + kUsage);
    return {{}, 2};
}

template <typename T>
std::optional<T> number(const QString& text, long long low, long long high) {
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return static_cast<T>(value);
}

}  // namespace

ParsedPlay parsePlayOptions(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("N"));
    const QCommandLineOption keys(QStringLiteral("keys"), QStringLiteral("Key events."), QStringLiteral("FILE"));
    const QCommandLineOption ticks(QStringLiteral("ticks"), QStringLiteral("Last tick."), QStringLiteral("T"));
    const QCommandLineOption rounds(QStringLiteral("rounds"), QStringLiteral("Rounds."), QStringLiteral("R"));
    const QCommandLineOption trace(QStringLiteral("trace"), QStringLiteral("Trace file."), QStringLiteral("FILE"));
    const QCommandLineOption frame(QStringLiteral("frame"), QStringLiteral("Last frame."), QStringLiteral("PNG"));
    parser.addOptions({help, seed, keys, ticks, rounds, trace, frame});
    if (!parser.parse(args)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        printOut(kUsage);
        return {{}, 0};
    }
    if (parser.positionalArguments().size() != 1) return usageError(QStringLiteral("expected exactly one LEVEL file"));
    if (!parser.isSet(seed)) return usageError(QStringLiteral("--seed N is required"));
    PlayOptions o;
    o.level = parser.positionalArguments().first();
    auto seedValue = number<std::uint32_t>(parser.value(seed), 0, 4294967295LL);
    if (!seedValue) return usageError(QStringLiteral("--seed takes a number from 0 to 4294967295"));
    o.seed = *seedValue;
    if (parser.isSet(ticks)) {
        o.ticks = number<long long>(parser.value(ticks), 0, 1LL << 62);
        if (!o.ticks) return usageError(QStringLiteral("--ticks takes a number of ticks"));
    }
    if (parser.isSet(rounds)) {
        auto r = number<int>(parser.value(rounds), 1, 1 << 30);
        if (!r) return usageError(QStringLiteral("--rounds takes a number of rounds, at least 1"));
        o.rounds = *r;
    }
    o.keysFile = parser.value(keys);
    o.traceFile = parser.value(trace);
    o.framePng = parser.value(frame);
    return {o, std::nullopt};
}

}  // namespace krivol
