#pragma once
#include "cli/replay_run.h"

namespace krivol {

// Replays the recording into the video o.videoFile, written beside and
// renamed only once it is whole; the pictures and sound come from the video
// module. Every problem in one line; the exit code.
int replayToVideo(const ReplayOptions& o, const ReplayReading& reading, TraceOut& trace);

}  // namespace krivol
