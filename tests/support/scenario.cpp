#include "support/scenario.h"

#include "render/tiles.h"

namespace krivol::test {

Scenario::Scenario(const LevelGrid& level, std::uint32_t seed) : session_(seed, dir_.path()) {
    level.save(dir_.filePath(QStringLiteral("KRIVOL01.BMP")));
    session_.s.SP = 12;
    session_.s.UGAME = 10;
    session_.s.N_KRI = 1;
}

void Scenario::start() {
    const StartResult result = session_.round.start();
    ASSERT_TRUE(result.started) << result.error.toStdString();
}

RoundEnd Scenario::tick() {
    const RoundEnd end = session_.round.tick();
    const std::string broken = invariantViolation(session_.s);
    EXPECT_TRUE(broken.empty()) << broken;
    return end;
}

RoundEnd Scenario::ticks(int n) {
    for (int i = 0; i < n; ++i) {
        if (RoundEnd end = tick(); end != RoundEnd::None) return end;
    }
    return RoundEnd::None;
}

void Scenario::noGhosts() {
    for (auto& slot : session_.s.GHOST) slot[ghost::kState] = ghost::kDead;
    session_.s.TTG = -1000000;
}

void Scenario::placeGhost(int n, int x, int y, Integer dx, Integer dy) {
    GhostSlot& G = session_.s.GHOST[static_cast<size_t>(n)];
    G[ghost::kState] = ghost::kAlive;
    G[ghost::kCellX] = static_cast<Integer>(x);
    G[ghost::kCellY] = static_cast<Integer>(y);
    G[ghost::kPixX] = static_cast<Integer>(cellCentre(x, 12));
    G[ghost::kPixY] = static_cast<Integer>(cellCentre(y, 12));
    G[ghost::kDx] = dx;
    G[ghost::kDy] = dy;
    if (session_.s.K0G < n) session_.s.K0G = static_cast<Integer>(n);
}

void Scenario::placeHero(int x, int y) {
    auto& H = session_.s.HERO;
    H[1] = static_cast<Integer>(x);
    H[2] = static_cast<Integer>(y);
    H[3] = static_cast<Integer>(cellCentre(x, 12));
    H[4] = static_cast<Integer>(cellCentre(y, 12));
}

void Scenario::setCell(int x, int y, Integer code) {
    GameState& s = session_.s;
    if (s.FLD(x, y) == cell::kBonus) --s.K0B;
    if (code == cell::kBonus) ++s.K0B;
    s.FLD.set(x, y, code);
    redrawCell(session_.pics, 12, x, y, code);
}

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
