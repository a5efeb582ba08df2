#pragma once
// Level measurements shared by the sound suites: where in a stretch of 16-bit
// mono audio something can be heard, and how loud it is.
#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace krivol::test {

struct Span {
    double begin = 0.0;  // seconds
    double end = 0.0;
    double peakDb = -200.0;  // dB relative to full scale
    double length() const { return end - begin; }
};

inline std::vector<double> int16Samples(const QByteArray& pcm) {
    std::vector<double> out(static_cast<std::size_t>(pcm.size() / 2));
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::int16_t v = 0;
        std::memcpy(&v, pcm.constData() + 2 * i, 2);
        out[i] = v / 32768.0;
    }
    return out;
}

inline double toDb(double level) { return 20.0 * std::log10(std::max(level, 1e-10)); }

// 10 ms windows louder than `thresholdDb` RMS, merged across gaps shorter than `maxGap` s.
inline std::vector<Span> loudSpans(const std::vector<double>& s, int rate,
                                   double thresholdDb = -40.0, double maxGap = 0.1) {
    const std::size_t window = static_cast<std::size_t>(rate) / 100;
    std::vector<Span> spans;
    for (std::size_t at = 0; at + window <= s.size(); at += window) {
        double energy = 0.0;
        double peak = 0.0;
        for (std::size_t i = at; i < at + window; ++i) {
            energy += s[i] * s[i];
            peak = std::max(peak, std::abs(s[i]));
        }
        if (toDb(std::sqrt(energy / window)) < thresholdDb) continue;
        const double begin = static_cast<double>(at) / rate;
        const double end = static_cast<double>(at + window) / rate;
        if (spans.empty() || begin - spans.back().end >= maxGap) spans.push_back({begin, end});
        spans.back().end = end;
        spans.back().peakDb = std::max(spans.back().peakDb, toDb(peak));
    }
    return spans;
}

// How long something can be heard in all: the 10 ms windows louder than
// `thresholdDb` RMS, wherever they are. Gaps (a sound server catching up)
// do not count, so this compares a recording with its clip.
inline double loudSeconds(const std::vector<double>& s, int rate, double thresholdDb = -40.0) {
    double seconds = 0.0;
    for (const Span& span : loudSpans(s, rate, thresholdDb, 0.0)) seconds += span.length();
    return seconds;
}

inline double peakDb(const std::vector<double>& s) {
    double peak = 0.0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    return toDb(peak);
}

// The RMS level of the loudest 100 ms: how loud a short effect sounds.
inline double loudestDb(const std::vector<double>& s, int rate) {
    const std::size_t window = static_cast<std::size_t>(rate) / 10;
    const std::size_t step = window / 10;
    double best = 0.0;
    for (std::size_t at = 0; at + window <= s.size(); at += step) {
        double energy = 0.0;
        for (std::size_t i = at; i < at + window; ++i) energy += s[i] * s[i];
        best = std::max(best, energy / window);
    }
    return toDb(std::sqrt(best));
}

}  // namespace krivol::test
