#include "state/level_pixels.h"

#include <algorithm>

#include "state/cell_codes.h"

namespace krivol {

namespace {

int brightest(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}); }
int darkest(QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}); }

}  // namespace

bool isNearBlack(QRgb colour) { return brightest(colour) <= kNearColourTolerance; }
bool isNearWhite(QRgb colour) { return darkest(colour) >= 255 - kNearColourTolerance; }

NearColours countNearColours(const QImage& picture) {
    NearColours near;
    const int width = std::min(picture.width(), kGridMax), height = std::min(picture.height(), kGridMax);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb c = picture.pixel(x, y) & 0xFFFFFFu;
            if (c != 0 && isNearBlack(c)) ++near.black;
            if (c != 0xFFFFFFu && isNearWhite(c)) ++near.white;
        }
    }
    return near;
}

}  // namespace krivol
