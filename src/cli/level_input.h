#pragma once
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "render/level_preview.h"
#include "state/data_folders.h"

namespace krivol {

// Usage of a command that takes one level file: its words and what it does.
struct LevelCommandHelp {
    QString synopsis;     // "grid LEVEL"
    QString description;  // a few lines, each ending in '\n'
};

// LEVEL as the user wrote it: a picture file, or a bare level number (1, 2,
// 3 ...) meaning KRIVOLnn.BMP found the way the game finds it.
QString levelFileFor(const QString& level, const DataFolders& folders);
// Says so under the options of every command that takes a LEVEL.
QString levelArgumentHelp();

// --levels DIR, shared by the commands that take a LEVEL.
QCommandLineOption levelsOption();
// Puts a given --levels DIR first in `folders`; an error when it is no folder.
QString applyLevelsOption(const QCommandLineParser& parser, const QCommandLineOption& levels,
                          DataFolders& folders);

// The LEVEL file of a command (options --help, --levels and the command's own
// `flags`), or the exit code to leave with at once (after --help, or after a
// reported usage error).
struct LevelArgument {
    QString path;
    std::optional<int> exitNow;
    QStringList flagsSet;  // the names of the `flags` given
};
LevelArgument parseLevelArgument(const QStringList& args, const LevelCommandHelp& help, DataFolders folders,
                                 const QList<QCommandLineOption>& flags = {});

// A level file read the way a round reads it: through the 52 x 52 preview box.
LevelReading loadLevelGrid(const QString& path);

}  // namespace krivol
