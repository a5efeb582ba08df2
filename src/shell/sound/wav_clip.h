#pragma once
#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <optional>

namespace krivol {

// A wave file's samples, decoded once and ready to hand to an audio sink.
struct WavClip {
    QAudioFormat format;
    QByteArray pcm;
};

// Integer PCM (8, 16, 32 bit) and 32-bit float, plain or extensible headers.
// A data chunk cut short by a dying writer is kept up to its last whole frame.
std::optional<WavClip> parseWav(const QByteArray& bytes);

// A sound effect lasts a second or two; a bigger file is skipped like a
// missing one, without reading it.
constexpr qint64 kMaxWavBytes = 16 * 1024 * 1024;
// Only a regular file of at most kMaxWavBytes; anything else gives nothing.
std::optional<WavClip> loadWav(const QString& path);

}  // namespace krivol
