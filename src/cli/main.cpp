#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>
#include <exception>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "files/local_path.h"

namespace krivol {

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& args);
    const char* summary;
};

// Every subcommand of krivol-cli; a new one needs a line here and its runX.
constexpr std::array<Command, 4> kCommands{{
    {"grid", runGrid, "grid LEVEL    print the 50x50 cell grid of a level picture"},
    {"check", runCheck, "check LEVEL   tell whether a level picture is playable"},
    {"play", runPlay, "play ...      play a round without a window"},
    {"replay", runReplay, "replay FILE   replay a recording of the game without a window"},
}};

QString usage() {
    QString text = QStringLiteral(
        "Usage: krivol-cli COMMAND [ARGUMENTS]\n"
        "Krivol without its window: level tools and headless play.\n\nCommands:\n");
    for (const Command& command : kCommands)
        text += QStringLiteral("  %1\n").arg(QLatin1String(command.summary));
    return text + QStringLiteral("\nkrivol-cli COMMAND --help shows a command's own help.\n");
}

const Command* findCommand(const QString& name) {
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name)) return &command;
    }
    return nullptr;
}

int dispatch(const QStringList& arguments) {
    QCommandLineParser parser;
    // Options after the command word belong to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    parser.addOption(helpOption);
    if (!parser.parse(arguments)) {
        printErr(parser.errorText() + QLatin1Char('\n') + usage());
        return kExitUsage;
    }
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        if (parser.isSet(helpOption)) {
            printOut(usage());
            return kExitOk;
        }
        printErr(QStringLiteral("no command given\n") + usage());
        return kExitUsage;
    }
    const Command* command = findCommand(words.first());
    if (!command) {
        printErr(QStringLiteral("unknown command \"%1\"\n").arg(words.first()) + usage());
        return kExitUsage;
    }
    return command->run(words);
}

}  // namespace

}  // namespace krivol

int main(int argc, char* argv[]) {
    try {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("krivol-cli"));
        return krivol::checkedExit(krivol::dispatch(krivol::argumentsFromArgv(argc, argv)));
    } catch (const std::exception& error) {
        krivol::printErr(
            QStringLiteral("krivol-cli: %1\n").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        krivol::printErr(QStringLiteral("krivol-cli: unexpected failure\n"));
    }
    return krivol::kExitUsage;
}
