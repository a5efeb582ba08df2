#include <bit>

#include "state/level_bmp.h"
#include "state/level_bmp_bytes.h"

namespace krivol {

namespace {

// One colour channel of a bit-mask pixel, widened to 0..255 so that a
// 5-bit 31 reads 255 and not the 248 that a plain shift would give.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask >> shift_) {}
    std::uint32_t widen(std::uint32_t pixel) const {
        if (max_ == 0) return 0;
        const std::uint64_t value = (pixel & mask_) >> shift_;
        return static_cast<std::uint32_t>((value * 255 + max_ / 2) / max_);
    }

private:
    std::uint32_t mask_;
    int shift_;
    std::uint32_t max_;
};

std::array<std::uint32_t, 3> effectiveMasks(const BmpHeader& header) {
    if (header.compression != kBmpRgb) return header.masks;
    if (header.bitCount == 16) return {0x7C00u, 0x03E0u, 0x001Fu};
    return {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
}

}  // namespace

QImage decodeMaskedBmp(const BmpHeader& header, const QByteArray& bytes) {
    const int width = static_cast<int>(header.width);
    const int height = static_cast<int>(header.height < 0 ? -header.height : header.height);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    const auto masks = effectiveMasks(header);
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const int pixelBytes = header.bitCount / 8;
    const qsizetype rowBytes = (static_cast<qsizetype>(width) * pixelBytes + 3) / 4 * 4;
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = header.height < 0 ? fileRow : height - 1 - fileRow;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        qsizetype at = header.offBits + fileRow * rowBytes;
        for (int x = 0; x < width; ++x, at += pixelBytes) {
            const std::uint32_t pixel = pixelBytes == 2   ? bmp::le16(bytes, at)
                                        : pixelBytes == 3 ? bmp::le24(bytes, at)
                                                          : bmp::le32(bytes, at);
            out[x] = qRgb(static_cast<int>(red.widen(pixel)), static_cast<int>(green.widen(pixel)),
                          static_cast<int>(blue.widen(pixel)));
        }
    }
    return image;
}

}  // namespace krivol
