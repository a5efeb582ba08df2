#pragma once
#include <QIODevice>
#include <QString>
#include <optional>

#include "files/regular_file.h"
#include "replay/record.h"

namespace krivol {

// A recording read and checked line by line (a line over 1 KiB or more than
// four million records is refused). `error`: nothing of it can be trusted,
// nothing is replayed; it names the line. `cutShort`: the file stops in the
// middle (a writer that was killed, a full disk); the records before are
// sound and play, the unfinished round up to its last known tick.
struct ReplayReading {
    Recording recording;
    QString error;
    FileProblem fileProblem;  // why the file could not be opened, when that was the error
    qint64 errorLine = 0;     // the line `error` names; 0 when it is of the whole file
    struct CutShort {
        qint64 cutLine = 0;  // the last line, cut off in the middle and ignored; 0 if whole
        int round = 0;       // the last round started
        bool unfinished = false;  // that round has no end line
        // The ticks known to have been played in the whole session (events in
        // a tick mean the one before it ran), and of those in `round`.
        long long lastTick = 0;
        long long roundTicks = 0;
    };
    std::optional<CutShort> cutShort;
};
ReplayReading readReplay(QIODevice& device);
// The recording at `path`, read through the game's one door for files.
ReplayReading readReplayFile(const QString& path);

// Where and why a cut recording stops, in one line without the file's name.
QString describe(const ReplayReading::CutShort& cut);
// What a replay shows where the recording stops in a round.
QString cutShortCaption();

}  // namespace krivol
