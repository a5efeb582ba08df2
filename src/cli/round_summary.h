#pragma once
#include <QString>
#include <cstdint>

#include "cli/headless_run.h"

namespace krivol {

// The line `play` and `replay` print for every round they played:
// "round=1 level=KRIVOL01.BMP end=victory score=2345 ticks=1234".
struct RoundSummary {
    int round = 0;
    QString level;  // the file's name, without its folder
    QString end;    // victory, defeat, victory+defeat, or why it stopped
    std::int32_t score = 0;
    long long ticks = 0;  // played in this round
};
QString summaryLine(const RoundSummary& summary);

// The summary of the round the run played last; `stopped` names an end the
// game did not reach itself.
RoundSummary summarize(const HeadlessRun& run, const QString& levelFile, RoundEnd end, const QString& stopped);

}  // namespace krivol
