#include "support/invariants.h"

namespace krivol::test {

std::string invariantViolation(const GameState& s) {
    int bonus = 0;
    for (int x = 0; x <= kGridMax; ++x)
        for (int y = 0; y <= kGridMax; ++y) bonus += s.FLD(x, y) == cell::kBonus;
    if (bonus != s.K0B) return "K0B " + std::to_string(s.K0B) + " but " + std::to_string(bonus) + " bonus cells";
    if (s.K0G > kGhostSlots || s.K0G < 0) return "K0G out of range: " + std::to_string(s.K0G);
    if (s.UX != 0 && s.UY != 0) return "UX and UY both set";
    auto inside = [](int cx, int cy, int px, int py) {
        return cx >= 1 && cx <= 50 && cy >= 1 && cy <= 50 && px >= 0 && px < 600 && py >= 0 && py < 600;
    };
    if (!inside(s.HERO[1], s.HERO[2], s.HERO[3], s.HERO[4])) return "hero outside the grid";
    for (int n = 1; n <= s.K0G; ++n) {
        const GhostSlot& G = s.GHOST[static_cast<size_t>(n)];
        if (G[ghost::kState] >= 1 && !inside(G[1], G[2], G[3], G[4]))
            return "ghost " + std::to_string(n) + " outside the grid";
    }
    if (s.SHOT[0] >= 1 && !inside(s.SHOT[1], s.SHOT[2], s.SHOT[3], s.SHOT[4])) return "shot outside the grid";
    return {};
}

}  // namespace krivol::test
