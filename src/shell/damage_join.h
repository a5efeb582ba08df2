#pragma once
#include <QRect>
#include <span>

namespace krivol {

// Joins rectangles that overlap or touch into their bounding rectangle until
// no two do; the joined ones sit at the front. Returns how many remain. A
// sprite's old and new place become one repaint instead of several bands.
size_t joinTouching(std::span<QRect> rects);

}  // namespace krivol
