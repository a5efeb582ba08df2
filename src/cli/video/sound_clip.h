#pragma once
#include <QByteArray>
#include <vector>

namespace krivol {

// A sound file's samples as the video's track takes them: one channel at
// kSampleRate, floats in [-1, 1]. Empty when FFmpeg cannot read it.
std::vector<float> decodeSound(const QByteArray& bytes);

}  // namespace krivol
