#include "editor/shapes.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace krivol {

namespace {

using Marks = std::array<std::array<bool, kGridMax + 1>, kGridMax + 1>;

}  // namespace

Cells lineCells(QPoint a, QPoint b) {
    const int dx = std::abs(b.x() - a.x()), dy = std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
    // One axis at a time, so consecutive cells share a side: a corridor
    // drawn this way can be walked, and a wall has no diagonal gap.
    Cells cells{a};
    QPoint p = a;
    for (int ix = 0, iy = 0; ix < dx || iy < dy;) {
        if ((1 + 2 * ix) * dy < (1 + 2 * iy) * dx) {
            p.rx() += sx;
            ++ix;
        } else {
            p.ry() += sy;
            ++iy;
        }
        cells.push_back(p);
    }
    return cells;
}

Cells rectangleCells(QPoint a, QPoint b, bool filled) {
    const int left = std::min(a.x(), b.x()), right = std::max(a.x(), b.x());
    const int top = std::min(a.y(), b.y()), bottom = std::max(a.y(), b.y());
    Cells cells;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (filled || x == left || x == right || y == top || y == bottom) cells.emplace_back(x, y);
    return cells;
}

Cells floodCells(const Field& FLD, QPoint at) {
    if (!onField(at)) return {};
    const Integer code = FLD(at.x(), at.y());
    Marks seen{};
    Cells cells{at}, todo{at};
    seen[at.x()][at.y()] = true;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + step;
            if (!onField(n) || seen[n.x()][n.y()] || FLD(n.x(), n.y()) != code) continue;
            seen[n.x()][n.y()] = true;
            cells.push_back(n);
            todo.push_back(n);
        }
    }
    return cells;
}

Cells withMirrorImages(const Cells& cells, Mirror mirror) {
    Marks seen{};
    Cells out;
    out.reserve(cells.size() * 4);
    for (const QPoint& c : cells) {
        for (const QPoint& image : mirrorImages(c, mirror)) {
            if (!onField(image) || seen[image.x()][image.y()]) continue;
            seen[image.x()][image.y()] = true;
            out.push_back(image);
        }
    }
    return out;
}

QString toolName(Tool tool) {
    switch (tool) {
    case Tool::pen: return QCoreApplication::translate("Editor", "Карандаш");
    case Tool::line: return QCoreApplication::translate("Editor", "Линия");
    case Tool::rectangle: return QCoreApplication::translate("Editor", "Рамка");
    case Tool::filledRectangle: return QCoreApplication::translate("Editor", "Прямоугольник");
    case Tool::fill: return QCoreApplication::translate("Editor", "Заливка");
    }
    return {};
}

Cells toolCells(Tool tool, const Field& FLD, QPoint from, QPoint to, Mirror mirror) {
    switch (tool) {
    case Tool::pen:
    case Tool::line: return withMirrorImages(lineCells(from, to), mirror);
    case Tool::rectangle: return withMirrorImages(rectangleCells(from, to, false), mirror);
    case Tool::filledRectangle: return withMirrorImages(rectangleCells(from, to, true), mirror);
    case Tool::fill: break;
    }
    // Each image fills the area it lies in: the first area's shape copied
    // over would paint across walls that the other side does not have.
    Cells areas;
    for (const QPoint& image : mirrorImages(to, mirror)) {
        const Cells area = floodCells(FLD, image);
        areas.insert(areas.end(), area.begin(), area.end());
    }
    return withMirrorImages(areas, Mirror::none);
}

}  // namespace krivol
