// Synthesises the game's four sound effects into the folder named on the command
// line, so no binary audio has to live in the source tree. Output is deterministic:
// the same build always writes the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace krivol {
namespace {

constexpr int kRate = 22050;
constexpr double kMaxPeak = 0.708;  // -3 dBFS leaves headroom for the mixer
constexpr double kFadeIn = 0.004;   // seconds; long enough to avoid a click
constexpr double kFadeOut = 0.012;
constexpr double kTau = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

Samples silence(double seconds) {
    return Samples(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0);
}

double timeAt(std::size_t i) { return static_cast<double>(i) / kRate; }

// xorshift32: tiny, fixed seed, identical on every platform.
class Noise {
public:
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_ = 0x4b52564cu;
};

// One bell-like note added into `out`, starting at `start` seconds.
void addBell(Samples& out, double start, double freq, double decay) {
    const auto first = static_cast<std::size_t>(std::lround(start * kRate));
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = timeAt(i - first);
        const double attack = std::min(1.0, t / 0.003);
        const double env = attack * std::exp(-t / decay);
        const double ph = kTau * freq * t;
        out[i] += env * (std::sin(ph) + 0.3 * std::sin(2.0 * ph) + 0.08 * std::sin(3.0 * ph));
    }
}

// Bonus: a quick rising C major arpeggio, the last note ringing a little longer.
Samples bonusChime() {
    Samples s = silence(0.32);
    addBell(s, 0.00, 1046.5, 0.05);
    addBell(s, 0.07, 1318.5, 0.05);
    addBell(s, 0.14, 1568.0, 0.08);
    return s;
}

// Ghost arrival: two slightly detuned voices gliding down an octave with vibrato,
// the beating between them gives the unsteady, hollow sound.
Samples ghostArrival() {
    Samples s = silence(0.5);
    double phaseA = 0.0;
    double phaseB = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeAt(i);
        const double vibrato = 1.0 + 0.035 * std::sin(kTau * 7.0 * t);
        const double freq = 660.0 * std::pow(0.5, t / 0.5) * vibrato;
        phaseA += kTau * freq / kRate;
        phaseB += kTau * freq * 1.011 / kRate;
        const double env = std::min(1.0, t / 0.06) * std::min(1.0, (0.5 - t) / 0.15);
        s[i] = env * (std::sin(phaseA) + 0.7 * std::sin(phaseB) + 0.15 * std::sin(3.0 * phaseA));
    }
    return s;
}

// Ghost hit: a soft-clipped tone sweeping steeply down, over a click of noise.
Samples ghostHit() {
    Samples s = silence(0.28);
    Noise noise;
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeAt(i);
        const double freq = 1800.0 * std::pow(120.0 / 1800.0, t / 0.28);
        phase += kTau * freq / kRate;
        const double zap = std::tanh(3.0 * std::sin(phase)) * std::exp(-t / 0.12);
        const double pop = noise.next() * std::exp(-t / 0.008);
        s[i] = zap + 0.8 * pop;
    }
    return s;
}

// Explosion: noise through a low-pass whose cut-off falls as the blast dies away,
// over a low rumble.
Samples explosion() {
    Samples s = silence(1.0);
    Noise noise;
    double low1 = 0.0;
    double low2 = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeAt(i);
        const double cutoff = 200.0 + 3200.0 * std::exp(-t / 0.15);
        const double k = 1.0 - std::exp(-kTau * cutoff / kRate);
        low1 += k * (noise.next() - low1);
        low2 += k * (low1 - low2);
        const double rumble = std::sin(kTau * 48.0 * t) + 0.6 * std::sin(kTau * 63.0 * t);
        const double env = std::min(1.0, t / 0.005) * std::exp(-t / 0.42);
        s[i] = std::tanh(2.0 * env * (3.0 * low2 + 0.5 * rumble));  // saturate for punch
    }
    return s;
}

void fadeEdges(Samples& s) {
    const double inLen = kFadeIn * kRate;
    const double outLen = kFadeOut * kRate;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double fromEnd = static_cast<double>(s.size() - 1 - i);
        s[i] *= std::min({1.0, static_cast<double>(i) / inLen, fromEnd / outLen});
    }
}

// RMS of the loudest 100 ms: how loud a short effect sounds, where a peak
// says little (a click and a roar can share one).
double loudest(const Samples& s) {
    const std::size_t window = kRate / 10;
    double best = 0.0;
    for (std::size_t at = 0; at + window <= s.size(); at += window / 10) {
        double energy = 0.0;
        for (std::size_t i = at; i < at + window; ++i) energy += s[i] * s[i];
        best = std::max(best, energy / static_cast<double>(window));
    }
    return std::sqrt(best);
}

std::vector<std::int16_t> toPcm(Samples s, double loudnessDb) {
    fadeEdges(s);
    double peak = 0.0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    const double level = loudest(s);
    const double gain = level > 0.0 ? std::min(std::pow(10.0, loudnessDb / 20.0) / level, kMaxPeak / peak) : 0.0;
    std::vector<std::int16_t> pcm;
    pcm.reserve(s.size());
    for (double v : s) pcm.push_back(static_cast<std::int16_t>(std::lround(v * gain * 32767.0)));
    return pcm;
}

void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b) out.put(static_cast<char>((value >> (8 * b)) & 0xFFu));
}

bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);            // fmt chunk size
    putLe(out, 1, 2);             // PCM
    putLe(out, 1, 2);             // mono
    putLe(out, kRate, 4);
    putLe(out, kRate * 2, 4);     // byte rate
    putLe(out, 2, 2);             // block align
    putLe(out, 16, 2);            // bits per sample
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (std::int16_t v : pcm) putLe(out, static_cast<std::uint16_t>(v), 2);
    out.close();
    return !out.fail();
}

int run(const std::filesystem::path& folder) {
    struct Effect {
        std::filesystem::path name;
        Samples (*make)();
        double loudnessDb;  // of the loudest 100 ms
    };
    // The more often a sound plays, the quieter it is.
    const Effect effects[] = {
        {"b.WAV", bonusChime, -18.0},                               // every bonus
        {"g.WAV", ghostArrival, -14.0},                             // every 500 ticks
        {"die.wav", ghostHit, -10.0},                               // a ghost shot
        {std::filesystem::path(u8"взрыв.wav"), explosion, -6.0},  // once a lost round
    };
    for (const Effect& e : effects) {
        const std::filesystem::path path = folder / e.name;
        if (!writeWav(path, toPcm(e.make(), e.loudnessDb))) {
            std::cerr << "krivol-wavgen: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}

}  // namespace
}  // namespace krivol

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: krivol-wavgen <output folder>\n";
        return 2;
    }
    return krivol::run(argv[1]);
}
