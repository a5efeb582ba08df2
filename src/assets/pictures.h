#pragma once
#include <QImage>

namespace krivol::assets {

// The built-in pictures, RGB32, built from the character grids in the sources.
QImage tileStrip();    // PicS, 12 x 120
QImage heroSprite();   // PicM, 12 x 48
QImage ghostSprite();  // PicG, 12 x 48
QImage spriteMask();   // PicMM, 12 x 48
QImage previewMaze();  // PicLOAD's design-time maze, 50 x 50

}  // namespace krivol::assets
