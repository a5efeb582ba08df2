#include <QApplication>
#include <QCommandLineParser>
#include <QTime>
#include <cstdio>
#include <optional>

#include "files/local_path.h"
#include "shell/form1.h"
#include "shell/replay_hookup.h"

namespace {

// Whole seconds since local midnight: every start plays differently.
std::uint32_t timeOfDaySeed() { return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000); }

std::optional<std::uint32_t> parseSeed(const QString& text) {
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("krivol"));
    QApplication::setApplicationVersion(QStringLiteral("2.32"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Krivol, a maze arcade game."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Start the random sequence with N instead of the time of day."),
                                        QStringLiteral("N"));
    parser.addOption(seedOption);
    const QCommandLineOption recordOption(QStringLiteral("record"), QStringLiteral("Record the game into FILE."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption replayOption(QStringLiteral("replay"),
                                          QStringLiteral("Play back a recording made with --record."),
                                          QStringLiteral("FILE"));
    parser.addOption(recordOption);
    parser.addOption(replayOption);
    parser.process(krivol::argumentsFromArgv(argc, argv));
    if (parser.isSet(replayOption) && (parser.isSet(recordOption) || parser.isSet(seedOption))) {
        std::fprintf(stderr, "krivol: --replay takes its seed from the recording and records nothing\n");
        return 2;
    }
    krivol::ReplayHookup replay(parser.value(recordOption), parser.value(replayOption));

    std::uint32_t seed = timeOfDaySeed();
    if (parser.isSet(seedOption)) {
        const auto parsed = parseSeed(parser.value(seedOption));
        if (!parsed) {
            std::fprintf(stderr, "krivol: --seed takes a number from 0 to 4294967295\n");
            return 2;
        }
        seed = *parsed;
    }

    if (replay.seed()) seed = *replay.seed();

    krivol::Form1 window(QCoreApplication::applicationDirPath(), seed);
    replay.attach(window, seed);
    window.show();
    replay.begin();
    return QApplication::exec();
}
