#pragma once
#include <QByteArray>
#include <QStringList>
#include <cstdint>

#include "state/game_state.h"

namespace krivol {

// FNV-1a 32-bit over FLD(x, y), x outer 0..50, y inner 0..50, each value as
// 16-bit two's complement, low byte first.
std::uint32_t fldHash(const Field& FLD);

// One JSON line of the play trace (without the newline).
QByteArray traceLine(const GameState& s, long long tick, int round, const QStringList& wav, bool setup);
QByteArray endLine(long long tick, int round, const char* end, std::int32_t score);

}  // namespace krivol
