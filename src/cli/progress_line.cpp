#include "cli/progress_line.h"

#include <unistd.h>

#include <algorithm>

#include "cli/cli_io.h"

namespace krivol {

ProgressLine::ProgressLine(long long totalTicks, int totalRounds)
    : terminal_(::isatty(STDERR_FILENO) == 1), total_(std::max(totalTicks, 1LL)), rounds_(totalRounds) {}

void ProgressLine::tick(int roundShown, long long ticksDone) {
    const int percent = static_cast<int>(std::min(100LL, ticksDone * 100 / total_));
    if (!terminal_ || (percent == lastPercent_ && onLine_)) return;
    lastPercent_ = percent;
    onLine_ = true;
    printErr(QStringLiteral("\rvideo: round %1 of %2, %3%").arg(roundShown).arg(rounds_).arg(percent));
}

void ProgressLine::endLine() {
    if (onLine_) printErr(QStringLiteral("\n"));
    onLine_ = false;
}

}  // namespace krivol
