#pragma once
#include "cli/replay_run.h"
#include "cli/trace_out.h"

namespace krivol {

// Videos live in a module of their own (krivol-video.so), so that only
// `replay --video` loads FFmpeg's libraries and every other command starts
// without them. This is its one entry point: replayToVideo.
using ReplayToVideo = int (*)(const ReplayOptions& o, const ReplayReading& reading, TraceOut& trace);
inline constexpr char kReplayToVideoSymbol[] = "krivolReplayToVideo";

}  // namespace krivol
