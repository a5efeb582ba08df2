#include "round/shot.h"

#include "render/sprites.h"

namespace krivol {

void KOM(Game& g) {
    GameState& s = g.s;
    s.SHOT[0] = 100;
    for (size_t i = 1; i <= 4; ++i) s.SHOT[i] = s.HERO[i];
    s.SHOT[5] = static_cast<Integer>(s.HERO[5] * 2);
    s.SHOT[6] = static_cast<Integer>(s.HERO[6] * 2);
    s.K0P = satAdd(s.K0P, -1);
    g.ports.labels.setLab_P(QString::number(s.K0P));
    SETL(g.pics, s);
}

namespace {

// Every unprotected living ghost in the shot's cell dies; the loop does not stop.
void hitGhosts(Game& g) {
    GameState& s = g.s;
    const Integer last = s.K0G;
    for (s.NG = 1; s.NG <= last; s.NG = static_cast<Integer>(s.NG + 1)) {
        GhostSlot& G = s.GHOST[static_cast<size_t>(s.NG)];
        if (G[ghost::kShield] != 0 || G[ghost::kState] <= 0) continue;
        if (G[ghost::kCellY] != s.SHOT[2] || G[ghost::kCellX] != s.SHOT[1]) continue;
        G[ghost::kState] = ghost::kDead;
        s.SHOT[0] = 0;
        s.SCORE = satAdd(s.SCORE, 200);
        g.ports.sound.WAV(QStringLiteral("die.wav"));
    }
}

}  // namespace

void flightStep(Game& g) {
    GameState& s = g.s;
    auto& S = s.SHOT;
    if (S[0] <= 0) return;
    S[3] = static_cast<Integer>(S[3] + S[5]);
    S[4] = static_cast<Integer>(S[4] + S[6]);
    S[1] = static_cast<Integer>(cellOf(S[3], s.SP));
    S[2] = static_cast<Integer>(cellOf(S[4], s.SP));
    if (S[5] + S[6] == 0) S[0] = 0;
    hitGhosts(g);
    if (s.FLD(S[1], S[2]) == cell::kWall) S[0] = 0;
    if (S[0] >= 1) SETL(g.pics, s);
}

}  // namespace krivol
