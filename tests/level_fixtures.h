#pragma once
// Level pictures written byte by byte, for the BMP kinds Qt cannot save:
// 4- and 16-bit, 32-bit with bit masks, RLE, top-down rows, OS/2 headers.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace krivol::fixtures {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// A 50 x 50 black-and-white maze whose pixels no simple symmetry maps onto
// each other, so swapped axes or flipped rows show up in the grid.
inline bool mazeWall(int px, int py) {
    if (px == 0 || py == 0 || px == 49 || py == 49) return true;
    return (px * 7 + py * 3) % 5 == 0 || (px == 3 && py < 30);
}

inline QImage mazePicture() {
    QImage image(50, 50, QImage::Format_RGB32);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) image.setPixel(x, y, mazeWall(x, y) ? kBlack : kWhite);
    return image;
}

struct BmpLayout {
    int bits = 24;
    std::uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit masks
    bool topDown = false;
    std::uint32_t infoSize = 40;  // 12 (OS/2), 40 or 108
    std::array<std::uint32_t, 3> masks{0x00FF0000u, 0x0000FF00u, 0x000000FFu};
};

constexpr std::array<std::uint32_t, 3> kMasks555{0x7C00u, 0x03E0u, 0x001Fu};
constexpr std::array<std::uint32_t, 3> kMasks565{0xF800u, 0x07E0u, 0x001Fu};
constexpr std::array<std::uint32_t, 3> kMasks101010{0x3FF00000u, 0x000FFC00u, 0x000003FFu};

inline void put16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v & 0xFF)).append(static_cast<char>((v >> 8) & 0xFF));
}
inline void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Channel c (0..255) scaled into the bits of mask, rounded.
inline std::uint32_t intoMask(int c, std::uint32_t mask) {
    int shift = 0;
    while (!((mask >> shift) & 1u)) ++shift;
    const std::uint32_t max = mask >> shift;
    return ((static_cast<std::uint32_t>(c) * max + 127) / 255) << shift;
}

inline std::vector<QRgb> paletteOf(const QImage& image) {
    std::vector<QRgb> palette;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) | 0xFF000000u;
            if (std::find(palette.begin(), palette.end(), p) == palette.end()) palette.push_back(p);
        }
    return palette;
}

inline int indexOf(const std::vector<QRgb>& palette, QRgb p) {
    return static_cast<int>(std::find(palette.begin(), palette.end(), p | 0xFF000000u) -
                            palette.begin());
}

inline int fileRowToY(const QImage& image, int row, bool topDown) {
    return topDown ? row : image.height() - 1 - row;
}

// Uncompressed rows, each padded to four bytes.
inline QByteArray plainPixels(const QImage& image, const BmpLayout& layout,
                              const std::vector<QRgb>& palette) {
    QByteArray data;
    for (int row = 0; row < image.height(); ++row) {
        const int y = fileRowToY(image, row, layout.topDown);
        QByteArray line;
        std::uint32_t bitBuffer = 0;
        int bitsHeld = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (layout.bits <= 8) {
                bitBuffer =
                    (bitBuffer << layout.bits) | static_cast<std::uint32_t>(indexOf(palette, p));
                bitsHeld += layout.bits;
                if (bitsHeld == 8) {
                    line.append(static_cast<char>(bitBuffer));
                    bitBuffer = 0;
                    bitsHeld = 0;
                }
            } else if (layout.bits == 24) {
                line.append(static_cast<char>(qBlue(p)))
                    .append(static_cast<char>(qGreen(p)))
                    .append(static_cast<char>(qRed(p)));
            } else {
                const std::uint32_t v = intoMask(qRed(p), layout.masks[0]) |
                                        intoMask(qGreen(p), layout.masks[1]) |
                                        intoMask(qBlue(p), layout.masks[2]);
                layout.bits == 16 ? put16(line, v) : put32(line, v);
            }
        }
        if (bitsHeld > 0) line.append(static_cast<char>(bitBuffer << (8 - bitsHeld)));
        while (line.size() % 4) line.append('\0');
        data += line;
    }
    return data;
}

