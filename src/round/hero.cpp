#include "round/hero.h"

#include "render/tiles.h"

namespace krivol {

QPoint lookAheadCell(int x, int y, int dx, int dy, int SP) {
    return {cellOf(x + 6 * dx, SP), cellOf(y + 6 * dy, SP)};
}

namespace {

void moveHero(GameState& s) {
    auto& H = s.HERO;
    H[5] = s.UX;
    H[6] = s.UY;
    QPoint ahead = lookAheadCell(H[3], H[4], H[5], H[6], s.SP);
    if (s.FLD(ahead.x(), ahead.y()) == cell::kWall) {
        H[5] = 0;
        H[6] = 0;
    }
    if (H[5] != 0) H[4] = static_cast<Integer>(centreLine(H[4], s.SP));
    if (H[6] != 0) H[3] = static_cast<Integer>(centreLine(H[3], s.SP));
    H[3] = static_cast<Integer>(H[3] + H[5]);
    H[4] = static_cast<Integer>(H[4] + H[6]);
    H[1] = static_cast<Integer>(cellOf(H[3], s.SP));
    H[2] = static_cast<Integer>(cellOf(H[4], s.SP));
}

// A bonus taken drops a trap at a random cell, whatever that cell held.
void dropTrap(Game& g) {
    GameState& s = g.s;
    s.X1 = randomCell(g.rnd, 46);
    s.Y1 = randomCell(g.rnd, 46);
    const int x = static_cast<int>(s.X1), y = s.Y1;
    const bool herosOwn = x == s.HERO[1] && y == s.HERO[2];
    if (s.FLD(x, y) == cell::kBonus && !herosOwn) s.K0B = satAdd(s.K0B, -1);
    s.FLD.set(x, y, cell::kTrap);
    redrawCell(g.pics, s.SP, x, y, cell::kTrap);
}

void pickUp(Game& g) {
    GameState& s = g.s;
    const int x = s.HERO[1], y = s.HERO[2];
    const Integer c = s.FLD(x, y);
    if (c <= 0 || c >= 20) return;
    if (c == cell::kBonus) {
        s.SCORE = satAdd(s.SCORE, 100);
        s.K0B = satAdd(s.K0B, -1);
        g.ports.sound.WAV(QStringLiteral("b.WAV"));
        dropTrap(g);
    }
    if (s.FLD(x, y) == cell::kAmmo) {
        s.K0P = satAdd(s.K0P, 10);
        g.ports.labels.setLab_P(QString::number(s.K0P));
    }
    if (s.FLD(x, y) == cell::kProtection) s.PLAMA = 2000;
    s.FLD.set(x, y, cell::kFloor);
    s.SCORE = satAdd(s.SCORE, 1);
    redrawCell(g.pics, s.SP, x, y, cell::kFloor);
}

}  // namespace

void heroStep(Game& g) {
    moveHero(g.s);
    pickUp(g);
}

}  // namespace krivol
