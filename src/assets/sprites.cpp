#include "assets/palette.h"
#include "assets/pictures.h"

#include <array>
#include <string_view>

namespace krivol::assets {
namespace {

using SpriteGrid = std::array<std::string_view, 12>;

// Only the top 12 rows are ever blitted; the picture boxes are taller and white below.
constexpr int kSpritePictureHeight = 48;

constexpr SpriteGrid kHero{
    "XXXXXaaXXXXX",
    "XXaaaaaaaaXX",
    "XXaaaaaaaaXX",
    "XaaBBOOBBOaX",
    "XaOBBOOBBOaX",
    "OaOOOOOOOOaa",
    "OaOOOOOOOOOa",
    "XaOddddddOOX",
    "XOORRRRRROOX",
    "XOOOOOOOOOOX",
    "XXOOOOOOOOXX",
    "XXXXXOOXXXXX",
};

constexpr SpriteGrid kGhost{
    "XXXXXRRXXXXX",
    "XXRRRRRRRRXX",
    "XRRXXRRXXRRX",
    "XRRXXRRXXRRX",
    "XRRRRaaRRRRX",
    "RRRRRaaRRRRR",
    "RRRRRRRRRRRR",
    "XRRRXXXXRRRX",
    "XRRXXXXXXRRX",
    "XRRXXXXXXRRX",
    "XXRRRRRRRRXX",
    "XXXXXRRXXXXX",
};

// Black inside the round outline both sprites share: outside it the sprites are black,
// so AND with the mask then OR with the sprite leaves the field untouched there.
constexpr SpriteGrid kMask{
    ".....XX.....",
    "..XXXXXXXX..",
    ".XXXXXXXXXX.",
    ".XXXXXXXXXX.",
    ".XXXXXXXXXX.",
    "XXXXXXXXXXXX",
    "XXXXXXXXXXXX",
    ".XXXXXXXXXX.",
    ".XXXXXXXXXX.",
    ".XXXXXXXXXX.",
    "..XXXXXXXX..",
    ".....XX.....",
};

}  // namespace

QImage heroSprite()
{
    return gridImage(kHero, kSpritePictureHeight);
}

QImage ghostSprite()
{
    return gridImage(kGhost, kSpritePictureHeight);
}

QImage spriteMask()
{
    return gridImage(kMask, kSpritePictureHeight);
}

}  // namespace krivol::assets
