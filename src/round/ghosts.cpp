#include "round/ghosts.h"

#include <cmath>

#include "render/sprites.h"
#include "render/tiles.h"
#include "round/hero.h"

namespace krivol {

using namespace ghost;

void chooseStartDirection(GhostSlot& G, Rnd& rnd) {
    const int row = 5 + static_cast<int>(std::floor(static_cast<double>(rnd.next()) + 0.5));
    G[static_cast<size_t>(row)] = static_cast<Integer>(std::floor(static_cast<double>(rnd.next()) * 3) - 1);
}

namespace {

// An item dropped at a spawn overwrites whatever its cell held.
void dropItem(Game& g, float threshold, Integer code) {
    GameState& s = g.s;
    if (!(g.rnd.next() < threshold)) return;
    s.X1 = randomCell(g.rnd, 46);
    s.Y1 = randomCell(g.rnd, 46);
    const int x = static_cast<int>(s.X1), y = s.Y1;
    if (s.FLD(x, y) == cell::kBonus) s.K0B = satAdd(s.K0B, -1);
    s.FLD.set(x, y, code);
    redrawCell(g.pics, s.SP, x, y, code);
}

}  // namespace

void spawnStep(Game& g) {
    GameState& s = g.s;
    // >= rather than ==: a round that filled all 50 slots lets TTG run past 500,
    // and later rounds must still spawn.
    if (s.TTG < kSpawnEvery || s.K0G >= kGhostSlots) return;
    s.TTG = 0;
    g.ports.sound.WAV(QStringLiteral("g.WAV"));
    s.K0G = static_cast<Integer>(s.K0G + 1);
    s.NG = s.K0G;
    GhostSlot& G = s.GHOST[static_cast<size_t>(s.NG)];
    G[kState] = kAlive;
    G[kCellX] = randomCell(g.rnd, 46);
    G[kCellY] = randomCell(g.rnd, 46);
    G[kPixX] = static_cast<Integer>(cellCentre(G[kCellX], s.SP));
    G[kPixY] = static_cast<Integer>(cellCentre(G[kCellY], s.SP));
    G[kDx] = 0;
    G[kDy] = 0;
    chooseStartDirection(G, g.rnd);
    if (s.FLD(G[kCellX], G[kCellY]) == cell::kWall) s.FLD.set(G[kCellX], G[kCellY], cell::kFloor);
    redrawCell(g.pics, s.SP, G[kCellX], G[kCellY], s.FLD(G[kCellX], G[kCellY]));
    dropItem(g, 0.2f, cell::kAmmo);
    dropItem(g, 0.1f, cell::kProtection);
}

namespace {

struct Turn {
    int dcx, dcy;  // neighbour tested
    Integer dx, dy;
};
constexpr Turn kTurns[4] = {{1, 0, 1, 0}, {-1, 0, -1, 0}, {0, 1, 0, 1}, {0, -1, 0, -1}};

void tryTurn(GameState& s, Rnd& rnd, GhostSlot& G) {
    const int d = static_cast<int>(std::floor(static_cast<double>(rnd.next()) * 4 + 1));
    const Turn& t = kTurns[d - 1];
    const bool open = s.FLD(G[kCellX] + t.dcx, G[kCellY] + t.dcy) < cell::kWall;
    const bool acrossAxis = t.dx != 0 ? G[kDx] == 0 : G[kDy] == 0;
    if (!open || !acrossAxis) return;
    G[kDx] = t.dx;
    G[kDy] = t.dy;
    G[kHold] = 14;
    s.POV = kFalse;
}

void moveGhost(GameState& s, Rnd& rnd, GhostSlot& G) {
    s.POV = rnd.next() < 0.5f ? kTrue : kFalse;
    if (G[kHold] > 0) G[kHold] = static_cast<Integer>(G[kHold] - 1);
    QPoint ahead = lookAheadCell(G[kPixX], G[kPixY], G[kDx], G[kDy], s.SP);
    if (s.FLD(ahead.x(), ahead.y()) == cell::kWall) {
        G[kDx] = 0;
        G[kDy] = 0;
        s.POV = kTrue;
    }
    if (G[kHold] == 0 && s.POV == kTrue) tryTurn(s, rnd, G);
    if (G[kDx] != 0) G[kPixY] = static_cast<Integer>(centreLine(G[kPixY], s.SP));
    if (G[kDy] != 0) G[kPixX] = static_cast<Integer>(centreLine(G[kPixX], s.SP));
    G[kPixX] = static_cast<Integer>(G[kPixX] + G[kDx]);
    G[kPixY] = static_cast<Integer>(G[kPixY] + G[kDy]);
    G[kCellX] = static_cast<Integer>(cellOf(G[kPixX], s.SP));
    G[kCellY] = static_cast<Integer>(cellOf(G[kPixY], s.SP));
}

// What the ghost's cell does to the hero and to the ghost.
void settleCell(Game& g, GhostSlot& G) {
    GameState& s = g.s;
    const int x = G[kCellX], y = G[kCellY];
    if (y == s.HERO[2] && x == s.HERO[1] && s.PLAMA == 0) s.g_over = 1;
    if (s.FLD(x, y) == cell::kTrap) {
        G[kState] = kDead;
        s.FLD.set(x, y, cell::kFloor);
        redrawCell(g.pics, s.SP, x, y, cell::kFloor);
    }
    if (s.FLD(x, y) == cell::kAmmo) {
        s.FLD.set(x, y, cell::kFloor);
        redrawCell(g.pics, s.SP, x, y, cell::kFloor);
    }
    if (s.FLD(x, y) == cell::kProtection) {
        s.FLD.set(x, y, cell::kFloor);
        redrawCell(g.pics, s.SP, x, y, cell::kFloor);
        G[kShield] = 3000;
    }
    if (G[kShield] > 0) G[kShield] = static_cast<Integer>(G[kShield] - 1);
}

}  // namespace

void ghostStep(Game& g) {
    GameState& s = g.s;
    const Integer last = s.K0G;
    for (s.NG = 1; s.NG <= last; s.NG = static_cast<Integer>(s.NG + 1)) {
        GhostSlot& G = s.GHOST[static_cast<size_t>(s.NG)];
        if (G[kState] < 1) continue;
        moveGhost(s, g.rnd, G);
        SETG(g.pics, s, g.rnd, s.NG);
        settleCell(g, G);
    }
}

}  // namespace krivol
