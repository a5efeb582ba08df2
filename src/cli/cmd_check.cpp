#include <QCommandLineOption>
#include <QStringList>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/level_input.h"
#include "state/level_stats.h"

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
    text += QStringLiteral("dot cells in columns and rows 2..49: %1 (at least %2 needed)\n")
                .arg(check.dots)
                .arg(kDotsNeeded);
    text += openingsLine(check.openings);
    text += QStringLiteral("start cell (column %1, row %2): %3\n")
                .arg(kHeroStartCell.x())
                .arg(kHeroStartCell.y())
                .arg(check.startIsWall ? QStringLiteral("wall - the hero starts inside a wall") : QStringLiteral("open"));
    text += QStringLiteral("dot cells the hero can reach from the start cell: %1\n").arg(check.reachableDots);
    if (check.unreachableDots > 0) {
        text += QStringLiteral("warning: %1 dot cells cannot be reached from the start cell "
                               "(items placed there cannot be collected)\n")
                    .arg(check.unreachableDots);
    }
    for (const QString& note : check.notes()) text += QStringLiteral("note: %1\n").arg(note);
    return text;
}

// One figure a line, in the order and words a player compares levels by.
QString statsReport(const LevelStats& stats) {
    const int mean = stats.meanRunTenths();
    return QStringLiteral("dead ends: %1\n"
                          "mean run: %2.%3\n"
                          "90th percentile run: %4\n"
                          "islands: %5\n"
                          "pillars: %6\n"
                          "thickest double wall: %7 %\n")
        .arg(stats.deadEnds)
        .arg(mean / 10)
        .arg(mean % 10)
        .arg(stats.run90)
        .arg(stats.islands)
        .arg(stats.pillars)
        .arg(stats.doubleWallPercent);
}

}  // namespace

int runCheck(const QStringList& args, const DataFolders& folders) {
    const LevelCommandHelp help{
        QStringLiteral("check [--stats] LEVEL"),
        QStringLiteral("Says whether the level picture LEVEL is playable: it needs at least\n"
                       "%1 dot cells in columns and rows 2..49, a wall all round its border\n"
                       "ring, and at least one dot cell the hero can walk to from its start\n"
                       "cell (column %2, row %3). Also tells whether that cell is a wall and warns of dot\n"
                       "cells that cannot be reached.\n"
                       "--stats adds the figures that tell a maze's character: dead ends;\n"
                       "the mean and 90th percentile length of the straight corridor runs\n"
                       "(2 cells or more); islands, wall pieces not joined to the border\n"
                       "ring, and pillars, islands of at most 4 cells; and the thickest\n"
                       "double wall, the most two neighbouring rows or columns inside the\n"
                       "ring are both wall side by side, in percent of their length.\n"
                       "Exit status: 0 playable, 1 not playable, 2 usage or read error.\n")
            .arg(kDotsNeeded)
            .arg(kHeroStartCell.x())
            .arg(kHeroStartCell.y())};
    const QCommandLineOption stats{QStringLiteral("stats"), QStringLiteral("Also print the maze's figures.")};
    const LevelArgument level = parseLevelArgument(args, help, folders, {stats});
    if (level.exitNow) return *level.exitNow;
    const LevelReading loaded = loadLevelGrid(level.path);
    if (!loaded.picture.ok()) {
        printErr(loaded.picture.error + QLatin1Char('\n'));
        return kExitUsage;
    }
    QString text = report(level.path, loaded.check);
    if (!level.flagsSet.isEmpty()) text += statsReport(levelStats(loaded.FLD));
    printOut(text);
    return loaded.check.playable() ? kExitOk : kExitFailed;
}

}  // namespace krivol
