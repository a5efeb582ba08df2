#include "cli/round_summary.h"

#include <QFileInfo>

namespace krivol {

QString summaryLine(const RoundSummary& s) {
    return QStringLiteral("round=%1 level=%2 end=%3 score=%4 ticks=%5\n")
        .arg(s.round)
        .arg(s.level, s.end)
        .arg(s.score)
        .arg(s.ticks);
}

RoundSummary summarize(const HeadlessRun& run, const QString& levelFile, RoundEnd end, const QString& stopped) {
    RoundSummary s;
    s.round = run.clock().round();
    s.level = QFileInfo(levelFile).fileName();
    s.end = end == RoundEnd::None ? stopped : QString::fromLatin1(roundEndName(end));
    s.score = run.state().SCORE;
    s.ticks = run.clock().roundTicks();
    return s;
}

}  // namespace krivol
