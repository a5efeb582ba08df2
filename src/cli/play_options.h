#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "state/data_folders.h"

namespace krivol {

struct PlayOptions {
    QString level;  // the file, a level number already looked up
    std::uint32_t seed = 0;
    QString keysFile;
    std::optional<long long> ticks;  // stop after this tick
    int rounds = 1;
    QString traceFile;  // "-" is standard output; empty: no trace
    QString framePng;
    DataFolders folders;  // with --levels first when given
};

// The options of `play`, or the exit code to leave with (after --help or a
// reported usage error).
struct ParsedPlay {
    PlayOptions options;
    std::optional<int> exitNow;
};
ParsedPlay parsePlayOptions(const QStringList& args, const DataFolders& folders);

}  // namespace krivol
