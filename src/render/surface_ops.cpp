#include "render/surface_ops.h"

#include <algorithm>
#include <cstring>

namespace krivol {

QImage makeSurface(int width, int height, QRgb background) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

namespace {

// The destination rectangle that lies inside both images.
QRect clipBlit(const QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy) {
    return QRect(x, y, w, h) & dst.rect() & src.rect().translated(x - sx, y - sy);
}

}  // namespace

QRect BitBlt(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy, Rop rop) {
    QRect area = clipBlit(dst, x, y, w, h, src, sx, sy);
    if (area.isEmpty()) return {};
    sx += area.x() - x;
    sy += area.y() - y;
    x = area.x();
    y = area.y();
    // Row addresses from one bits() call: scanLine() checks for sharing on every row.
    uchar* const outBits = dst.bits();
    const uchar* const inBits = src.constBits();
    const auto outStride = dst.bytesPerLine(), inStride = src.bytesPerLine();
    for (int row = 0; row < area.height(); ++row) {
        auto* out = reinterpret_cast<QRgb*>(outBits + (y + row) * outStride) + x;
        const auto* in = reinterpret_cast<const QRgb*>(inBits + (sy + row) * inStride) + sx;
        switch (rop) {
        case Rop::SRCCOPY:
            std::memcpy(out, in, sizeof(QRgb) * static_cast<size_t>(area.width()));
            break;
        case Rop::SRCAND:
            for (int i = 0; i < area.width(); ++i) out[i] = (out[i] & in[i]) | 0xFF000000u;
            break;
        case Rop::SRCPAINT:
            for (int i = 0; i < area.width(); ++i) out[i] = out[i] | in[i] | 0xFF000000u;
            break;
        }
    }
    return area;
}

void SetPixel(QImage& dst, int x, int y, QRgb colour) {
    if (!dst.rect().contains(x, y)) return;
    reinterpret_cast<QRgb*>(dst.scanLine(y))[x] = colour | 0xFF000000u;
}

long GetPixel(const QImage& src, int x, int y) {
    if (!src.rect().contains(x, y)) return -1;
    QRgb p = reinterpret_cast<const QRgb*>(src.constScanLine(y))[x];
    return static_cast<long>(qRed(p)) | (static_cast<long>(qGreen(p)) << 8) |
           (static_cast<long>(qBlue(p)) << 16);
}

namespace {

bool insideEllipse(int i, int j, int w, int h) {
    if (i < 0 || j < 0 || i >= w || j >= h) return false;
    double rx = w / 2.0, ry = h / 2.0;
    double dx = (i + 0.5 - rx) / rx, dy = (j + 0.5 - ry) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace

QRect Ellipse(QImage& dst, int left, int top, int right, int bottom, QRgb pen, QRgb fill) {
    int w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0) return {};
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (!insideEllipse(i, j, w, h)) continue;
            bool edge = !insideEllipse(i - 1, j, w, h) || !insideEllipse(i + 1, j, w, h) ||
                        !insideEllipse(i, j - 1, w, h) || !insideEllipse(i, j + 1, w, h);
            SetPixel(dst, left + i, top + j, edge ? pen : fill);
        }
    }
    return QRect(left, top, w, h) & dst.rect();
}

}  // namespace krivol
