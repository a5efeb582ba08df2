#include "cli/video/video_module.h"

#include "cli/video/video_run.h"

// The exported entry; its type is krivol::ReplayToVideo.
extern "C" Q_DECL_EXPORT int krivolReplayToVideo(const krivol::ReplayOptions& o, const krivol::ReplayReading& reading,
                                                 krivol::TraceOut& trace) {
    return krivol::replayToVideo(o, reading, trace);
}
