#pragma once
#include <QString>
#include <optional>

namespace krivol {

// What a file name's ending asks for: .mp4 plays nearly everywhere (H.264 +
// AAC), .webm in browsers and free players (VP9 + Opus).
struct VideoFormat {
    const char* muxer;
    const char* videoCodec;
    const char* audioCodec;
    // VP9's encoder holds frames of the whole picture: past scale 3 it needs
    // over 400 MB, and more with every step.
    int maxScale;
};

std::optional<VideoFormat> videoFormatFor(const QString& path);

// The track's pace: a picture every fourth tick of 10 ms, 25 a second; twice
// as many would halve the speed of making a video. The sound is at 48 kHz, so
// one picture spans 1920 samples, two Opus frames exactly.
constexpr int kFramesPerSecond = 25;
constexpr int kTicksPerFrame = 4;
constexpr int kSampleRate = 48000;
constexpr int kSamplesPerTick = kSampleRate / 100;
constexpr int kSamplesPerFrame = kSamplesPerTick * kTicksPerFrame;

}  // namespace krivol
