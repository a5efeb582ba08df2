#pragma once
#include <QPoint>
#include <QString>
#include <array>
#include <optional>

#include "state/cell_codes.h"

namespace krivol {

// Symmetry about the middle of the field: column x mirrors to 51 - x, row y
// to 51 - y. No cell is its own image, so the images never coincide.
enum class Mirror { none, leftRight, topBottom, both };

struct MirrorImages {
    std::array<QPoint, 4> cells{};
    int count = 0;
    const QPoint* begin() const { return cells.data(); }
    const QPoint* end() const { return cells.data() + count; }
};

inline constexpr int mirrored(int c) { return kGridMax + 1 - c; }

// The cell itself first, then its images under `mirror`.
inline MirrorImages mirrorImages(QPoint cell, Mirror mirror) {
    MirrorImages images;
    images.cells[images.count++] = cell;
    const bool lr = mirror == Mirror::leftRight || mirror == Mirror::both;
    const bool tb = mirror == Mirror::topBottom || mirror == Mirror::both;
    if (lr) images.cells[images.count++] = {mirrored(cell.x()), cell.y()};
    if (tb) images.cells[images.count++] = {cell.x(), mirrored(cell.y())};
    if (lr && tb) images.cells[images.count++] = {mirrored(cell.x()), mirrored(cell.y())};
    return images;
}

// The names the command line uses: none, lr, tb, both.
inline QString mirrorName(Mirror mirror) {
    switch (mirror) {
    case Mirror::none: return QStringLiteral("none");
    case Mirror::leftRight: return QStringLiteral("lr");
    case Mirror::topBottom: return QStringLiteral("tb");
    case Mirror::both: return QStringLiteral("both");
    }
    return {};
}

inline std::optional<Mirror> mirrorFromName(const QString& name) {
    for (Mirror m : {Mirror::none, Mirror::leftRight, Mirror::topBottom, Mirror::both})
        if (name == mirrorName(m)) return m;
    return std::nullopt;
}

}  // namespace krivol
