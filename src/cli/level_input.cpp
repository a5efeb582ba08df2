#include "cli/level_input.h"

#include <QCommandLineParser>

#include "cli/cli_io.h"
#include "render/surface_ops.h"

namespace krivol {

namespace {

constexpr int kPreviewSize = 52;

QString usageText(const LevelCommandHelp& help) {
    return QStringLiteral("Usage: krivol-cli %1\n").arg(help.synopsis) + help.description;
}

}  // namespace

LevelArgument parseLevelArgument(const QStringList& args, const LevelCommandHelp& help) {
    QCommandLineParser parser;
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    parser.addOption(helpOption);
    if (!parser.parse(args)) {
        printErr(QStringLiteral("krivol-cli %1: %2\n").arg(args.value(0), parser.errorText()) +
                 usageText(help));
        return {{}, kExitUsage};
    }
    if (parser.isSet(helpOption)) {
        printOut(usageText(help));
        return {{}, kExitOk};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        printErr(QStringLiteral("krivol-cli %1: expected exactly one LEVEL file, got %2\n")
                     .arg(args.value(0))
                     .arg(positional.size()) +
                 usageText(help));
        return {{}, kExitUsage};
    }
    return {positional.first(), std::nullopt};
}

LevelReading loadLevelGrid(const QString& path) {
    QImage PicLOAD = makeSurface(kPreviewSize, kPreviewSize, 0xFF000000u);
    Long COL = 0;
    QuietStderr quiet;
    return readLevelFile(path, PicLOAD, COL);
}

}  // namespace krivol
