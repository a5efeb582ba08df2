#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "round/round.h"

namespace krivol {

// How a recorded round ended; `closed`: the window was closed while it ran.
enum class Outcome { victory, defeat, victoryAndDefeat, closed };
// A round that has not ended when its outcome is taken was closed.
Outcome outcomeOf(RoundEnd end);

const char* outcomeName(Outcome outcome);
std::optional<Outcome> outcomeFromName(const QByteArray& name);

// One line of a recording. Every kind but `end` takes effect in the event
// step of `tick` (a count across the session's rounds, as in play's keys
// file) of round `round`; while no round runs that is the next round's first
// tick.
struct Record {
    enum class Kind { keyDown, keyUp, level, start, end };
    Kind kind = Kind::keyDown;
    int round = 0;
    long long tick = 0;  // end: the last tick the round played
    int value = 0;       // key code, or the level option's index
    // start: the level file's name as the game looked it up, and the
    // SHA-256 of its bytes
    QString level;
    QByteArray sha256;
    // end
    Outcome outcome = Outcome::victory;
    std::int32_t score = 0;
    long long ticks = 0;  // played in that round
    qint64 line = 0;      // where the reader found it
};

struct Recording {
    std::uint32_t seed = 0;
    std::vector<Record> records;  // in the order they happened
};

}  // namespace krivol
