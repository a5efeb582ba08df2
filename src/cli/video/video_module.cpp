#include <memory>

#include "cli/video/video_recorder.h"

// The exported entry; its type is krivol::MakeVideoWriter.
extern "C" Q_DECL_EXPORT krivol::VideoWriter* krivolMakeVideoWriter(const krivol::VideoSettings& settings,
                                                                    QString& error) {
    auto recorder = std::make_unique<krivol::VideoRecorder>(settings.sounds);
    error = recorder->open(settings);
    return error.isEmpty() ? recorder.release() : nullptr;
}
