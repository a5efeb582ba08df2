#pragma once
#include <QString>
#include <set>

#include "cli/headless_run.h"
#include "replay/replay_reader.h"
#include "state/data_folders.h"

namespace krivol {

// A recording's level choices and keys, each in the event step it was
// recorded for.
class ReplayFeed : public EventFeed {
public:
    ReplayFeed(const std::vector<Record>& records, DataFolders folders)
        : records_(records), folders_(std::move(folders)) {}
    void eventStep(long long tick, Game& game) override;
    // What happened while no round ran, up to the start at `index`.
    void applyBefore(size_t index, Game& game);

private:
    void apply(const Record& r, Game& game);

    const std::vector<Record>& records_;
    DataFolders folders_;
    size_t next_ = 0;
};

struct ReplayOptions {
    QString file;
    DataFolders folders;  // where the recorded level files are looked up
    QString traceFile;
    QString framePng;
    bool verify = false;
    QString videoFile;
    std::set<int> rounds;  // of the video and the check; empty: all
    int scale = 2;
};

int countRounds(const ReplayReading& reading);
// Why --rounds asks for more rounds than the recording holds, or empty.
QString checkRoundsExist(const ReplayOptions& o, const ReplayReading& reading);

// Replays a recording headless: one summary line per round on standard
// output (unless the trace goes there), every problem in one line on stderr.
// Returns the exit code. `watcher`, if any, sees every tick.
int replayRecording(const ReplayOptions& o, const ReplayReading& reading, TraceOut& trace,
                    TickWatcher* watcher = nullptr);

}  // namespace krivol
