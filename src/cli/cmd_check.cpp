#include <QStringList>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/level_input.h"

namespace krivol {

namespace {

QString openingsLine(const std::vector<QPoint>& openings) {
    if (openings.empty()) return QStringLiteral("openings in the border ring: none\n");
    QStringList cells;
    for (const QPoint& p : openings) cells << QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
    return QStringLiteral("openings in the border ring (column,row counted from 1): %1: %2\n")
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
                ? QStringLiteral("start cell (column 24, row 27): wall - the hero starts inside a wall\n")
                : QStringLiteral("start cell (column 24, row 27): open\n");
    text += QStringLiteral("dot cells the hero can reach from the start cell: %1\n").arg(check.reachableDots);
    if (check.unreachableDots > 0) {
        text += QStringLiteral("warning: %1 dot cells cannot be reached from the start cell "
                               "(items placed there cannot be collected)\n")
                    .arg(check.unreachableDots);
    }
    for (const QString& note : check.notes()) text += QStringLiteral("note: %1\n").arg(note);
    return text;
}

}  // namespace

int runCheck(const QStringList& args, const DataFolders& folders) {
    const LevelCommandHelp help{
        QStringLiteral("check LEVEL"),
        QStringLiteral("Says whether the level picture LEVEL is playable: it needs at least\n"
                       "22 dot cells in columns and rows 2..49, a wall all round its border\n"
                       "ring, and at least one dot cell the hero can walk to from its start\n"
                       "cell (column 24, row 27). Also tells whether that cell is a wall and warns of dot\n"
                       "cells that cannot be reached.\n"
                       "Exit status: 0 playable, 1 not playable, 2 usage or read error.\n")};
    const LevelArgument level = parseLevelArgument(args, help, folders);
    if (level.exitNow) return *level.exitNow;
    const LevelReading loaded = loadLevelGrid(level.path);
    if (!loaded.picture.ok()) {
        printErr(loaded.picture.error + QLatin1Char('\n'));
        return kExitUsage;
    }
    printOut(report(level.path, loaded.check));
    return loaded.check.playable() ? kExitOk : kExitFailed;
}

}  // namespace krivol
