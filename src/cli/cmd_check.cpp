#include <QStringList>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/level_input.h"
#include "state/level.h"

namespace krivol {

namespace {

QString openingsLine(const std::vector<QPoint>& openings) {
    if (openings.empty()) return QStringLiteral("openings in the border ring: none\n");
    QStringList cells;
    for (const QPoint& p : openings) cells << QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
    return QStringLiteral("openings in the border ring: %1: %2\n")
        .arg(openings.size())
        .arg(cells.join(QLatin1Char(' ')));
}

QString report(const QString& path, const LevelCheck& check) {
    QString text = check.playable()
                       ? QStringLiteral("%1: playable\n").arg(path)
                       : QStringLiteral("%1: not playable: %2\n").arg(path, check.reason());
    text += QStringLiteral("dot cells in columns and rows 2..49: %1 (at least 22 needed)\n")
                .arg(check.dots);
    text += openingsLine(check.openings);
    text += check.startIsWall
                ? QStringLiteral("start cell (24, 27): wall - the hero starts inside a wall\n")
                : QStringLiteral("start cell (24, 27): open\n");
    return text;
}

}  // namespace

int runCheck(const QStringList& args) {
    const LevelCommandHelp help{
        QStringLiteral("check LEVEL"),
        QStringLiteral("Says whether the level picture LEVEL is playable: it needs at least\n"
                       "22 dot cells in columns and rows 2..49 and a wall all round its\n"
                       "border ring. Also tells whether the hero's start cell (24, 27) is a wall.\n"
                       "Exit status: 0 playable, 1 not playable, 2 usage or read error.\n")};
    const LevelArgument level = parseLevelArgument(args, help);
    if (level.exitNow) return *level.exitNow;
    const LoadedLevel loaded = loadLevelGrid(level.path);
    if (!loaded.error.isEmpty()) {
        printErr(loaded.error + QLatin1Char('\n'));
        return kExitUsage;
    }
    const LevelCheck check = checkLevel(loaded.FLD);
    printOut(report(level.path, check));
    return check.playable() ? kExitOk : kExitFailed;
}

}  // namespace krivol
