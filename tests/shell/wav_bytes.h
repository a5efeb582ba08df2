#pragma once
// Wave files built byte by byte, for the sound suites.
#include <QByteArray>

#include <cmath>
#include <vector>

namespace krivol::test {

inline QByteArray le(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

inline QByteArray chunk(const char* id, const QByteArray& body, qsizetype claimed = -1) {
    QByteArray out = QByteArray(id, 4) + le(claimed < 0 ? body.size() : claimed, 4) + body;
    if (body.size() % 2) out.append('\0');
    return out;
}

inline QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 align = static_cast<quint16>(channels * bits / 8);
    return le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) + le(bits, 2);
}

inline QByteArray riff(const QByteArray& chunks) { return "RIFF" + le(4 + chunks.size(), 4) + "WAVE" + chunks; }

// A mono 16-bit file of the given samples (full scale = 1.0).
inline QByteArray monoWav(const std::vector<double>& samples, quint32 rate) {
    QByteArray pcm;
    for (double s : samples) pcm += le(static_cast<quint16>(static_cast<qint16>(std::lround(s * 32767.0))), 2);
    return riff(chunk("fmt ", fmtBody(1, 1, rate, 16)) + chunk("data", pcm));
}

}  // namespace krivol::test
