#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "shell/ui_language.h"

namespace krivol {

// What the game's command line asks for.
struct WindowOptions {
    std::optional<std::uint32_t> seed;  // none: the time of day
    QString levelsFolder;               // --levels DIR; empty when not given
    QString recordFile;                 // --record FILE
    QString replayFile;                 // --replay FILE
    bool edit = false;                  // --edit [FILE]: the level editor
    QString editFile;                   // its FILE; empty for a new level
    std::optional<UiLanguage> language; // --lang ru|en; none: the desktop's
};

// The options, or the exit code to leave with at once (after --help,
// --version or a reported usage error).
struct ParsedWindowOptions {
    WindowOptions options;
    std::optional<int> exitNow;
};

// Read before any window or display exists, so --help and --version work
// anywhere. Prints the help, the version and usage errors itself.
ParsedWindowOptions parseWindowOptions(const QStringList& arguments);

}  // namespace krivol
