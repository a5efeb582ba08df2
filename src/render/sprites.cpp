#include "render/sprites.h"

#include <cmath>

#include "render/surface_ops.h"

namespace krivol {

namespace {

// Mask with AND, then the sprite with OR, centred on (cx, cy); then `sparkles`
// yellow pixels within centre +- 5, two draws each, horizontal first.
void drawFigure(Surfaces& pics, GameState& s, Rnd& rnd, const QImage& sprite, int cx, int cy,
                int sparkles) {
    const int left = satAdd<Integer>(static_cast<Integer>(cx), -6);
    const int top = satAdd<Integer>(static_cast<Integer>(cy), -6);
    BitBlt(pics.Pic1, left, top, s.SP, s.SP, pics.PicMM, 0, 0, Rop::SRCAND);
    BitBlt(pics.Pic1, left, top, s.SP, s.SP, sprite, 0, 0, Rop::SRCPAINT);
    pics.drewOnPic1(QRect(left, top, 12, 12) & pics.Pic1.rect());
    for (int i = 0; i < sparkles; ++i) {
        s.X1 = static_cast<float>(static_cast<double>(rnd.next()) * 10.0 + 1.0);
        s.Y1 = static_cast<Integer>(std::nearbyint(static_cast<double>(rnd.next()) * 10.0 + 1.0));
        const int px = static_cast<int>(std::nearbyint(s.X1 + static_cast<float>(left)));
        SetPixel(pics.Pic1, px, top + s.Y1, kSparkle);
    }
}

}  // namespace

void SETM(Surfaces& pics, GameState& s, Rnd& rnd) {
    drawFigure(pics, s, rnd, pics.PicM, s.HERO[3], s.HERO[4], s.PLAMA >= 1 ? 40 : 0);
}

void SETG(Surfaces& pics, GameState& s, Rnd& rnd, const Integer& NG) {
    const GhostSlot& g = s.GHOST.at(static_cast<size_t>(NG));
    drawFigure(pics, s, rnd, pics.PicG, g[ghost::kPixX], g[ghost::kPixY], g[ghost::kShield] >= 1 ? 30 : 0);
}

void SETL(Surfaces& pics, const GameState& s) {
    const int x = s.SHOT[3], y = s.SHOT[4];
    pics.drewOnPic1(Ellipse(pics.Pic1, x - 2, y - 2, x + 2, y + 2, kShotGreen, kShotGreen));
}

}  // namespace krivol
