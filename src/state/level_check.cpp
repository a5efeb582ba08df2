#include <QStringList>
#include <array>
#include <vector>

#include "state/level.h"

namespace krivol {

namespace {

constexpr QPoint kStart = kHeroStartCell;

bool onBorder(int x, int y) { return x == 1 || y == 1 || x == kGridMax || y == kGridMax; }

}  // namespace

// The hero walks out of a start cell that is a wall, so it counts as open.
CellMarks reachableFromStart(const Field& FLD) {
    CellMarks seen{};
    std::vector<QPoint> todo{kStart};
    seen[kStart.x()][kStart.y()] = true;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + step;
            if (n.x() < 1 || n.y() < 1 || n.x() > kGridMax || n.y() > kGridMax) continue;
            if (seen[n.x()][n.y()] || FLD(n.x(), n.y()) == cell::kWall) continue;
            seen[n.x()][n.y()] = true;
            todo.push_back(n);
        }
    }
    return seen;
}

namespace {

QString describeOpenings(const LevelCheck& check) {
    QString text = QStringLiteral("open border at ") + namedOpenings(check.openings);
    const auto rest = static_cast<qsizetype>(check.openings.size()) - kOpeningsNamed;
    if (rest > 0) text += QStringLiteral(" and %1 more").arg(rest);
    text += QStringLiteral(" (column,row counted from 1; %1 walkable cells on the outer ring)").arg(check.openings.size());
    if (check.picture.width() > kGridMax || check.picture.height() > kGridMax) {
        text += QStringLiteral("; only the top-left 50 x 50 pixels of this %1 x %2 picture count, "
                               "so their outer ring must be black")
                    .arg(check.picture.width())
                    .arg(check.picture.height());
    }
    return text;
}

}  // namespace

QString cellName(QPoint cell) { return QStringLiteral("column %1, row %2").arg(cell.x()).arg(cell.y()); }

QString namedOpenings(const std::vector<QPoint>& openings) {
    QStringList named;
    for (const QPoint& p : openings) {
        if (named.size() == kOpeningsNamed) break;
        named << QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
    }
    return named.join(QStringLiteral(", "));
}

LevelCheck checkLevel(const Field& FLD, QSize picture) {
    LevelCheck check;
    check.picture = picture;
    const auto seen = reachableFromStart(FLD);
    for (int x = 1; x <= kGridMax; ++x) {
        for (int y = 1; y <= kGridMax; ++y) {
            const Integer code = FLD(x, y);
            if (onBorder(x, y) && code != cell::kWall) check.openings.emplace_back(x, y);
            if (code != cell::kDot) continue;
            ++check.whiteCells;
            if (!onBorder(x, y)) ++check.dots;
            ++(seen[x][y] ? check.reachableDots : check.unreachableDots);
        }
    }
    check.startIsWall = FLD(kStart.x(), kStart.y()) == cell::kWall;
    return check;
}

QString LevelCheck::reason() const {
    QStringList parts;
    if (dots < kDotsNeeded) {
        parts << QStringLiteral("only %1 dot cells in columns and rows 2..49 (at least %2 needed)")
                     .arg(dots)
                     .arg(kDotsNeeded);
    }
    if (whiteCells == 0) {
        parts << QStringLiteral("the picture has no pure white pixel: only pure white (#FFFFFF) "
                                "is corridor and pure black (#000000) is wall");
    }
    if (!openings.empty()) parts << describeOpenings(*this);
    if (whiteCells > 0 && reachableDots == 0) {
        parts << QStringLiteral("no dot cell can be reached from the hero's start cell (%1)").arg(cellName(kStart));
    }
    // Near colours are the likely cause of any fault above, so they come with it.
    if (!parts.isEmpty()) parts << notes();
    return parts.join(QStringLiteral("; "));
}

QStringList LevelCheck::notes() const {
    QStringList found;
    if (near.black + near.white > 0) {
        found << QStringLiteral("%1 pixels are nearly but not exactly black and %2 nearly but not exactly white, "
                                "and the game reads them as empty floor; a lossy format such as JPEG is the likely "
                                "cause: save levels as BMP or PNG")
                     .arg(near.black)
                     .arg(near.white);
    }
    if (smallerThanField()) {
        found << QStringLiteral("the picture is only %1 x %2 pixels: the game reads the cells beyond it, up to "
                                "column and row 50, as wall")
                     .arg(picture.width())
                     .arg(picture.height());
    }
    return found;
}

}  // namespace krivol
