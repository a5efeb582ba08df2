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

}  // namespace krivol::test
