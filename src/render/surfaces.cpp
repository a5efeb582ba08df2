#include "render/surfaces.h"

#include "assets/pictures.h"
#include "render/surface_ops.h"

namespace krivol {

namespace {

constexpr QRgb kBlack = 0xFF000000;

// A box of the given client size with its picture at the top-left corner.
QImage box(int width, int height, QRgb background, const QImage& picture) {
    QImage image = makeSurface(width, height, background);
    BitBlt(image, 0, 0, picture.width(), picture.height(), picture, 0, 0, Rop::SRCCOPY);
    return image;
}

}  // namespace

Surfaces makeSurfaces() {
    Surfaces pics;
    pics.Pic1 = makeSurface(600, 600, kWindowBackground);
    // The same white field, shared until the first round draws on either, so
    // the window's first frame waits for one big allocation, not two.
    pics.PicBUF = pics.Pic1;
    pics.PicS = box(12, 120, kBlack, assets::tileStrip());
    pics.PicM = box(12, 51, kBlack, assets::heroSprite());
    pics.PicG = box(12, 51, kBlack, assets::ghostSprite());
    pics.PicMM = box(12, 51, kBlack, assets::spriteMask());
    pics.PicLOAD = box(52, 52, kBlack, assets::previewMaze());
    pics.Pic_inf = makeSurface(12, 120, kButtonFace);
    return pics;
}

}  // namespace krivol
