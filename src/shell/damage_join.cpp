#include "shell/damage_join.h"

namespace krivol {

namespace {

bool touching(const QRect& a, const QRect& b) { return a.adjusted(-1, -1, 1, 1).intersects(b); }

}  // namespace

size_t joinTouching(std::span<QRect> rects) {
    size_t n = rects.size();
    size_t i = 0;
    while (i < n) {
        size_t j = i + 1;
        while (j < n && !touching(rects[i], rects[j])) ++j;
        if (j == n) {
            ++i;
            continue;
        }
        rects[i] |= rects[j];
        rects[j] = rects[--n];
        i = 0;  // the grown rectangle may now touch one already passed
    }
    return n;
}

}  // namespace krivol
