#include <QStringList>

#include "state/level.h"

namespace krivol {

namespace {

constexpr int kDotsNeeded = 22;    // 20 bonus items and 2 ammo items
constexpr int kOpeningsNamed = 5;  // enough to find them in a paint program

bool onBorder(int x, int y) { return x == 1 || y == 1 || x == kGridMax || y == kGridMax; }

QString describeOpenings(const std::vector<QPoint>& openings) {
    QStringList named;
    for (const QPoint& p : openings) {
        if (named.size() == kOpeningsNamed) break;
        named << QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
    }
    QString text = QStringLiteral("open border at ") + named.join(QStringLiteral(", "));
    const auto rest = static_cast<qsizetype>(openings.size()) - named.size();
    if (rest > 0) text += QStringLiteral(" and %1 more").arg(rest);
    return text + QStringLiteral(" (%1 walkable cells on the outer ring)").arg(openings.size());
}

}  // namespace

LevelCheck checkLevel(const Field& FLD) {
    LevelCheck check;
    for (int x = 1; x <= kGridMax; ++x) {
        for (int y = 1; y <= kGridMax; ++y) {
            const Integer code = FLD(x, y);
            if (onBorder(x, y)) {
                if (code != cell::kWall) check.openings.emplace_back(x, y);
            } else if (code == cell::kDot) {
                ++check.dots;
            }
        }
    }
    check.startIsWall = FLD(24, 27) == cell::kWall;
    return check;
}

QString LevelCheck::reason() const {
    QStringList parts;
    if (dots < kDotsNeeded) {
        parts << QStringLiteral("only %1 dot cells in columns and rows 2..49 (at least %2 needed)")
                     .arg(dots)
                     .arg(kDotsNeeded);
    }
    if (!openings.empty()) parts << describeOpenings(openings);
    return parts.join(QStringLiteral("; "));
}

}  // namespace krivol
