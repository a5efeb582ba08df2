#pragma once
#include <QIODevice>
#include <QString>
#include <optional>

#include "replay/record.h"

namespace krivol {

// A recording read and checked line by line (a line over 1 KiB or more than
// four million records is refused). `error`: nothing of it can be trusted,
// nothing is replayed; it names the line. `cutShort`: the file stops in the
// middle (a writer that was killed); the records before are sound.
struct ReplayReading {
    Recording recording;
    QString error;
    struct CutShort {
        QString why;
        // The last round has no end line: the ticks known to have been played
        // in the whole session (events in a tick mean the one before it ran).
        long long lastTick = 0;
    };
    std::optional<CutShort> cutShort;
};
ReplayReading readReplay(QIODevice& device);

}  // namespace krivol
