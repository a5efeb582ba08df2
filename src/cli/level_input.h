#pragma once
#include <QString>
#include <QStringList>
#include <optional>

#include "render/level_preview.h"

namespace krivol {

// Usage of a command that takes one level file: its words and what it does.
struct LevelCommandHelp {
    QString synopsis;     // "grid LEVEL"
    QString description;  // a few lines, each ending in '\n'
};

// The LEVEL path of a command, or the exit code to leave with at once
// (after --help, or after a usage error that has been reported).
struct LevelArgument {
    QString path;
    std::optional<int> exitNow;
};
LevelArgument parseLevelArgument(const QStringList& args, const LevelCommandHelp& help);

// A level file read the way a round reads it: through the 52 x 52 preview box.
LevelReading loadLevelGrid(const QString& path);

}  // namespace krivol
