#pragma once
#include <QImage>
#include <QRect>

namespace krivol {

enum class Rop { SRCCOPY, SRCAND, SRCPAINT };

// A surface is an opaque RGB32 image; 0xFFrrggbb per pixel.
QImage makeSurface(int width, int height, QRgb background);

// Copies w x h from src(sx, sy) to dst(x, y), clipped to both images.
// Returns the destination rectangle actually written.
QRect BitBlt(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy, Rop rop);
void SetPixel(QImage& dst, int x, int y, QRgb colour);
// Packed colour as the level rule compares it: red in the lowest byte; -1 outside.
long GetPixel(const QImage& src, int x, int y);
// Filled ellipse in the box (left, top)-(right, bottom), right and bottom excluded.
QRect Ellipse(QImage& dst, int left, int top, int right, int bottom, QRgb pen, QRgb fill);

}  // namespace krivol
