#pragma once
#include <QImage>

#include "render/damage.h"

namespace krivol {

constexpr QRgb kWindowBackground = 0xFFFFFFFF;  // Pic1 / PicBUF background
constexpr QRgb kButtonFace = 0xFFF0F0F0;        // Pic_inf background

// The picture boxes of the window as images. Pic1 is the visible field,
// PicBUF the field without sprites; the others are picture sources.
struct Surfaces {
    QImage Pic1, PicBUF, PicS, PicM, PicG, PicMM, PicLOAD, Pic_inf;

    Damage pic1Drawn;    // drawn on Pic1 since the last background restore
    Damage bufChanged;   // PicBUF cells redrawn since the last background restore
    Damage pic1Changed;  // Pic1 pixels changed since the screen last saw it
    bool fullRestore = false;  // copy the whole field every tick (reference mode)

    void drewOnPic1(const QRect& r) {
        pic1Drawn.add(r);
        pic1Changed.add(r);
    }
};

// All boxes at their client sizes, holding their built-in pictures.
Surfaces makeSurfaces();

}  // namespace krivol
