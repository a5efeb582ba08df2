#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "replay/record.h"

namespace krivol {

// The replay file: UTF-8 text, one record a line, '#' starts a comment.
//   krivol-replay 1
//   seed SEED
//   level ROUND TICK INDEX            a level option clicked
//   key ROUND TICK down|up CODE       what reached the key handlers
//   start ROUND TICK FILE SHA256      a start that began a round
//   end ROUND OUTCOME SCORE TICKS     victory|defeat|victory+defeat|closed
constexpr int kReplayVersion = 1;

// The first lines of a recording: format, version and seed.
QByteArray replayHeader(std::uint32_t seed);
// One record as a whole line, its line break included.
QByteArray replayLine(const Record& record);

}  // namespace krivol
