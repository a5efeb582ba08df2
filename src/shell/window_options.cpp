#include "shell/window_options.h"

#include <QCommandLineParser>
#include <cstdio>

#include "files/local_path.h"
#include "shell/gamepad/pad_map.h"
#include "state/build_info.h"

namespace krivol {

namespace {

constexpr int kExitUsage = 2;

// File names go out as the very bytes they came in as.
void print(FILE* stream, const QString& text) { std::fputs(pathToLocal(text).constData(), stream); }

ParsedWindowOptions usageError(const QString& why) {
    print(stderr, QStringLiteral("krivol: %1\nTry 'krivol --help'.\n").arg(why));
    return {{}, kExitUsage};
}

std::optional<std::uint32_t> parseSeed(const QString& text) {
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

}  // namespace

ParsedWindowOptions parseWindowOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Krivol, a maze arcade game. Levels (KRIVOLnn.BMP) and sounds are taken from the\n"
                       "program's folder, then from the installed data folder; --levels DIR comes\n"
                       "before both for levels. krivol --edit [FILE] opens the level editor instead."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Start the random sequence with N instead of the time of day."),
                                  QStringLiteral("N"));
    const QCommandLineOption levels(QStringLiteral("levels"),
                                    QStringLiteral("Take KRIVOLnn.BMP from DIR before the game's own levels."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption record(QStringLiteral("record"), QStringLiteral("Record the game into FILE."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption replay(QStringLiteral("replay"), QStringLiteral("Play back a recording made with --record."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption edit(QStringLiteral("edit"),
                                  QStringLiteral("Open the level editor on FILE, or on a new level."));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Speak LANG (ru or en) instead of the desktop's language."),
                                  QStringLiteral("LANG"));
    parser.addOptions({help, version, seed, levels, record, replay, edit, lang});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("With --edit: the level picture to edit (made when missing)."), QStringLiteral("[FILE]"));

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // No application object exists yet, so Qt does not know the name.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("krivol")) +
                          QLatin1Char('\n') + padHelp());
        return {{}, 0};
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("krivol %1\n").arg(QLatin1String(build::kVersion)));
        return {{}, 0};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > (parser.isSet(edit) ? 1 : 0))
        return usageError(QStringLiteral("unexpected argument \"%1\"").arg(files.last()));
    if (parser.isSet(edit) && (parser.isSet(record) || parser.isSet(replay)))
        return usageError(QStringLiteral("--edit cannot be combined with --record or --replay"));
    if (parser.isSet(replay) && (parser.isSet(record) || parser.isSet(seed)))
        return usageError(QStringLiteral("--replay takes its seed from the recording and records nothing"));
    WindowOptions o;
    if (parser.isSet(seed)) {
        o.seed = parseSeed(parser.value(seed));
        if (!o.seed) return usageError(QStringLiteral("--seed takes a number from 0 to 4294967295"));
    }
    if (parser.isSet(lang)) {
        o.language = languageNamed(parser.value(lang));
        if (!o.language) return usageError(QStringLiteral("--lang takes ru or en"));
    }
    o.levelsFolder = parser.value(levels);
    o.recordFile = parser.value(record);
    o.replayFile = parser.value(replay);
    o.edit = parser.isSet(edit);
    o.editFile = files.value(0);
    return {o, std::nullopt};
}

}  // namespace krivol
