#include "cli/trace.h"

namespace krivol {

std::uint32_t fldHash(const Field& FLD) {
    std::uint32_t hash = 2166136261u;
    auto feed = [&hash](std::uint8_t byte) {
        hash ^= byte;
        hash *= 16777619u;
    };
    for (int x = 0; x <= kGridMax; ++x) {
        for (int y = 0; y <= kGridMax; ++y) {
            const auto value = static_cast<std::uint16_t>(FLD(x, y));
            feed(static_cast<std::uint8_t>(value & 0xFF));
            feed(static_cast<std::uint8_t>(value >> 8));
        }
    }
    return hash;
}

namespace {

template <typename Container>
void appendArray(QByteArray& out, const Container& values, std::initializer_list<int> indexes) {
    out += '[';
    bool first = true;
    for (int i : indexes) {
        if (!first) out += ',';
        first = false;
        out += QByteArray::number(values[static_cast<size_t>(i)]);
    }
    out += ']';
}

void appendGhosts(QByteArray& out, const GameState& s) {
    out += "\"ghosts\":[";
    for (int n = 1; n <= s.K0G && n <= kGhostSlots; ++n) {
        if (n > 1) out += ',';
        appendArray(out, s.GHOST[static_cast<size_t>(n)], {0, 1, 2, 3, 4, 5, 6, 7, 10});
    }
    out += "],";
}

void appendWav(QByteArray& out, const QStringList& wav) {
    out += "\"wav\":[";
    for (qsizetype i = 0; i < wav.size(); ++i) {
        if (i > 0) out += ',';
        out += '"' + wav[i].toUtf8() + '"';  // the four names need no escaping
    }
    out += "],";
}

}  // namespace

QByteArray traceLine(const GameState& s, long long tick, int round, const QStringList& wav, bool setup) {
    QByteArray out;
    out.reserve(512 + 48 * s.K0G);
    out += "{\"t\":" + QByteArray::number(tick) + ",\"r\":" + QByteArray::number(round);
    if (setup) out += ",\"setup\":true";
    out += ",\"hero\":";
    appendArray(out, s.HERO, {1, 2, 3, 4, 5, 6});
    out += ",\"ux\":" + QByteArray::number(s.UX) + ",\"uy\":" + QByteArray::number(s.UY);
    out += ",\"k0b\":" + QByteArray::number(s.K0B) + ",\"k0g\":" + QByteArray::number(s.K0G);
    out += ",\"k0p\":" + QByteArray::number(s.K0P) + ",\"score\":" + QByteArray::number(s.SCORE);
    out += ",\"plama\":" + QByteArray::number(s.PLAMA) + ",\"ttg\":" + QByteArray::number(s.TTG);
    out += ",\"g_over\":" + QByteArray::number(s.g_over) + ",\"shot\":";
    appendArray(out, s.SHOT, {0, 1, 2, 3, 4, 5, 6});
    out += ',';
    appendGhosts(out, s);
    appendWav(out, wav);
    out += "\"fld\":\"" + QByteArray::number(fldHash(s.FLD), 16).rightJustified(8, '0') + "\"}";
    return out;
}

QByteArray endLine(long long tick, int round, const char* end, std::int32_t score) {
    return "{\"t\":" + QByteArray::number(tick) + ",\"r\":" + QByteArray::number(round) + ",\"end\":\"" +
           end + "\",\"score\":" + QByteArray::number(score) + "}";
}

}  // namespace krivol
