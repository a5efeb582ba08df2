#pragma once
#include <QPoint>
#include <QString>
#include <vector>

#include "state/field.h"
#include "state/mirror.h"

namespace krivol {

// The cells the editor's tools cover, in cell coordinates (1..50).
using Cells = std::vector<QPoint>;

// Every cell on the straight line from a to b, both ends included, without
// gaps, so a fast drag leaves no holes.
Cells lineCells(QPoint a, QPoint b);
// The rectangle with corners a and b: its outline, or all of it.
Cells rectangleCells(QPoint a, QPoint b, bool filled);
// The 4-connected area of cells with the code at `at`, within the field.
Cells floodCells(const Field& FLD, QPoint at);
// `cells` with their mirror images, each cell once, only those on the field.
Cells withMirrorImages(const Cells& cells, Mirror mirror);

enum class Tool { pen, line, rectangle, filledRectangle, fill };
// As the menu names it; a step of the history is named by its tool in lower case.
QString toolName(Tool tool);
// What a tool covers from `from` to `to`, mirror images included. The pen
// covers the line between them. A fill takes the area at `to` and, each
// apart, the area at each of its images, all as they are on FLD.
Cells toolCells(Tool tool, const Field& FLD, QPoint from, QPoint to, Mirror mirror);

inline bool onField(QPoint c) { return c.x() >= 1 && c.y() >= 1 && c.x() <= kGridMax && c.y() <= kGridMax; }

}  // namespace krivol
