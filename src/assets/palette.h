#pragma once
#include <QImage>
#include <QRgb>

#include <optional>
#include <span>
#include <string_view>

namespace krivol::assets {

// A picture written as text: one string per pixel row, one character per pixel.
using GridRows = std::span<const std::string_view>;

// The colour a grid character stands for; nothing for a character outside the key.
std::optional<QRgb> keyColour(char key);

// Writes the grid into target with its top row at row `top`. Refuses, leaving target
// untouched, a grid that is empty, ragged, not as wide as target, does not fit below
// `top`, or holds a character outside the key.
bool paintGrid(QImage& target, int top, GridRows rows);

// An opaque RGB32 picture as wide as the grid and `height` rows high: the grid on top,
// white below. A null image for a grid paintGrid refuses or a height too small for it.
QImage gridImage(GridRows rows, int height);
QImage gridImage(GridRows rows);

}  // namespace krivol::assets
