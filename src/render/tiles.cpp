#include "render/tiles.h"

#include "render/surface_ops.h"

namespace krivol {

Integer TS(Integer NS) {
    // Order matters only for readability: the codes are distinct.
    if (NS == cell::kFloor) return 0;
    if (NS == cell::kDot) return 12;
    if (NS == cell::kBonus) return 24;
    if (NS == cell::kAmmo) return 48;
    if (NS == cell::kTrap) return 36;
    if (NS == cell::kProtection) return 60;
    if (NS == cell::kWall) return 84;
    return 0;
}

namespace {

QRect blitTile(QImage& dst, const QImage& strip, int SP, int x, int y, Integer code) {
    QPoint at = cellOrigin(x, y, SP);
    return BitBlt(dst, at.x(), at.y(), SP, SP, strip, 0, TS(code), Rop::SRCCOPY);
}

}  // namespace

void redrawCell(Surfaces& pics, int SP, int x, int y, Integer code) {
    pics.bufChanged.add(blitTile(pics.PicBUF, pics.PicS, SP, x, y, code));
}

void drawCells(QImage& dst, const QImage& strip, const Field& FLD, int SP) {
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) blitTile(dst, strip, SP, x, y, FLD(x, y));
}

void fullDraw(Surfaces& pics, const GameState& s) {
    drawCells(pics.Pic1, pics.PicS, s.FLD, s.SP);
    BitBlt(pics.PicBUF, 0, 0, kFieldPixels, kFieldPixels, pics.Pic1, 0, 0, Rop::SRCCOPY);
    pics.pic1Drawn.clear();
    pics.bufChanged.clear();
    pics.pic1Changed.addAll();
}

void restoreBackground(Surfaces& pics) {
    auto copy = [&pics](const QRect& r) {
        pics.pic1Changed.add(BitBlt(pics.Pic1, r.x(), r.y(), r.width(), r.height(), pics.PicBUF, r.x(),
                                    r.y(), Rop::SRCCOPY));
    };
    // Pic1 differs from PicBUF only where something was drawn on it or
    // where PicBUF changed, so copying those places equals a full copy.
    if (pics.fullRestore || pics.pic1Drawn.all() || pics.bufChanged.all()) {
        copy(QRect(0, 0, kFieldPixels, kFieldPixels));
    } else {
        for (const QRect& r : pics.pic1Drawn.rects()) copy(r);
        for (const QRect& r : pics.bufChanged.rects()) copy(r);
    }
    pics.pic1Drawn.clear();
    pics.bufChanged.clear();
}

void clearPic1(Surfaces& pics) {
    pics.Pic1.fill(kWindowBackground);
    pics.pic1Drawn.addAll();
    pics.pic1Changed.addAll();
}

}  // namespace krivol
