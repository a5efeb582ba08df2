#include "round/setup.h"

#include "render/tiles.h"
#include "round/ghosts.h"
#include "state/level.h"

namespace krivol {

void resetRoundVariables(Game& g) {
    GameState& s = g.s;
    s.K0B = 0;
    s.K0G = 5;
    s.PLAMA = 0;
    s.SCORE = 0;
    s.g_over = 0;
    s.K0P = 5;
    g.ports.labels.setLab_P(QString::number(s.K0P));
}

namespace {

// Puts `code` on `count` distinct random dot cells in columns and rows 2..49.
// Terminates because the level check guarantees kDotsNeeded such dots.
int scatter(GameState& s, Rnd& rnd, Integer code, int count) {
    int placed = 0;
    while (placed < count) {
        s.X1 = randomCell(rnd, 48);
        s.Y1 = randomCell(rnd, 48);
        const int x = static_cast<int>(s.X1);
        if (s.FLD(x, s.Y1) != cell::kDot) continue;
        s.FLD.set(x, s.Y1, code);
        ++placed;
    }
    return placed;
}

}  // namespace

void placeItems(GameState& s, Rnd& rnd) {
    s.K0B = static_cast<Integer>(scatter(s, rnd, cell::kBonus, 20));
    scatter(s, rnd, cell::kAmmo, 2);
}

void placeHero(GameState& s) {
    s.HERO[1] = kHeroStartCell.x();
    s.HERO[2] = kHeroStartCell.y();
    s.HERO[3] = static_cast<Integer>(cellCentre(kHeroStartCell.x(), s.SP));
    s.HERO[4] = static_cast<Integer>(cellCentre(kHeroStartCell.y(), s.SP));
    s.HERO[5] = 0;
    s.HERO[6] = 0;
}

void placeGhosts(Game& g) {
    GameState& s = g.s;
    const Integer last = s.K0G;
    for (s.NG = 1; s.NG <= last; s.NG = static_cast<Integer>(s.NG + 1)) {
        GhostSlot& G = s.GHOST[static_cast<size_t>(s.NG)];
        G[ghost::kState] = ghost::kAlive;
        G[ghost::kCellX] = randomCell(g.rnd, 40, 5);
        G[ghost::kCellY] = randomCell(g.rnd, 40, 5);
        G[ghost::kPixX] = static_cast<Integer>(cellCentre(G[ghost::kCellX], s.SP));
        G[ghost::kPixY] = static_cast<Integer>(cellCentre(G[ghost::kCellY], s.SP));
        G[ghost::kDx] = 0;
        G[ghost::kDy] = 0;
        chooseStartDirection(G, g.rnd);
        const int x = G[ghost::kCellX], y = G[ghost::kCellY];
        if (s.FLD(x, y) == cell::kBonus) s.K0B = satAdd(s.K0B, -1);
        s.FLD.set(x, y, cell::kFloor);
        redrawCell(g.pics, s.SP, x, y, cell::kFloor);
    }
}

}  // namespace krivol
