#include "round/keys.h"

#include "round/shot.h"

namespace krivol {

namespace {

// One step towards `sign` on an axis: against the motion stops, then reverses.
Integer stepTowards(Integer value, int sign) {
    if (sign < 0) return value > -1 ? static_cast<Integer>(value - 1) : value;
    return value < 1 ? static_cast<Integer>(value + 1) : value;
}

}  // namespace

void keyStep(Game& g) {
    GameState& s = g.s;
    if (s.KK == s.KKU) return;
    switch (s.KK) {
    case key::kLeft:
        s.UX = stepTowards(s.UX, -1);
        s.UY = 0;
        break;
    case key::kUp:
        s.UY = stepTowards(s.UY, -1);
        s.UX = 0;
        break;
    case key::kRight:
        s.UX = stepTowards(s.UX, +1);
        s.UY = 0;
        break;
    case key::kDown:
        s.UY = stepTowards(s.UY, +1);
        s.UX = 0;
        break;
    case key::kFire:
        if (s.K0P >= 1 && s.UX + s.UY != 0 && s.SHOT[0] == 0) KOM(g);
        break;
    default:
        break;  // every other key is stored by the handlers and ignored here
    }
}

}  // namespace krivol
