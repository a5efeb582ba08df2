#include "shell/sound/wav_clip.h"


#include <algorithm>

#include "files/regular_file.h"

namespace krivol {

namespace {

constexpr quint16 kTagPcm = 1;
constexpr quint16 kTagFloat = 3;
constexpr quint16 kTagExtensible = 0xFFFE;

quint32 littleEndian(const QByteArray& bytes, qsizetype at, int width) {
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

QAudioFormat::SampleFormat sampleFormat(quint16 tag, quint32 bits) {
    if (tag == kTagPcm && bits == 8) return QAudioFormat::UInt8;
    if (tag == kTagPcm && bits == 16) return QAudioFormat::Int16;
    if (tag == kTagPcm && bits == 32) return QAudioFormat::Int32;
    if (tag == kTagFloat && bits == 32) return QAudioFormat::Float;
    return QAudioFormat::Unknown;
}

// The "fmt " chunk body at `at`, `size` bytes long.
std::optional<QAudioFormat> parseFormat(const QByteArray& bytes, qsizetype at, qsizetype size) {
    if (size < 16) return std::nullopt;
    auto tag = static_cast<quint16>(littleEndian(bytes, at, 2));
    if (tag == kTagExtensible && size >= 26) tag = static_cast<quint16>(littleEndian(bytes, at + 24, 2));
    const quint32 channels = littleEndian(bytes, at + 2, 2);
    const quint32 rate = littleEndian(bytes, at + 4, 4);
    const auto sample = sampleFormat(tag, littleEndian(bytes, at + 14, 2));
    if (sample == QAudioFormat::Unknown || channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
        return std::nullopt;
    QAudioFormat format;
    format.setSampleFormat(sample);
    format.setChannelCount(static_cast<int>(channels));
    format.setSampleRate(static_cast<int>(rate));
    return format;
}

}  // namespace

std::optional<WavClip> parseWav(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return std::nullopt;
    std::optional<QAudioFormat> format;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype body = at + 8;
        const qsizetype size = std::min<qsizetype>(littleEndian(bytes, at + 4, 4), bytes.size() - body);
        if (id == "fmt ") {
            format = parseFormat(bytes, body, size);
            if (!format) return std::nullopt;
        } else if (id == "data") {
            if (!format) return std::nullopt;
            const qsizetype usable = size - size % format->bytesPerFrame();
            if (usable == 0) return std::nullopt;
            return WavClip{*format, bytes.mid(body, usable)};
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return std::nullopt;
}

std::optional<WavClip> loadWav(const QString& path) {
    QByteArray bytes;
    if (readRegularFile(path, kMaxWavBytes, bytes)) return std::nullopt;
    return parseWav(bytes);
}

}  // namespace krivol
