#include "mazegen/maze_command.h"

namespace krivol {

QString generateCommandLine(std::uint32_t seed, const MazeOptions& options, const QString& out) {
    QString line = QStringLiteral("krivol-cli generate --seed %1 --style %2").arg(seed).arg(mazeStyleName(options.style));
    // Left out, the loops follow the style, which a mixed maze only draws.
    if (options.loopsPercent != kStyleLoops) line += QStringLiteral(" --loops %1").arg(options.loopsPercent);
    return line + QStringLiteral(" --mirror %1 %2").arg(mirrorName(options.mirror), out);
}

}  // namespace krivol
