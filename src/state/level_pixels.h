#pragma once
#include <QImage>
#include <QRgb>

namespace krivol {

// How far from pure black or white a pixel may be and still be taken for
// one: lossy formats move them by up to about this much (a JPEG of a level at
// quality 50 by 59 and 69 in our trials), and the fixed grey of saved floor
// (128) stays well outside.
constexpr int kNearColourTolerance = 64;

// Every channel within kNearColourTolerance of 0 (or of 255); the exact
// colour counts as near too.
bool isNearBlack(QRgb colour);
bool isNearWhite(QRgb colour);

// Pixels of the top-left 50 x 50 of a picture that are nearly but not
// exactly black or white: the game reads them as empty floor.
struct NearColours {
    int black = 0;
    int white = 0;
};
NearColours countNearColours(const QImage& picture);

}  // namespace krivol
