#include "cli/level_input.h"

#include <QCommandLineParser>
#include <algorithm>

#include "cli/cli_io.h"
#include "cli/option_help.h"

namespace krivol {

namespace {

constexpr int kHighestLevel = 32767;  // N_KRI is an Integer

QString usageText(const LevelCommandHelp& help, const QList<QCommandLineOption>& options) {
    return QStringLiteral("Usage: krivol-cli %1\n").arg(help.synopsis) + help.description +
           QLatin1Char('\n') + optionHelp(options) + QLatin1Char('\n') + levelArgumentHelp();
}

}  // namespace

QString levelFileFor(const QString& level, const DataFolders& folders) {
    const bool digitsOnly = !level.isEmpty() && level.size() <= 5 &&
                            std::all_of(level.begin(), level.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digitsOnly || level.toInt() > kHighestLevel) return level;
    return folders.levelFile(level.toInt());
}

QString levelArgumentHelp() {
    return QStringLiteral(
        "LEVEL is a picture file, or a level number (1, 2, 3 ...) meaning KRIVOLnn.BMP\n"
        "from the --levels folder, the program's folder or the installed data folder,\n"
        "the first that has it (write ./1 for a file named 1).\n");
}

QCommandLineOption levelsOption() {
    return {QStringLiteral("levels"), QStringLiteral("Look for level files (KRIVOLnn.BMP) in DIR first."), QStringLiteral("DIR")};
}

QString applyLevelsOption(const QCommandLineParser& parser, const QCommandLineOption& levels,
                          DataFolders& folders) {
    return parser.isSet(levels) ? folders.preferLevelsFrom(parser.value(levels)) : QString();
}

LevelArgument parseLevelArgument(const QStringList& args, const LevelCommandHelp& help, DataFolders folders,
                                 const QList<QCommandLineOption>& flags) {
    QCommandLineParser parser;
    const QCommandLineOption helpOpt = helpOption(), levels = levelsOption();
    const QList<QCommandLineOption> options = QList<QCommandLineOption>{helpOpt, levels} + flags;
    parser.addOptions(options);
    const auto usageError = [&](const QString& why) {
        printErr(QStringLiteral("krivol-cli %1: %2\n").arg(args.value(0), why) + usageText(help, options));
        return LevelArgument{{}, kExitUsage, {}};
    };
    if (!parser.parse(args)) return usageError(parser.errorText());
    if (parser.isSet(helpOpt)) {
        printOut(usageText(help, options));
        return {{}, kExitOk, {}};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("expected exactly one LEVEL file, got %1").arg(positional.size()));
    if (const QString error = applyLevelsOption(parser, levels, folders); !error.isEmpty()) return usageError(error);
    QStringList flagsSet;
    for (const QCommandLineOption& flag : flags)
        if (parser.isSet(flag)) flagsSet << flag.names().first();
    return {levelFileFor(positional.first(), folders), std::nullopt, flagsSet};
}

LevelReading loadLevelGrid(const QString& path) {
    QuietStderr quiet;
    return readLevelFile(path);
}

}  // namespace krivol