// RLE rows: the first pixels of each row as a literal run (padded to 16 bits),
// the rest as runs of equal pixels, an end-of-line after each row and an
// end-of-bitmap at the close.
inline QByteArray rlePixels(const QImage& image, const BmpLayout& layout,
                            const std::vector<QRgb>& palette) {
    const bool four = layout.bits == 4;
    const int literal = four ? 5 : 3;
    QByteArray data;
    for (int row = 0; row < image.height(); ++row) {
        const int y = fileRowToY(image, row, false);
        data.append('\0').append(static_cast<char>(literal));
        QByteArray run;
        for (int x = 0; x < literal; ++x) {
            const int index = indexOf(palette, image.pixel(x, y));
            if (!four)
                run.append(static_cast<char>(index));
            else if (x % 2 == 0)
                run.append(static_cast<char>(index << 4));
            else
                run[run.size() - 1] = static_cast<char>(run.back() | index);
        }
        if (run.size() % 2) run.append('\0');
        data += run;
        for (int x = literal; x < image.width();) {
            const int index = indexOf(palette, image.pixel(x, y));
            int count = 1;
            while (x + count < image.width() && count < 255 &&
                   indexOf(palette, image.pixel(x + count, y)) == index)
                ++count;
            data.append(static_cast<char>(count))
                .append(static_cast<char>(four ? (index << 4 | index) : index));
            x += count;
        }
        data.append('\0').append('\0');
    }
    return data.append('\0').append('\1');
}

inline QByteArray infoHeader(const QImage& image, const BmpLayout& layout, std::uint32_t dataSize,
                             std::uint32_t colours) {
    QByteArray info;
    put32(info, layout.infoSize);
    if (layout.infoSize == 12) {
        put16(info, static_cast<std::uint32_t>(image.width()));
        put16(info, static_cast<std::uint32_t>(image.height()));
        put16(info, 1);
        put16(info, static_cast<std::uint32_t>(layout.bits));
        return info;
    }
    const int height = layout.topDown ? -image.height() : image.height();
    put32(info, static_cast<std::uint32_t>(image.width()));
    put32(info, static_cast<std::uint32_t>(height));
    put16(info, 1);
    put16(info, static_cast<std::uint32_t>(layout.bits));
    put32(info, layout.compression);
    put32(info, dataSize);
    put32(info, 2835);
    put32(info, 2835);
    put32(info, colours);
    put32(info, 0);
    if (layout.compression == 3 || layout.infoSize >= 108) {
        for (std::uint32_t mask : layout.masks) put32(info, mask);
    }
    if (layout.infoSize >= 108) {
        put32(info, 0);            // no alpha
        put32(info, 0x73524742u);  // 'sRGB'
        info.append(QByteArray(48, '\0'));
    }
    return info;
}

// A complete BMP file of the picture in the given layout.
inline QByteArray bmpBytes(const QImage& image, const BmpLayout& layout) {
    const std::vector<QRgb> palette = layout.bits <= 8 ? paletteOf(image) : std::vector<QRgb>{};
    const bool rle = layout.compression == 1 || layout.compression == 2;
    const QByteArray pixels =
        rle ? rlePixels(image, layout, palette) : plainPixels(image, layout, palette);
    const QByteArray info = infoHeader(image, layout, static_cast<std::uint32_t>(pixels.size()),
                                       static_cast<std::uint32_t>(palette.size()));
    QByteArray table;
    for (QRgb p : palette) {
        table.append(static_cast<char>(qBlue(p)))
            .append(static_cast<char>(qGreen(p)))
            .append(static_cast<char>(qRed(p)));
        if (layout.infoSize != 12) table.append('\0');
    }
    // OS/2 headers cannot say how many colours there are: the table is always full.
    if (layout.infoSize == 12)
        table.append(QByteArray(3 * ((1 << layout.bits) - static_cast<int>(palette.size())), '\0'));
    const auto offset = static_cast<std::uint32_t>(14 + info.size() + table.size());
    QByteArray file("BM");
    put32(file, offset + static_cast<std::uint32_t>(pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + table + pixels;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace krivol::fixtures
