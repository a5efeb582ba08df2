#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <exception>
#include <memory>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/option_help.h"
#include "files/local_path.h"
#include "state/build_info.h"
#include "state/data_folders.h"

namespace krivol {

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& args, const DataFolders& folders);
    const char* summary;
};

// Every subcommand of krivol-cli; a new one needs a line here and its runX.
constexpr std::array<Command, 5> kCommands{{
    {"grid", runGrid, "grid LEVEL    print the 50x50 cell grid of a level picture"},
    {"check", runCheck, "check LEVEL   tell whether a level picture is playable (--stats: its figures)"},
    {"play", runPlay, "play LEVEL    play rounds without a window"},
    {"replay", runReplay, "replay FILE   replay a recording of the game without a window"},
    {"generate", runGenerate, "generate OUT  make new playable mazes from a seed"},
}};

// The tool's own options, before the command word.
struct TopOptions {
    QCommandLineOption help = helpOption();
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};
    QList<QCommandLineOption> all() const { return {help, version}; }
};

QString usage(const TopOptions& options) {
    QString text = QStringLiteral(
        "Usage: krivol-cli [options] COMMAND [ARGUMENTS]\n"
        "Krivol without its window: level tools and headless play.\n\nCommands:\n");
    for (const Command& command : kCommands)
        text += QStringLiteral("  %1\n").arg(QLatin1String(command.summary));
    return text + QLatin1Char('\n') + optionHelp(options.all()) +
           QStringLiteral("\nkrivol-cli COMMAND --help shows a command's own options.\n");
}

const Command* findCommand(const QString& name) {
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name)) return &command;
    }
    return nullptr;
}

int dispatch(const QStringList& arguments, const DataFolders& folders) {
    QCommandLineParser parser;
    // Options after the command word belong to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const TopOptions options;
    parser.addOptions(options.all());
    if (!parser.parse(arguments)) {
        printErr(parser.errorText() + QLatin1Char('\n') + usage(options));
        return kExitUsage;
    }
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        if (parser.isSet(options.help)) {
            printOut(usage(options));
            return kExitOk;
        }
        if (parser.isSet(options.version)) {
            printOut(QStringLiteral("krivol-cli %1\n").arg(QLatin1String(build::kVersion)));
            return kExitOk;
        }
        printErr(QStringLiteral("no command given\n") + usage(options));
        return kExitUsage;
    }
    const Command* command = findCommand(words.first());
    if (!command) {
        printErr(QStringLiteral("unknown command \"%1\"\n").arg(words.first()) + usage(options));
        return kExitUsage;
    }
    return command->run(words, folders);
}

// Qt's notes on the offscreen platform (no runtime folder, say) mean nothing
// to someone making a video, whose every problem gets a line of its own.
void keepQtCritical(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) printErr(message + QLatin1Char('\n'));
}

// A video's captions are drawn text, and fonts need a GUI application; the
// offscreen platform gives one without a display. Every other command stays
// a plain console program.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    const QStringList args = argumentsFromArgv(argc, argv);
    const bool drawsText = args.contains(QLatin1String("replay")) &&
                           std::any_of(args.begin(), args.end(), [](const QString& a) {
                               return a == QLatin1String("--video") || a.startsWith(QLatin1String("--video="));
                           });
    if (!drawsText) return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepQtCritical);
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

}  // namespace krivol

int main(int argc, char* argv[]) {
    try {
        const auto app = krivol::makeApplication(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("krivol-cli"));
        QCoreApplication::setApplicationVersion(QLatin1String(krivol::build::kVersion));
        const auto folders = krivol::DataFolders::besideProgram(krivol::programFolder());
        return krivol::checkedExit(krivol::dispatch(krivol::argumentsFromArgv(argc, argv), folders));
    } catch (const std::exception& error) {
        krivol::printErr(
            QStringLiteral("krivol-cli: %1\n").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        krivol::printErr(QStringLiteral("krivol-cli: unexpected failure\n"));
    }
    return krivol::kExitUsage;
}
