#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTime>
#include <optional>
#include <variant>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/number_text.h"
#include "cli/option_help.h"
#include "files/file_beside.h"
#include "mazegen/maze_generator.h"
#include "state/level.h"
#include "state/level_write.h"
#include "state/time_seed.h"

namespace krivol {

namespace {

constexpr int kLevelsInSet = 3;

struct GenerateOptions {
    std::uint32_t seed = 0;
    MazeOptions maze{kStyleLoops, Mirror::none, MazeStyle::mixed};
    bool styleGiven = false;
    bool force = false;
    QString out;
};

struct GenerateOptionSet {
    QCommandLineOption help = helpOption();
    QCommandLineOption seed{QStringLiteral("seed"), QStringLiteral("Make the mazes of seed N (default: the time of day)."),
                            QStringLiteral("N")};
    QCommandLineOption loops{QStringLiteral("loops"),
                             QStringLiteral("Open PERCENT of the dead ends into loops: 0 makes a perfect maze, "
                                            "100 one with no dead end (default %1, galleries %2).")
                                 .arg(defaultLoopsPercent(MazeStyle::classic))
                                 .arg(defaultLoopsPercent(MazeStyle::galleries)),
                             QStringLiteral("PERCENT")};
    QCommandLineOption mirror{QStringLiteral("mirror"),
                              QStringLiteral("Make the maze symmetric: none, lr (left-right), tb (top-bottom) "
                                             "or both (default none)."),
                              QStringLiteral("MODE")};
    QCommandLineOption style{QStringLiteral("style"),
                             QStringLiteral("Make halls, classic, galleries or mixed mazes (default: mixed for a set, "
                                            "classic for one level)."),
                             QStringLiteral("STYLE")};
    QCommandLineOption force{QStringLiteral("force"), QStringLiteral("Replace level files that exist.")};
    QList<QCommandLineOption> all() const { return {help, seed, style, loops, mirror, force}; }
};

QString usageText(const GenerateOptionSet& set) {
    return QStringLiteral(
               "Usage: krivol-cli generate [--seed N] [--style halls|classic|galleries|mixed]\n"
               "                           [--loops PERCENT] [--mirror none|lr|tb|both] OUT\n"
               "Makes new, always playable mazes. OUT ending in .bmp is one level; any other\n"
               "OUT is a folder (made if missing) that gets a set, KRIVOL01.BMP to KRIVOL03.BMP,\n"
               "to play with krivol --levels OUT. The same seed and options give the same files.\n"
               "Halls are open, broken by posts and short walls, with no dead end; classic\n"
               "mazes wind and branch; galleries have long corridors and spirals. mixed, the\n"
               "default for a set, makes it as the shipped one goes, halls, classic, galleries,\n"
               "and one level in one of the three, as the seed falls; one level is classic\n"
               "unless told. A mirrored maze always has a few loops across its middle lines,\n"
               "which it crosses as often as the shipped levels do.\n"
               "Exit status: 0 written, 1 a file could not be written, 2 usage error.\n\n") +
           optionHelp(set.all());
}

// The options, or the exit code when the command ends here.
std::variant<GenerateOptions, int> parseGenerate(const QStringList& args) {
    const GenerateOptionSet set;
    QCommandLineParser parser;
    parser.addOptions(set.all());
    const auto usageError = [&](const QString& why) {
        printErr(QStringLiteral("krivol-cli generate: %1\n").arg(why) + usageText(set));
        return kExitUsage;
    };
    if (!parser.parse(args)) return usageError(parser.errorText());
    if (parser.isSet(set.help)) {
        printOut(usageText(set));
        return kExitOk;
    }
    GenerateOptions o;
    o.seed = timeOfDaySeed(QTime::currentTime());
    if (parser.isSet(set.seed)) {
        const auto seed = number<std::uint32_t>(parser.value(set.seed), 0, 4294967295LL);
        if (!seed) return usageError(QStringLiteral("--seed takes a number from 0 to 4294967295"));
        o.seed = *seed;
    }
    if (parser.isSet(set.loops)) {
        const auto loops = number<int>(parser.value(set.loops), 0, 100);
        if (!loops) return usageError(QStringLiteral("--loops takes a number from 0 to 100"));
        o.maze.loopsPercent = *loops;
    }
    if (parser.isSet(set.style)) {
        const auto style = mazeStyleFromName(parser.value(set.style));
        if (!style) return usageError(QStringLiteral("--style takes halls, classic, galleries or mixed"));
        o.maze.style = *style;
        o.styleGiven = true;
    }
    if (parser.isSet(set.mirror)) {
        const auto mirror = mirrorFromName(parser.value(set.mirror));
        if (!mirror) return usageError(QStringLiteral("--mirror takes none, lr, tb or both"));
        o.maze.mirror = *mirror;
    }
    o.force = parser.isSet(set.force);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) return usageError(QStringLiteral("expected exactly one OUT, got %1").arg(positional.size()));
    o.out = positional.first();
    return o;
}

bool isOneLevel(const GenerateOptions& o) { return o.out.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive); }

// The files to write: OUT itself, or the set in the folder OUT.
std::optional<QStringList> targets(const GenerateOptions& o) {
    if (isOneLevel(o)) return QStringList{o.out};
    if (!QDir().mkpath(o.out)) {
        printErr(QStringLiteral("krivol-cli generate: %1: cannot make this folder\n").arg(o.out));
        return std::nullopt;
    }
    QStringList paths;
    for (int n = 1; n <= kLevelsInSet; ++n) paths << levelPath(o.out, n);
    return paths;
}

// The options of the n-th file (from 0): a set made mixed goes as the
// shipped set does; one level made mixed is left to the generator's draw.
// One level is classic unless told, so that the seeds shared before there
// were styles, and the editor's random mazes, still give the same maze.
MazeOptions levelOptions(const GenerateOptions& o, int n) {
    MazeOptions options = o.maze;
    if (isOneLevel(o)) {
        if (!o.styleGiven) options.style = MazeStyle::classic;
        return options;
    }
    options.style = styleInSet(options.style, n + 1);
    return options;
}

}  // namespace

int runGenerate(const QStringList& args, const DataFolders&) {
    const auto parsed = parseGenerate(args);
    if (const int* code = std::get_if<int>(&parsed)) return *code;
    const GenerateOptions& o = std::get<GenerateOptions>(parsed);
    const auto paths = targets(o);
    if (!paths) return kExitFailed;
    // All or nothing: a set is not left half replaced by a refusal.
    for (const QString& path : *paths) {
        if (!o.force && QFileInfo(path).exists()) {
            printErr(QStringLiteral("krivol-cli generate: %1: the file exists (--force replaces it)\n").arg(path));
            return kExitFailed;
        }
    }
    Rnd rnd(o.seed);
    for (int n = 0; n < paths->size(); ++n) {
        const QString& path = paths->at(n);
        if (const FileProblem problem = writeFileAtomically(path, levelBmpBytes(generateMaze(rnd, levelOptions(o, n))))) {
            printErr(QStringLiteral("krivol-cli generate: %1: %2\n").arg(path, describe(problem)));
            return kExitFailed;
        }
    }
    printOut(QStringLiteral("seed %1: %2\n").arg(o.seed).arg(paths->join(QStringLiteral(", "))));
    return checkedExit(kExitOk);
}

}  // namespace krivol
